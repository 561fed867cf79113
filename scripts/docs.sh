#!/usr/bin/env bash
# Builds the documentation site into docs/_build/html from the pages under
# docs/ and the module's docstrings. Every warning is an error and every
# cross-reference must resolve (nitpicky); first every example on the site runs
# as a doctest against the installed module: the one in .venv, or the one of
# the interpreter given (a fresh environment with a wheel installed, say).
#   bash scripts/docs.sh [PYTHON]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
PYTHON="${1:-$VENV/bin/python}"
DOCS="$ROOT/docs"
"$PYTHON" -m pip install -q -r "$DOCS/requirements.txt"

# A Python example that is not a doctest would never run.
if grep -rnE '^\s*\.\. +(code-block|code|sourcecode|highlight)::\s*(python|py|pycon|python3)\s*$' "$DOCS" --include='*.rst'; then
  echo "docs: write Python examples as doctests, so that they run" >&2
  exit 1
fi

# Built afresh each time, so nothing read under an earlier configuration stays.
rm -rf "$DOCS/_build"
sphinx() {  # sphinx BUILDER
  "$PYTHON" -m sphinx -b "$1" -W --keep-going -n -q -d "$DOCS/_build/doctrees" "$DOCS" "$DOCS/_build/$1"
}
echo "docs: running the examples (the error example writes its failure report to standard error)"
sphinx doctest
sphinx html
echo "docs: $DOCS/_build/html/index.html"
