#!/usr/bin/env bash
# The C++ tests of threads starting together (reading the shared parameter
# tables, and running the whole API) under ThreadSanitizer: what a
# free-threaded interpreter runs at once, the module reaches only through
# these paths.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DIR="$ROOT/build-tsan"
cmake -S "$ROOT" -B "$DIR" -DKORVO_BUILD_TESTS=ON -DKORVO_BUILD_CLI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build "$DIR" -j2 --target test_sdk test_curve >/dev/null
# ThreadSanitizer's shadow memory needs the fixed layout of an address space
# without randomisation; any report fails the run.
export TSAN_OPTIONS="halt_on_error=1 exitcode=66"
setarch "$(uname -m)" -R "$DIR/tests/cpp/test_sdk" --gtest_filter='Concurrency.*' --gtest_brief=1
setarch "$(uname -m)" -R "$DIR/tests/cpp/test_curve" --gtest_filter='JubjubParams.OneSharedDeterministicInstance' --gtest_brief=1
