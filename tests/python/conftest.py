import json
import re
from pathlib import Path

import pytest

# The repository's copy of the independently computed known answers.
VECTORS = Path(__file__).resolve().parents[1] / "vectors"


def load_cases(name):
    """The cases of one file; a missing file fails the collection, never skips."""
    path = VECTORS / name
    with path.open(encoding="utf-8") as lines:
        cases = [json.loads(line) for line in lines if line.strip()]
    if not cases:
        raise ValueError(f"no known-answer cases in {path}")
    return cases


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
