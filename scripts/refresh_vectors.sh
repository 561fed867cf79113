#!/usr/bin/env bash
# Refreshes the repository's copy of the known-answer cases from the shared folder.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SOURCE="${1:-$ROOT/../shared/vectors}"
for name in cases.jsonl binding.jsonl; do
  install -m 644 "$SOURCE/$name" "$ROOT/tests/vectors/$name"
done
git -C "$ROOT" diff --stat -- tests/vectors
