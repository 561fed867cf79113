#!/usr/bin/env bash
# The builds beyond the shipped one: the C++ tests at the optimisation levels
# that change how the field code is compiled (GCC -Og and -Os; clang compiles
# the whole library for the fuzz targets), the
# shipped Release tests on an x86-64 processor without BMI2 and ADX, and the
# tests cross-compiled for aarch64; both of the latter run under qemu-user.
# Expects the Release build in build-tests (scripts/test.sh makes it).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS=2
# A processor model without BMI2 and ADX (both arrived after it).
OLD_X86_CPU=Nehalem

install_packages() {
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    $sudo dpkg --add-architecture arm64
  fi
  local wanted=(qemu-user g++-aarch64-linux-gnu libssl-dev:arm64 libb2-dev:arm64 libgtest-dev:arm64) missing=()
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}

step() {  # step NAME COMMAND...: runs and reports the time taken
  local name="$1" start=$SECONDS; shift
  echo "== $name"
  "$@"
  echo "   ($name: $((SECONDS - start))s)"
}

# qemu-aarch64 7.2 never wakes a thread that waits on another thread's
# initialisation of a function-local static (a two-thread program with one
# such static hangs too), and a death test's fork hangs under it, so there the
# tests of concurrent first use and of the process ending are left to the
# native runs.
AARCH64_SKIPS="JubjubParams.OneSharedDeterministicInstance|Concurrency.ThreadsStartingTogether|OutcomeDeathTest"

build_and_test() {  # build_and_test DIR [cmake args...]
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -DKORVO_BUILD_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j"$JOBS" >/dev/null
  ctest --test-dir "$dir" --output-on-failure -j"$JOBS" -E "${CTEST_SKIPS:-^$}" | tail -n 3
}

# Every test program of the Release build, on the older processor: a
# BMI2/ADX instruction there would stop it with an illegal instruction.
old_x86_tests() {
  local program
  for program in "$ROOT"/build-tests/tests/cpp/test_*; do
    [ -x "$program" ] || continue
    qemu-x86_64 -cpu "$OLD_X86_CPU" "$program" --gtest_brief=1 | tail -n 1
  done
}

install_packages
step "C++ tests, GCC -Og" build_and_test "$ROOT/build-og" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-Og
step "C++ tests, GCC -Os" build_and_test "$ROOT/build-os" -DCMAKE_BUILD_TYPE=MinSizeRel
step "C++ tests (Release) under QEMU on $OLD_X86_CPU, without BMI2 and ADX" old_x86_tests
CTEST_SKIPS="$AARCH64_SKIPS" step "C++ tests cross-compiled for aarch64, under QEMU" build_and_test "$ROOT/build-aarch64" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/aarch64-linux-gnu.cmake"
