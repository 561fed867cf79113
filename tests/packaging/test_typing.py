"""The stub package against the installed module: mypy, pyright and stubtest.

Runs where mypy, pyright and stubtest are installed (scripts/check_wheel.sh
installs them beside the wheel).
"""

import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WRONG_CALLS = Path(__file__).with_name("wrong_calls.py")


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, cwd=ROOT)


def expected_error_lines():
    lines = WRONG_CALLS.read_text(encoding="utf-8").splitlines()
    return {number for number, line in enumerate(lines, 1) if "# expect-error" in line}


def test_mypy_strict_accepts_the_examples():
    result = run(sys.executable, "-m", "mypy", "--strict", "examples")
    assert result.returncode == 0, result.stdout + result.stderr


def test_mypy_rejects_each_wrong_call():
    result = run(sys.executable, "-m", "mypy", "--strict", str(WRONG_CALLS))
    flagged = {int(n) for n in re.findall(r"wrong_calls\.py:(\d+): error", result.stdout)}
    assert flagged == expected_error_lines(), result.stdout


def test_pyright_accepts_the_examples():
    result = run(sys.executable, "-m", "pyright", "--pythonpath", sys.executable, "examples")
    assert result.returncode == 0, result.stdout + result.stderr


def test_pyright_rejects_each_wrong_call():
    result = run(sys.executable, "-m", "pyright", "--pythonpath", sys.executable, str(WRONG_CALLS))
    flagged = {int(n) for n in re.findall(r"wrong_calls\.py:(\d+):\d+ - error", result.stdout)}
    assert flagged == expected_error_lines(), result.stdout


def test_stubtest_finds_no_difference():
    result = run(sys.executable, "-m", "mypy.stubtest", "korvo_python_sdk")
    assert result.returncode == 0, result.stdout + result.stderr
