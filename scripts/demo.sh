#!/usr/bin/env bash
# Builds the module if needed and runs the demo.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
"$VENV/bin/python" "$ROOT/examples/demo.py"
