"""Every known-answer case, computed independently of this code."""

import re
from pathlib import Path

import pytest

import korvo_python_sdk as sdk
from conftest import VECTORS, assert_report, load_cases

CASES = load_cases("cases.jsonl") + load_cases("binding.jsonl")


def case_id(case):
    return f"{case['fn']}:{case['tag']}"


@pytest.mark.parametrize("case", CASES, ids=[case_id(c) for c in CASES])
def test_known_answer(case, stderr_report):
    function = getattr(sdk, case["fn"])
    args, kwargs = case["args"], case.get("kwargs", {})
    err = case["err"]
    if err is None:
        result = function(*args, **kwargs)
        assert type(result) is type(case["ok"])
        assert result == case["ok"]
        return
    if err["kind"] == "type":
        with pytest.raises(TypeError) as raised:
            function(*args, **kwargs)
        assert str(raised.value) == err["report"]
    elif err["kind"] == "unicode":
        with pytest.raises(UnicodeEncodeError):
            function(*args, **kwargs)
    else:
        with pytest.raises(ValueError) as raised:
            function(*args, **kwargs)
        assert str(raised.value) == "Any { .. }"
        report = stderr_report()
        assert_report(report, err["kind"], re.escape(err["report"]) if err["exact"] else err["pattern"])


def test_copy_matches_the_shared_cases():
    """The repository's copy is refreshed from the shared folder, never edited."""
    shared = Path(__file__).resolve().parents[3] / "shared" / "vectors"
    if not shared.is_dir():
        pytest.skip("no shared folder beside this checkout")
    for name in ("cases.jsonl", "binding.jsonl"):
        assert (VECTORS / name).read_bytes() == (shared / name).read_bytes(), f"run scripts/refresh_vectors.sh ({name})"
