"""Every valid known answer through the typed path: read with from_json, hashed and signed by the
package, and read back from its own text."""

import json

import pytest

import korvo
from conftest import load_cases

CASES = load_cases("cases.jsonl")
KINDS = {
    "withdraw": korvo.Withdraw,
    "transfer": korvo.Transfer,
    "limit_order": korvo.LimitOrder,
    "liquidate": korvo.Liquidate,
    "signed_oracle_price": korvo.SignedOraclePrice,
}


def valid(prefix):
    return [c for c in CASES if c["err"] is None and c["fn"].startswith(prefix) and c["fn"][len(prefix):] in KINDS]


def ids(cases):
    return [f"{c['fn']}:{c['tag']}:{i}" for i, c in enumerate(cases)]


def u256(text):
    digits = text[2:] if text.startswith("0x") else text
    return int(digits or "0", 16)


HASHES = valid("hash_")
SIGNATURES = valid("sign_")


def test_every_kind_has_valid_cases():
    assert {c["fn"][5:] for c in HASHES} == set(KINDS) == {c["fn"][5:] for c in SIGNATURES}


@pytest.mark.parametrize("case", HASHES, ids=ids(HASHES))
def test_hash_of_the_request_read(case):
    request = KINDS[case["fn"][5:]].from_json(case["args"][0], strict=False)
    assert request.hash() == case["ok"]
    # Its own text reads back as the same request and hashes alike.
    again = type(request).from_json(request.to_json(), strict=False)
    assert again == request and again.hash() == case["ok"]
    assert korvo.hash_many([request, again]) == [case["ok"]] * 2


@pytest.mark.parametrize("case", SIGNATURES, ids=ids(SIGNATURES))
def test_signature_of_the_request_read(case):
    text, key_text = case["args"]
    request = KINDS[case["fn"][5:]].from_json(text, strict=False)
    key = korvo.PrivateKey.from_hex(key_text)
    signature = key.sign(request)
    assert signature.to_json() == case["ok"]
    assert request.sign(key) == signature == korvo.Signature.from_json(case["ok"])
    assert key.sign_many([request, request]) == [signature, signature]
    assert korvo.verify(signature, key.public_key, int(request.hash(), 16))


def cases_of(fn):
    found = [c for c in CASES if c["fn"] == fn and c["err"] is None]
    assert found, fn
    return found


@pytest.mark.parametrize("case", cases_of("sign"), ids=ids(cases_of("sign")))
def test_sign_message(case):
    key_text, msg = case["args"]
    assert korvo.PrivateKey.from_hex(key_text).sign_message(u256(msg)).to_json() == case["ok"]


@pytest.mark.parametrize("case", cases_of("eth_sign"), ids=ids(cases_of("eth_sign")))
def test_eth_sign(case):
    key_text, msg = case["args"]
    assert korvo.PrivateKey.from_hex(key_text).eth_sign(u256(msg)).to_json() == case["ok"]


@pytest.mark.parametrize("case", cases_of("private_key_to_public_key_xy"),
                         ids=ids(cases_of("private_key_to_public_key_xy")))
def test_public_key_of_a_private_key(case):
    assert korvo.PrivateKey.from_hex(case["args"][0]).public_key.to_json() == case["ok"]


@pytest.mark.parametrize("case", cases_of("public_key_to_xy"), ids=ids(cases_of("public_key_to_xy")))
def test_public_key_from_packed(case):
    pair = json.loads(case["ok"])
    key = korvo.PublicKey.from_packed(u256(case["args"][0]))
    assert (key.packed, key.x) == (u256(pair["x"]), u256(pair["y"]))


@pytest.mark.parametrize("case", cases_of("private_key_from_seed"), ids=ids(cases_of("private_key_from_seed")))
def test_key_from_seed(case):
    assert korvo.PrivateKey.from_seed(case["args"][0]).public_key == korvo.PrivateKey.from_hex(case["ok"]).public_key


@pytest.mark.parametrize("case", cases_of("verify_signature"), ids=ids(cases_of("verify_signature")))
def test_verify(case):
    r, s, packed, _, msg = case["args"]
    signature = korvo.Signature(u256(r), u256(s))
    assert korvo.verify(signature, korvo.PublicKey.from_packed(u256(packed)), u256(msg)) is case["ok"]
