#!/usr/bin/env bash
# Runs every test: the Python surface, the wheels as users install them
# (built to glibc 2.17, inspected, installed without a compiler into CPython
# 3.12 and 3.13, free-threaded CPython and, for aarch64, Debian's CPython
# under qemu-user; type checked), the C++ tests of threads under
# ThreadSanitizer, the C++ core (plain, with the constant-time checks under valgrind
# from a key's text to the signature and of the assembly products, and the
# check that no secret outlives a call in memory; under AddressSanitizer +
# UndefinedBehaviorSanitizer; at other optimisation levels, under QEMU on an
# older x86-64 and on aarch64), the installed C++ package and korvo tool, a
# bounded fuzzing run of every parser and the operations, and the mutation run
# (every planted fault must be caught).
# Every test has a time limit, so a hang fails with the test's name.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
JOBS=2

build() {  # build DIR [cmake args...]
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -DKORVO_BUILD_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j"$JOBS" >/dev/null
}

echo "== No include cycle among the library's modules"
python3 "$ROOT/scripts/check_include_cycles.py"

echo "== Python tests"
"$VENV/bin/python" -m pytest -q "$ROOT/tests/python"

echo "== The documentation site: every example runs, every reference resolves, no warning"
bash "$ROOT/scripts/docs.sh"

echo "== The wheels: x86-64 and aarch64 abi3, free-threaded; each tested on its platform"
bash "$ROOT/scripts/wheel.sh"
bash "$ROOT/scripts/check_wheel.sh"

echo "== Threads racing to first use, under ThreadSanitizer"
bash "$ROOT/scripts/ci_tsan.sh"

echo "== C++ tests (the constant-time checks run under valgrind among them)"
build "$ROOT/build-tests" -DCMAKE_BUILD_TYPE=Release -DKORVO_BUILD_BENCH=ON
ctest --test-dir "$ROOT/build-tests" --output-on-failure --timeout 300 -j"$JOBS"

echo "== The installed C++ package: an example consumer and the korvo tool on the known answers"
bash "$ROOT/scripts/ci_cpp_package.sh" "$ROOT/build-tests"

echo "== C++ tests under ASan and UBSan"
build "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVO_SANITIZE=ON
ctest --test-dir "$ROOT/build-asan" --output-on-failure --timeout 300 -j"$JOBS"

echo "== Builds at other optimisation levels, on an older x86-64 and on aarch64"
bash "$ROOT/scripts/ci_builds.sh"

echo "== Fuzzing every parser and the operations"
bash "$ROOT/scripts/ci_fuzz.sh"

echo "== The mutation run: each planted fault must fail a test"
"$VENV/bin/python" "$ROOT/tests/mutation/run.py"
