#!/usr/bin/env bash
# The C++ package and the korvo tool as their users get them: installs the
# package into a fresh prefix, builds examples/cpp against that prefix alone
# (find_package, no path into this checkout), and runs the known-answer and
# usage tests of the installed tool and of the example.
# Usage: ci_cpp_package.sh [BUILD_DIR]   (an existing build directory is reused)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build-package}"
VENV="$ROOT/.venv"
[ -x "$VENV/bin/python" ] || source "$ROOT/scripts/setup.sh"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 >/dev/null
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

if grep -n '#include "' "$PREFIX/include/korvo/sdk.h"; then
  echo "the installed header includes a header that is not installed" >&2
  exit 1
fi

cmake -S "$ROOT/examples/cpp" -B "$WORK/example" -DCMAKE_PREFIX_PATH="$PREFIX" >/dev/null
cmake --build "$WORK/example" -j2 >/dev/null

KORVO_CLI="$PREFIX/bin/korvo" KORVO_CALL="$WORK/example/korvo_call" \
  "$VENV/bin/python" -m pytest -q -p no:cacheprovider "$ROOT/tests/cli"
