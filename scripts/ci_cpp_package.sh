#!/usr/bin/env bash
# The C++ package and the korvo tool as their users get them: installs the
# package into a fresh prefix, checks that it holds one archive and one shared
# library exporting the public API alone, and no build setting of the layers,
# builds examples/cpp against that prefix alone (find_package, no path into
# this checkout) once with each library, and runs the known-answer and usage
# tests of the installed tool and of both builds of the example.
# Usage: ci_cpp_package.sh [BUILD_DIR]   (an existing build directory is reused)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build-package}"
VENV="$ROOT/.venv"
[ -x "$VENV/bin/python" ] || source "$ROOT/scripts/setup.sh"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKORVO_SDK_SHARED=ON >/dev/null
cmake --build "$BUILD" -j2 >/dev/null
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

if grep -n '#include "' "$PREFIX/include/korvo/sdk.h"; then
  echo "the installed header includes a header that is not installed" >&2
  exit 1
fi

LIBDIR="$(dirname "$(find "$PREFIX" -name libkorvo_sdk.a)")"
libraries="$(cd "$LIBDIR" && ls lib* | tr '\n' ' ')"
if [ "$libraries" != "libkorvo_sdk.a libkorvo_sdk.so libkorvo_sdk.so.0.1 libkorvo_sdk.so.0.1.0 " ]; then
  echo "the package installs: $libraries" >&2
  exit 1
fi
if grep -rn "KORVO_\|korvo_[a-z]*_dep\|korvo::korvo_" "$LIBDIR/cmake"; then
  echo "the package's targets carry the build settings or names of the layers" >&2
  exit 1
fi
exported="$(nm -DC --defined-only "$LIBDIR/libkorvo_sdk.so" | grep -v ' korvo::sdk::' || true)"
if [ -n "$exported" ]; then
  echo "libkorvo_sdk.so exports more than the public API:" >&2
  echo "$exported" >&2
  exit 1
fi
echo "-- the package: libkorvo_sdk.a, libkorvo_sdk.so exporting korvo::sdk alone"

for library in static shared; do
  cmake -S "$ROOT/examples/cpp" -B "$WORK/example-$library" -DCMAKE_PREFIX_PATH="$PREFIX" \
        -DKORVO_EXAMPLE_SHARED="$([ "$library" = shared ] && echo ON || echo OFF)" >/dev/null
  cmake --build "$WORK/example-$library" -j2 >/dev/null
done
if readelf -d "$WORK/example-static/korvo_call" | grep -q "libkorvo_sdk"; then
  echo "the static example needs libkorvo_sdk.so" >&2
  exit 1
fi
readelf -d "$WORK/example-shared/korvo_call" | grep -q "NEEDED.*libkorvo_sdk.so.0.1" || {
  echo "the shared example does not load libkorvo_sdk.so" >&2
  exit 1
}

KORVO_CLI="$PREFIX/bin/korvo" KORVO_CALL="$WORK/example-static/korvo_call" \
  "$VENV/bin/python" -m pytest -q -p no:cacheprovider "$ROOT/tests/cli"
KORVO_CALL="$WORK/example-shared/korvo_call" \
  "$VENV/bin/python" -m pytest -q -p no:cacheprovider "$ROOT/tests/cli/test_cpp_consumer.py"
