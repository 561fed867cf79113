#!/usr/bin/env bash
# Prepares this machine for the SDK: Debian packages, a Python 3.12+ virtual
# environment in .venv, and the module built and installed into it.
# Safe to run again; sourced by demo.sh and test.sh.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VENV="$ROOT/.venv"
# Scripts started by a script that has already set up share its set-up.
[ "${KORVO_SETUP_DONE:-}" = "$ROOT" ] && return 0
DEB_PACKAGES=(build-essential cmake pkg-config libssl-dev libb2-dev nlohmann-json3-dev libgtest-dev
              clang libclang-rt-14-dev valgrind)

install_debian_packages() {
  local missing=()
  for p in "${DEB_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}

find_python() {
  local candidates=(python3.13 python3.12 python3)
  local root
  if root="$(pyenv root 2>/dev/null)"; then
    candidates+=("$root"/versions/3.1[2-9]*/bin/python3)
  fi
  for c in "${candidates[@]}"; do
    if "$c" -c 'import sys; sys.exit(sys.version_info < (3, 12))' >/dev/null 2>&1; then
      command -v "$c" 2>/dev/null || echo "$c"
      return
    fi
  done
  echo "No Python 3.12 or later found" >&2
  return 1
}

install_debian_packages
if [ ! -x "$VENV/bin/python" ]; then
  "$(find_python)" -m venv "$VENV"
fi
"$VENV/bin/python" -m pip install -q --upgrade pip
"$VENV/bin/python" -m pip install -q "$ROOT[test]"
export KORVO_SETUP_DONE="$ROOT"
