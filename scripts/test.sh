#!/usr/bin/env bash
# Runs every test: the Python surface, the C++ core (plain, with the
# constant-time check of the fixed-base multiplication under valgrind, and
# under AddressSanitizer + UndefinedBehaviorSanitizer, at other optimisation
# levels, with clang, under QEMU on an older x86-64 and on aarch64), and a
# bounded fuzzing run of every parser.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
JOBS=2

build() {  # build DIR [cmake args...]
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -DKORVO_BUILD_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j"$JOBS" >/dev/null
}

echo "== Python tests"
"$VENV/bin/python" -m pytest -q "$ROOT/tests/python"

echo "== C++ tests (the constant-time check runs under valgrind among them)"
build "$ROOT/build-tests" -DCMAKE_BUILD_TYPE=Release -DKORVO_BUILD_BENCH=ON
ctest --test-dir "$ROOT/build-tests" --output-on-failure -j"$JOBS"

echo "== C++ tests under ASan and UBSan"
build "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVO_SANITIZE=ON
ctest --test-dir "$ROOT/build-asan" --output-on-failure -j"$JOBS"

echo "== Builds at other optimisation levels, with clang, on an older x86-64 and on aarch64"
bash "$ROOT/scripts/ci_builds.sh"

echo "== Fuzzing every parser and the operations"
bash "$ROOT/scripts/ci_fuzz.sh"
