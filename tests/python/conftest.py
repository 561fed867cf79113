import json
import re
import threading
from pathlib import Path

import pytest
from pytest_timeout import timeout_timer

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


REPORT_HEADERS = {"error": "korvo_python_sdk: error", "internal": "korvo_python_sdk: internal failure"}


def assert_report(captured_err, kind, pattern):
    """Standard error holds exactly the failure report: the line naming its kind, then the message
    (which may span lines) matching `pattern`, and nothing else."""
    header, _, rest = captured_err.partition("\n")
    assert header == REPORT_HEADERS[kind], captured_err
    assert rest.endswith("\n") and re.fullmatch(pattern, rest[:-1]), (pattern, captured_err)


@pytest.fixture
def stderr_report(capfd):
    """Returns a function giving what was written to standard error since the last call."""

    def read():
        return capfd.readouterr().err

    read()
    return read


@pytest.hookimpl(tryfirst=True)
def pytest_timeout_set_timer(item, settings):
    """The plugin's thread method, with the test that ran over named first: its own report shows only
    the stacks, and then ends the run."""
    if settings.method != "thread":
        return None

    def expire():
        capture = item.config.pluginmanager.getplugin("capturemanager")
        if capture:
            capture.suspend(in_=True)  # a test's own capture (capfd) too, or the line would vanish into it
        item.config.get_terminal_writer().line(f"\n{item.nodeid} still running after {settings.timeout:g} s")
        timeout_timer(item, settings)

    timer = threading.Timer(settings.timeout, expire)
    timer.daemon = True

    def cancel():
        timer.cancel()
        timer.join()

    item.cancel_timeout = cancel
    timer.start()
    return True
