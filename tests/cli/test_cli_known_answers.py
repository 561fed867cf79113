"""The installed korvo tool reproduces the module's known answers, through every input road."""

import json

import pytest

from tool_cases import korvo, case_id, expected_kind, load_cases, matches_report

KINDS = {
    "withdraw": "withdraw",
    "transfer": "transfer",
    "limit_order": "limit-order",
    "liquidate": "liquidate",
    "signed_oracle_price": "oracle-price",
}
HASHES = {f"hash_{name}": kind for name, kind in KINDS.items()}
SIGNS = {f"sign_{name}": kind for name, kind in KINDS.items()}

HASH_CASES = load_cases("cases.jsonl", HASHES)
SIGN_CASES = load_cases("cases.jsonl", SIGNS)
SEED_CASES = load_cases("cases.jsonl", {"private_key_from_seed"})
PUBLIC_CASES = load_cases("cases.jsonl", {"private_key_to_public_key_xy"})
CURVE_CASES = load_cases("cases.jsonl", {"is_on_curve"})
VERIFY_CASES = load_cases("cases.jsonl", {"verify_signature"})


def ids(cases):
    return [case_id(c) for c in cases]


def key_digits(key):
    while key.startswith("0x"):
        key = key[2:]
    return key.lower()


def assert_failure(result, err, secret=None):
    """Exit 2 (error) or 3 (internal failure), nothing on stdout, the report's message and kind as a JSON
    failure, and no key digits."""
    assert result.returncode == {"error": 2, "internal": 3}[err["kind"]], result
    assert result.stdout == b""
    failure = json.loads(result.stderr)["error"]
    assert failure["kind"] == expected_kind(err)
    assert matches_report(err, failure["message"]), (err["pattern"], failure["message"])
    digits = key_digits(secret or "")
    if len(digits) >= 16:
        assert digits not in result.stderr.decode(errors="replace").lower()


def assert_printed(result, expected):
    assert result.returncode == 0, result.stderr
    assert result.stdout.decode() == expected + "\n"
    assert result.stderr == b""


def assert_outcome(result, case, printed, secret=None):
    """The case's result as `printed` shows it, or its failure."""
    if case["err"] is None:
        assert_printed(result, printed)
    else:
        assert_failure(result, case["err"], secret)


@pytest.mark.parametrize("case", HASH_CASES, ids=ids(HASH_CASES))
def test_hash_from_standard_input(korvo, case):
    result = korvo("hash", HASHES[case["fn"]], "--json", stdin=case["args"][0])
    assert_outcome(result, case, json.dumps({"hash": case["ok"]}, separators=(",", ":")))


@pytest.mark.parametrize("case", [c for c in HASH_CASES if c["err"] is None][::3])
def test_hash_from_file_prints_plain_text(korvo, case, tmp_path):
    request = tmp_path / "request.json"
    request.write_text(case["args"][0], encoding="utf-8")
    assert_printed(korvo("hash", HASHES[case["fn"]], str(request)), case["ok"])


@pytest.mark.parametrize("case", SIGN_CASES, ids=ids(SIGN_CASES))
def test_sign_with_key_in_environment(korvo, case):
    request, key = case["args"]
    result = korvo("sign", SIGNS[case["fn"]], "-", "--json", stdin=request, key=key)
    assert_outcome(result, case, case["ok"], secret=key)


@pytest.mark.parametrize("case", SIGN_CASES[::4], ids=ids(SIGN_CASES[::4]))
def test_sign_with_key_file(korvo, case, tmp_path):
    request, key = case["args"]
    key_file = tmp_path / "key"
    # The key file may end in a line break, as editors leave it.
    key_file.write_text(key + "\n", encoding="utf-8")
    key_file.chmod(0o600)
    result = korvo("sign", SIGNS[case["fn"]], "--key-file", str(key_file), "--json", stdin=request,
                   key="0xnot-this-one")
    assert_outcome(result, case, case["ok"], secret=key)


@pytest.mark.parametrize("case", SEED_CASES, ids=ids(SEED_CASES))
def test_key_from_seed(korvo, case):
    seed = case["args"][0].encode()
    results = [korvo("key", "from-seed", "--json", stdin=seed),
               korvo("key", "from-seed", "--json", stdin=seed + b"\n")]
    for result in results:
        assert_outcome(result, case, json.dumps({"private_key": case["ok"]}, separators=(",", ":")))


@pytest.mark.parametrize("case", PUBLIC_CASES, ids=ids(PUBLIC_CASES))
def test_key_public(korvo, case):
    key = case["args"][0]
    result = korvo("key", "public", "--json", key=key)
    assert_outcome(result, case, case["ok"], secret=key)


@pytest.mark.parametrize("case", CURVE_CASES, ids=ids(CURVE_CASES))
def test_key_on_curve(korvo, case):
    result = korvo("key", "on-curve", "--", *case["args"])
    if case["err"] is not None:
        result = korvo("key", "on-curve", "--json", "--", *case["args"])
        assert_failure(result, case["err"])
        return
    assert result.returncode == (0 if case["ok"] else 1)
    assert result.stdout == (b"true\n" if case["ok"] else b"false\n")


@pytest.mark.parametrize("case", VERIFY_CASES, ids=ids(VERIFY_CASES))
def test_verify(korvo, case):
    r, s, x, _, message = case["args"]
    result = korvo("verify", "--r", r, "--s", s, "--public-key", x, "--message", message, "--json")
    if case["err"] is not None:
        assert_failure(result, case["err"])
        return
    assert result.returncode == (0 if case["ok"] else 1), result.stderr
    assert json.loads(result.stdout) == {"valid": case["ok"]}
