#!/usr/bin/env bash
# Builds and runs every benchmark: the C++ ones in bench/*.cpp, the
# per-call times of the Python functions, the typed package against them,
# their throughput from threads, and the korvo tool's JSON-lines mode against
# one process per order.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$ROOT/build-bench" -DKORVO_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$ROOT/build-bench" -j2 >/dev/null
for program in "$ROOT"/build-bench/bench/bench_*; do
  echo "== $(basename "$program")"
  "$program"
done
echo "== Python functions"
"$VENV/bin/python" "$ROOT/bench/bench_python.py"
echo "== The typed package against the raw functions"
"$VENV/bin/python" "$ROOT/bench/bench_typed.py"
echo "== Python threads"
"$VENV/bin/python" "$ROOT/bench/bench_threads.py"
echo "== The korvo tool: JSON-lines mode against one process per order"
"$VENV/bin/python" "$ROOT/bench/bench_cli_lines.py" "$ROOT/build-bench/cli/korvo"
