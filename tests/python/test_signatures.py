"""Signing and verification, checked against the Python model of the scheme."""

import json

import pytest
from hypothesis import given, settings, strategies as st

import korvo_python_sdk as sdk
import reference_jubjub as ref

KEY_TEXT = "0x05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd"
KEY = int(KEY_TEXT, 16)


def hex64(value):
    return "0x" + format(value, "064x")


def public_pair(key_text):
    return json.loads(sdk.private_key_to_public_key_xy(key_text))


@settings(max_examples=15, deadline=None)
@given(sk=st.integers(0, ref.S - 1), message=st.integers(0, 2**256 - 1))
def test_sign_matches_the_model(sk, message):
    point, s = ref.sign(sk, message)
    signature = sdk.sign(hex64(sk), hex64(message))
    assert signature == json.dumps({"r": hex64(ref.packed(point)), "s": hex64(s)}, separators=(",", ":"))
    assert len(signature) == 147


@settings(max_examples=10, deadline=None)
@given(sk=st.integers(0, ref.S - 1))
def test_public_key_matches_the_model(sk):
    x, _ = point = ref.mul(ref.G, sk)
    assert public_pair(hex64(sk)) == {"x": hex64(ref.packed(point)), "y": hex64(x)}


class TestRoundTrip:
    message = hex64(0x1234 << 200)

    def setup_method(self):
        self.signature = json.loads(sdk.sign(KEY_TEXT, self.message))
        self.public = public_pair(KEY_TEXT)

    def verify(self, r=None, s=None, x=None, y=None, msg=None):
        return sdk.verify_signature(r or self.signature["r"], s or self.signature["s"], x or self.public["x"],
                                    self.public["y"] if y is None else y, msg or self.message)

    def test_deterministic(self):
        assert json.loads(sdk.sign(KEY_TEXT, self.message)) == self.signature

    def test_verifies_whatever_pub_key_y_holds(self):
        assert self.verify() is True
        assert self.verify(y="") is True
        assert self.verify(y="not hex at all") is True

    def test_signature_text_forms_verify(self):
        r, s = self.signature["r"], self.signature["s"]
        assert self.verify(r=r[2:], s=s[2:])
        assert self.verify(r="0X" + r[2:].upper(), s="0X" + s[2:].upper())
        assert self.verify(r="0x0x" + r[2:], s="0x0X" + s[2:])

    @pytest.mark.parametrize("bit", [0, 1, 100, 200, 255])
    def test_tampered_message_fails(self, bit):
        assert self.verify(msg=hex64(int(self.message, 16) ^ (1 << bit))) is False

    def test_other_scalar_fails(self):
        s = int(self.signature["s"], 16)
        assert self.verify(s=hex64((s + 1) % ref.S)) is False

    def test_message_taken_modulo_the_group_order(self):
        message = int(self.message, 16)
        assert self.verify(msg=hex64(message + ref.S)) is True

    def test_s_at_the_modulus_is_an_internal_failure(self, capfd):
        with pytest.raises(ValueError) as raised:
            self.verify(s=hex64(ref.S))
        assert str(raised.value) == "Any { .. }"
        assert "is not an element of the field" in capfd.readouterr().err


def test_message_zero_signs_with_s_equal_to_the_nonce():
    signature = json.loads(sdk.sign(KEY_TEXT, "0x0"))
    assert int(signature["s"], 16) == ref.nonce(KEY, bytes(32))
    public = public_pair(KEY_TEXT)
    assert sdk.verify_signature(signature["r"], signature["s"], public["x"], "", "0")


def test_sign_prefix_rules_and_error_order(capfd):
    assert sdk.sign(KEY_TEXT, "0x1") == sdk.sign(KEY_TEXT, "1")
    with pytest.raises(ValueError):
        sdk.sign(KEY_TEXT, "0X1")
    with pytest.raises(ValueError):
        sdk.sign("bad key", "0xg")
    assert "Couldn't sign msg: Invalid character 'g' at position 1" in capfd.readouterr().err.splitlines()


class TestLayerOne:
    def test_agrees_with_sign_and_the_key_pair(self):
        l1 = json.loads(sdk.eth_sign(KEY_TEXT, "0x1234"))
        plain = json.loads(sdk.sign(KEY_TEXT, "0x1234"))
        assert list(l1) == ["x", "y", "s", "pk_x", "pk_y"]
        assert all(len(v) == 66 for v in l1.values())
        assert l1["s"] == plain["s"]
        point = (int(l1["x"], 16), int(l1["y"], 16))
        assert hex64(ref.packed(point)) == plain["r"]
        assert {"x": l1["pk_x"], "y": l1["pk_y"]} == public_pair(KEY_TEXT)

    def test_accepts_upper_case_prefix_and_reports_key_first(self, capfd):
        assert json.loads(sdk.eth_sign(KEY_TEXT, "0X1234")) == json.loads(sdk.eth_sign(KEY_TEXT, "1234"))
        with pytest.raises(ValueError):
            sdk.eth_sign("zz", "0xg")
        assert "Couldn't sign msg: Invalid character 'z' at position 0" in capfd.readouterr().err.splitlines()


def test_key_text_pair_rules():
    packed = public_pair(KEY_TEXT)["x"]
    pair = json.loads(sdk.public_key_to_xy(packed.upper().replace("0X", "0x")))
    assert pair["x"] == "0x" + packed[2:].upper()
    assert pair["y"] == public_pair(KEY_TEXT)["y"]
    assert sdk.is_on_curve(packed, pair["y"]) is True
    assert sdk.is_on_curve(packed, pair["y"].upper()) is False
    small = json.loads(sdk.public_key_to_xy("0x1234"))
    assert small == {"x": "0x1234", "y": hex64(0)}
    assert sdk.is_on_curve("0x1234", hex64(0)) is True
    assert public_pair(hex64(0)) == {"x": hex64(1), "y": hex64(0)}


@settings(max_examples=5, deadline=None)
@given(s=st.integers(0, ref.S - 1), message=st.integers(0, 2**256 - 1))
def test_anyone_can_make_a_signature_that_verifies(s, message):
    """The challenge is the message alone, so R = S·G − m·A verifies under any key A without its private key."""
    victim = ref.mul(ref.G, 0x1D2C3B4A)
    minus_victim = (-victim[0] % ref.R, victim[1])
    forged_r = ref.add(ref.mul(ref.G, s), ref.mul(minus_victim, message % ref.S))
    assert sdk.verify_signature(hex64(ref.packed(forged_r)), hex64(s), hex64(ref.packed(victim)), "", hex64(message))


def test_documented_key_facts():
    """Facts the security notes state: a zero key, short packed keys, pub_key_y."""
    assert public_pair(hex64(0)) == {"x": hex64(1), "y": hex64(0)}  # the neutral point (0, 1)
    assert sdk.is_on_curve("0x05", hex64(0))  # below 2^160: taken without a curve check
    signature = json.loads(sdk.sign(KEY_TEXT, "0x7"))
    for ignored_y in ("", "not hex", hex64(12345)):
        assert sdk.verify_signature(signature["r"], signature["s"], public_pair(KEY_TEXT)["x"], ignored_y, "0x7")


ORDER = (
    '{"nonce":"1","public_key":"0x1","expiration_timestamp":"2","amount_synthetic":"3","amount_collateral":"4",'
    '"amount_fee":"5","asset_id_synthetic":"0x6","asset_id_collateral":"0x7","position_id":"8",'
    '"is_buying_synthetic":true}'
)


@pytest.mark.skipif(not hasattr(sdk, "_corrupt_signatures"),
                    reason="needs a build configured with -DKORVO_FAULT_INJECTION=ON (the mutation run's)")
@pytest.mark.parametrize("call,args", [(sdk.sign, [KEY_TEXT, "0x1"]), (sdk.sign_limit_order, [ORDER, KEY_TEXT])])
def test_a_signature_spoilt_while_signing_never_leaves(stderr_report, call, args):
    sdk._corrupt_signatures(True)
    try:
        with pytest.raises(ValueError) as raised:
            call(*args)
    finally:
        sdk._corrupt_signatures(False)
    reason = "assertion failed: a fresh signature does not verify"
    assert raised.value.args == ("Any { .. }",) and raised.value.__notes__ == [reason]
    assert stderr_report().splitlines() == ["korvo_python_sdk: internal failure", reason]
    assert json.loads(call(*args))["s"].startswith("0x")
