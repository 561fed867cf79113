"""Every failing known answer, called through the package's private path: one error class each, the
report's kind and message line as its attributes, and nothing written to standard error."""

import re

import pytest

import korvo
from korvo import _native
from conftest import load_cases

FAILURES = [c for c in load_cases("cases.jsonl") if c["err"] and c["err"]["kind"] in ("error", "internal")]
KEY_FUNCTIONS = {"private_key_from_seed", "public_key_to_xy", "private_key_to_public_key_xy", "is_on_curve"}
SIGNATURE_TAGS = {"verify/bad-r", "verify/bad-s", "verify/bad-everything"}


def reads_as_u256(text):
    digits = text[2:] if text.startswith("0x") else text
    return len(digits) <= 64 and re.fullmatch("[0-9a-fA-F]*", digits) is not None


def expected_class(case):
    """The class from what the case breaks (its tag and arguments) and the order in which each
    function reads its arguments, not from the reason."""
    fn, tag, args = case["fn"], case["tag"], case["args"]
    if fn in KEY_FUNCTIONS:
        return korvo.InvalidKeyError
    if fn == "verify_signature":  # the signature first, then the message, then the key
        if tag in SIGNATURE_TAGS:
            return korvo.InvalidKeyError
        return korvo.InvalidKeyError if reads_as_u256(args[4]) else korvo.RequestError
    if fn == "sign":  # the message before the key
        return korvo.InvalidKeyError if reads_as_u256(args[1]) else korvo.RequestError
    if fn == "eth_sign":  # the key before the message
        return korvo.RequestError if tag == "eth_sign/msg" else korvo.InvalidKeyError
    # A request function: its text is read before the key.
    return korvo.InvalidKeyError if tag.endswith("/bad-key") or tag == "keys/bad" else korvo.RequestError


@pytest.mark.parametrize("case", FAILURES, ids=[f"{c['fn']}:{c['tag']}:{i}" for i, c in enumerate(FAILURES)])
def test_each_failure_maps_to_one_class(case, capfd):
    with pytest.raises(korvo.Error) as raised:
        _native.call(case["fn"], *case["args"])
    error = raised.value
    assert type(error) is expected_class(case)
    assert isinstance(error, ValueError)
    assert error.function == case["fn"]
    assert error.kind == {"error": "error", "internal": "internal failure"}[case["err"]["kind"]]
    pattern = re.escape(case["err"]["report"]) if case["err"]["exact"] else case["err"]["pattern"]
    assert re.fullmatch(pattern, error.reason)
    named = re.search(r"(?:missing|duplicate) field `([^`]*)`", error.reason)
    if type(error) is korvo.RequestError and named:
        assert error.field == named.group(1)
    assert capfd.readouterr().err == ""


def test_negative_synthetic_names_its_field():
    case = next(c for c in FAILURES if c["tag"] == "limit_order/negative-synthetic")
    with pytest.raises(korvo.RequestError) as raised:
        _native.call(case["fn"], *case["args"])
    assert raised.value.field == "asset_id_synthetic" and raised.value.kind == "internal failure"


def test_an_unknown_failure_is_an_internal_failure():
    error = korvo._errors.error_from_failure("sign_withdraw", "internal failure", "the fresh signature fails")
    assert type(error) is korvo.InternalFailure


def test_raw_reports_can_be_turned_off_and_on(capfd):
    import korvo_python_sdk as sdk

    try:
        korvo.set_failure_reports(False)
        with pytest.raises(ValueError):
            sdk.hash_withdraw("{}")
        assert capfd.readouterr().err == ""
    finally:
        korvo.set_failure_reports(True)
    with pytest.raises(ValueError):
        sdk.hash_withdraw("{}")
    assert "missing field `position_id`" in capfd.readouterr().err
    with pytest.raises(TypeError):
        korvo.set_failure_reports(0)  # type: ignore[arg-type]


def test_switching_reports_from_threads_leaves_them_on(capfd):
    import threading

    def flip():
        for _ in range(2000):
            korvo.set_failure_reports(False)
            korvo.set_failure_reports(True)

    threads = [threading.Thread(target=flip) for _ in range(4)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    import korvo_python_sdk as sdk

    with pytest.raises(ValueError):
        sdk.hash_withdraw("{}")
    assert "missing field" in capfd.readouterr().err
