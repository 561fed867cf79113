#!/usr/bin/env bash
# Builds every libFuzzer target (clang, AddressSanitizer and UBSan) and runs
# each for FUZZ_SECONDS (default 25; six targets stay within three minutes),
# from its committed seeds in fuzz/corpus/<target> and the inputs earlier runs
# found in fuzz/corpus-work/<target>. Any finding stops CI.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FUZZ_SECONDS="${FUZZ_SECONDS:-25}"
TARGETS=(records numbers private_key public_key signature operations)

cmake -S "$ROOT" -B "$ROOT/build-fuzz" -DKORVO_BUILD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$ROOT/build-fuzz" -j2 --target "${TARGETS[@]/#/fuzz_}" >/dev/null

for target in "${TARGETS[@]}"; do
  echo "== Fuzzing $target for ${FUZZ_SECONDS}s"
  work="$ROOT/fuzz/corpus-work/$target"
  mkdir -p "$work"
  dict=()
  # The operations take requests too, so they share the request words.
  case "$target" in records | operations) dict=(-dict="$ROOT/fuzz/records.dict") ;; esac
  log="$ROOT/fuzz/corpus-work/$target.log"
  if ! "$ROOT/build-fuzz/fuzz/fuzz_$target" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 "${dict[@]}" \
      -artifact_prefix="$ROOT/fuzz/corpus-work/$target-" "$work" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$target found a fault; the input is in fuzz/corpus-work" >&2
    exit 1
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec)" "$log"
done
