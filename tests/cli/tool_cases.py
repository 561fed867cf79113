"""The installed korvo tool and the known-answer cases, for the tool and C++ package tests.

Not a conftest: the Python tests beside this folder import theirs by that name.
"""

import json
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

import pytest

TESTS = Path(__file__).resolve().parents[1]


def load_cases(name, functions):
    """Known-answer cases of the given module functions, from the repository's copy; a missing file fails."""
    with (TESTS / "vectors" / name).open(encoding="utf-8") as lines:
        cases = [json.loads(line) for line in lines if line.strip()]
    return [c for c in cases if c["fn"] in functions]


def case_id(case):
    return f"{case['fn']}:{case['tag']}"


def expected_kind(err):
    return {"error": "error", "internal": "internal failure"}[err["kind"]]


def matches_report(err, message):
    if err["exact"] and message != err["report"]:
        return False
    return re.fullmatch(err["pattern"], message) is not None


def find_tool():
    """KORVO_CLI, else the korvo installed beside this interpreter (pip), else PATH."""
    if os.environ.get("KORVO_CLI"):
        return os.environ["KORVO_CLI"]
    beside = Path(sys.executable).parent / "korvo"
    return str(beside) if beside.exists() else shutil.which("korvo")


@pytest.fixture(scope="session")
def korvo():
    tool = find_tool()
    assert tool, "the korvo tool is not installed (set KORVO_CLI or pip install the package)"

    def run(*args, stdin=b"", key=None, env=None):
        environment = {k: v for k, v in os.environ.items() if k != "KORVO_PRIVATE_KEY"}
        if key is not None:
            environment["KORVO_PRIVATE_KEY"] = key
        environment.update(env or {})
        if isinstance(stdin, str):
            stdin = stdin.encode()
        return subprocess.run([tool, *args], input=stdin, capture_output=True, env=environment, timeout=60)

    return run
