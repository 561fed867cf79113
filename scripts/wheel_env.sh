#!/usr/bin/env bash
# What the wheels are built with and tested in, made once per machine and
# kept outside the repository in $KORVO_CACHE (default /var/cache/korvo):
# - zig (pip's ziglang), which compiles against the symbols of glibc 2.17 and
#   links its own libc++ statically;
# - libb2 compiled by zig from Debian's source package: Debian's own archive
#   calls explicit_bzero, which glibc 2.17 lacks;
# - a free-threaded CPython built from the source that Debian packages;
# - a Debian trixie arm64 root, run under qemu-user, for the aarch64 wheel.
# Sourced by wheel.sh and check_wheel.sh after setup.sh.
KORVO_CACHE="${KORVO_CACHE:-/var/cache/korvo}"
ZIG_VERSION=0.17.1
# Every wheel's glibc floor: manylinux2014.
GLIBC_FLOOR=2.17
ARM64_ROOT="$KORVO_CACHE/trixie-arm64"

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

apt_install() {  # apt_install PACKAGE...: installs those that are missing
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  if [[ "${missing[*]}" == *:arm64* ]] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
    as_root dpkg --add-architecture arm64
  fi
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Source packages come from trixie's (and sid's) source indexes; no binary
# package is taken from them. The indexes may list a version that the mirror
# does not serve (yet, or any more), so each listed version is tried, newest
# first. Every function here that fails says why and returns non-zero: its
# callers take its output through $(...), where errexit does not reach.
debian_source() {  # debian_source PACKAGE...: the first whose source can be fetched; prints its folder
  local list=/etc/apt/sources.list.d/korvo-src.sources dir package version log
  if [ ! -f "$list" ]; then
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: trixie sid" \
      "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" | as_root tee "$list" >/dev/null
    as_root apt-get update -qq || { echo "apt-get update failed for the source indexes" >&2; return 1; }
  fi
  log="$(mktemp)"
  for package in "$@"; do
    dir="$KORVO_CACHE/src/$package"
    if ls "$dir"/*.orig.tar.* >/dev/null 2>&1; then
      rm -f "$log"
      echo "$dir"
      return 0
    fi
    for version in $(apt-cache showsrc "$package" 2>/dev/null \
                     | awk -v p="$package" '/^Package: /{ours = ($2 == p)} ours && /^Version: /{print $2}' | sort -urV); do
      rm -rf "$dir" && mkdir -p "$dir"
      if (cd "$dir" && apt-get source -qq --download-only "$package=$version" >>"$log" 2>&1); then
        rm -f "$log"
        echo "$dir"
        return 0
      fi
    done
    rm -rf "$dir"
  done
  echo "no source package of $* could be fetched; apt-get said:" >&2
  grep -E '^(E|W):' "$log" | sort -u >&2 || true
  rm -f "$log"
  return 1
}

zig_binary() {
  "$VENV/bin/python" -m pip install -q "ziglang==$ZIG_VERSION" || return 1
  "$VENV/bin/python" -c 'import ziglang, os; print(os.path.join(os.path.dirname(ziglang.__file__), "zig"))'
}

# The reference BLAKE2s of libb2 (the only part the SDK calls), as a static
# archive for a zig target; prints the archive's path.
libb2_archive() {  # libb2_archive ZIG TARGET
  local zig="$1" target="$2" out="$KORVO_CACHE/libb2-$2" src work
  if [ ! -f "$out/libb2.a" ]; then
    src="$(debian_source libb2)" || return 1
    work="$(mktemp -d)"
    tar -xzf "$src"/libb2_*.orig.tar.gz -C "$work" --strip-components=1
    : >"$work/src/config.h"  # no HAVE_EXPLICIT_BZERO: the library's own volatile wipe is used
    mkdir -p "$out"
    if ! { "$zig" cc -target "$target" -mcpu=baseline -O2 -fPIC -fvisibility=hidden -DSUFFIX= -I"$work/src" \
             -c "$work/src/blake2s-ref.c" -o "$work/blake2s-ref.o" \
           && "$zig" ar rcs "$out/libb2.a.tmp" "$work/blake2s-ref.o"; }; then
      rm -rf "$work" "$out/libb2.a.tmp"
      echo "compiling libb2 for $target failed" >&2
      return 1
    fi
    mv "$out/libb2.a.tmp" "$out/libb2.a"
    rm -rf "$work"
  fi
  echo "$out/libb2.a"
}

# A free-threaded CPython (configure --disable-gil) from the newest source
# that Debian serves; prints its interpreter.
free_threaded_python() {
  local src tarball version prefix work
  src="$(debian_source python3.14 python3.13)" || return 1
  tarball="$(ls "$src"/python3.1*.orig.tar.xz)" || return 1
  version="$(basename "$tarball" .orig.tar.xz)"
  version="${version#*_}"
  prefix="$KORVO_CACHE/python-${version}t"
  if [ ! -f "$prefix/.complete" ]; then
    apt_install build-essential libssl-dev zlib1g-dev libffi-dev libbz2-dev liblzma-dev >&2 || return 1
    work="$(mktemp -d)"
    tar -xJf "$tarball" -C "$work" --strip-components=1
    # Marked complete only once installed: a failed build is made again next time.
    if ! (cd "$work" && ./configure -q --disable-gil --prefix="$prefix" --with-ensurepip=install >"$work/build.log" 2>&1 \
          && make -s -j2 >>"$work/build.log" 2>&1 && make -s install >>"$work/build.log" 2>&1); then
      tail -n 30 "$work/build.log" >&2
      echo "building the free-threaded CPython $version failed" >&2
      rm -rf "$work" "$prefix"
      return 1
    fi
    rm -rf "$work"
    touch "$prefix/.complete"
  fi
  echo "$prefix/bin/python${version%.*}t"
}

# A Debian trixie arm64 root with CPython 3.13, pip, pytest and hypothesis,
# its programs run by qemu-user through binfmt_misc. debootstrap's first
# stage fetches the packages and unpacks the base; the rest are unpacked the
# same way instead of being configured under emulation, which takes many
# times longer and adds nothing these tests use. A second caller waits for
# the first (wheel.sh starts it early, in the background).
arm64_root() {
  apt_install debootstrap qemu-user-static
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-aarch64 ]; then
    as_root sh -c 'cat /usr/lib/binfmt.d/qemu-aarch64.conf > /proc/sys/fs/binfmt_misc/register'
  fi
  mkdir -p "$KORVO_CACHE"
  (
    flock 9
    [ -f "$ARM64_ROOT/.complete" ] && exit 0
    as_root rm -rf "$ARM64_ROOT.tmp"
    as_root debootstrap --foreign --arch=arm64 --variant=minbase \
      --include=python3.13-venv,python3-pip,python3-pytest,python3-pytest-timeout,python3-hypothesis \
      trixie "$ARM64_ROOT.tmp" http://deb.debian.org/debian >/dev/null
    for deb in "$ARM64_ROOT.tmp"/var/cache/apt/archives/*.deb; do
      as_root dpkg-deb -x "$deb" "$ARM64_ROOT.tmp"
    done
    as_root rm -f "$ARM64_ROOT.tmp"/var/cache/apt/archives/*.deb
    # Made by ca-certificates' configuration, which is skipped; pip loads it at start.
    as_root mkdir -p "$ARM64_ROOT.tmp/etc/ssl/certs"
    as_root cp /etc/ssl/certs/ca-certificates.crt "$ARM64_ROOT.tmp/etc/ssl/certs/"
    as_root touch "$ARM64_ROOT.tmp/.complete"
    as_root rm -rf "$ARM64_ROOT"
    as_root mv "$ARM64_ROOT.tmp" "$ARM64_ROOT"
  ) 9>"$KORVO_CACHE/arm64-root.lock"
}
