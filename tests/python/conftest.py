import json
import os
import re
from pathlib import Path

import pytest

VECTORS = Path(__file__).resolve().parents[2].parent / "shared" / "vectors"


def load_cases(name):
    path = VECTORS / name
    if not path.exists():
        if os.environ.get("CI"):
            raise FileNotFoundError(f"known-answer cases missing in CI: {path}")
        return []
    with path.open(encoding="utf-8") as lines:
        return [json.loads(line) for line in lines if line.strip()]


def report_lines(captured_err):
    return captured_err.splitlines()


def assert_report(captured_err, pattern):
    """The failure report on standard error has a line matching `pattern`."""
    regex = re.compile(pattern)
    lines = report_lines(captured_err)
    assert any(regex.fullmatch(line) for line in lines), (pattern, captured_err)


@pytest.fixture
def stderr_report(capfd):
    """Returns a function giving what was written to standard error since the last call."""

    def read():
        return capfd.readouterr().err

    read()
    return read
