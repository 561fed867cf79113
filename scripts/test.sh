#!/usr/bin/env bash
# Runs every test: the Python surface, the wheel as users install it (built,
# inspected, installed without a compiler into CPython 3.12 and 3.13, type
# checked), the C++ core (plain, with the constant-time checks under valgrind
# from a key's text to the signature and of the assembly products, and the
# check that no secret outlives a call in memory; then under AddressSanitizer +
# UndefinedBehaviorSanitizer), the installed C++ package and korvo tool, and a
# bounded fuzzing run of the request reader.
# Every test has a time limit, so a hang fails with the test's name.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
JOBS=2
FUZZ_SECONDS="${FUZZ_SECONDS:-60}"

build() {  # build DIR [cmake args...]
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -DKORVO_BUILD_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j"$JOBS" >/dev/null
}

echo "== Python tests"
"$VENV/bin/python" -m pytest -q "$ROOT/tests/python"

echo "== The wheel"
bash "$ROOT/scripts/wheel.sh"
bash "$ROOT/scripts/check_wheel.sh"

echo "== C++ tests (the constant-time checks run under valgrind among them)"
build "$ROOT/build-tests" -DCMAKE_BUILD_TYPE=Release -DKORVO_BUILD_BENCH=ON
ctest --test-dir "$ROOT/build-tests" --output-on-failure --timeout 300 -j"$JOBS"

echo "== The installed C++ package: an example consumer and the korvo tool on the known answers"
bash "$ROOT/scripts/ci_cpp_package.sh" "$ROOT/build-tests"

echo "== C++ tests under ASan and UBSan"
build "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVO_SANITIZE=ON
ctest --test-dir "$ROOT/build-asan" --output-on-failure --timeout 300 -j"$JOBS"

echo "== Fuzzing the request reader for ${FUZZ_SECONDS}s"
CXX=clang++ cmake -S "$ROOT" -B "$ROOT/build-fuzz" -DKORVO_BUILD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$ROOT/build-fuzz" --target fuzz_records -j"$JOBS" >/dev/null
mkdir -p "$ROOT/fuzz/corpus-work"
"$ROOT/build-fuzz/fuzz/fuzz_records" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 -dict="$ROOT/fuzz/records.dict" \
  "$ROOT/fuzz/corpus-work" "$ROOT/fuzz/corpus" 2>&1 | tail -n 3
