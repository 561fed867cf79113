"""The stub package against the installed module, and the typed package korvo: mypy, pyright and
stubtest.

Runs where mypy, pyright and stubtest are installed (scripts/check_wheel.sh
installs them beside the wheel).
"""

import re
import subprocess
import sys
from pathlib import Path

import pytest

import korvo

ROOT = Path(__file__).resolve().parents[2]
WRONG_CALLS = [Path(__file__).with_name("wrong_calls.py"), Path(__file__).with_name("wrong_typed_calls.py")]


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, cwd=ROOT)


def expected_error_lines(path):
    lines = path.read_text(encoding="utf-8").splitlines()
    return {number for number, line in enumerate(lines, 1) if "# expect-error" in line}


def test_mypy_strict_accepts_the_examples_and_the_package():
    for target in (["examples"], ["-p", "korvo"]):
        result = run(sys.executable, "-m", "mypy", "--strict", *target)
        assert result.returncode == 0, result.stdout + result.stderr


@pytest.mark.parametrize("wrong_calls", WRONG_CALLS, ids=lambda path: path.name)
def test_mypy_rejects_each_wrong_call(wrong_calls):
    result = run(sys.executable, "-m", "mypy", "--strict", str(wrong_calls))
    flagged = {int(n) for n in re.findall(rf"{wrong_calls.name}:(\d+): error", result.stdout)}
    assert flagged == expected_error_lines(wrong_calls), result.stdout


def test_pyright_accepts_the_examples_and_the_package():
    package = Path(korvo.__file__).parent
    result = run(sys.executable, "-m", "pyright", "--pythonpath", sys.executable, "examples", str(package))
    assert result.returncode == 0, result.stdout + result.stderr


@pytest.mark.parametrize("wrong_calls", WRONG_CALLS, ids=lambda path: path.name)
def test_pyright_rejects_each_wrong_call(wrong_calls):
    result = run(sys.executable, "-m", "pyright", "--pythonpath", sys.executable, str(wrong_calls))
    flagged = {int(n) for n in re.findall(rf"{wrong_calls.name}:(\d+):\d+ - error", result.stdout)}
    assert flagged == expected_error_lines(wrong_calls), result.stdout


def test_stubtest_finds_no_difference():
    result = run(sys.executable, "-m", "mypy.stubtest", "korvo_python_sdk")
    assert result.returncode == 0, result.stdout + result.stderr


def test_the_typed_package_is_installed_beside_the_extension_and_marked_typed():
    import korvo_python_sdk

    package = Path(korvo.__file__).parent
    assert (package / "py.typed").is_file()
    assert package.parent == Path(korvo_python_sdk.__file__).parent
