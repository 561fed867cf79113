"""The rules the docstrings state, each tried on the module: which text forms each parameter accepts,
when a check raises rather than answers False, and which request fields the signature leaves out."""

import json

import pytest

import korvo_python_sdk as sdk

ORDER_L = 0x060C89CE5C263405370A08B6D0302B0BAB3EEDB83920EE0A677297DC392126F1
KEY_TEXT = sdk.private_key_from_seed("a" * 32)
# Its public key's x coordinate has a leading zero digit.
DIGITS = KEY_TEXT[2:]
PUBLIC = json.loads(sdk.private_key_to_public_key_xy(KEY_TEXT))


def hex64(value):
    return "0x" + format(value, "064x")


def raises_value_error(call, *args):
    try:
        call(*args)
    except ValueError:
        return True
    return False


WITHDRAW = {"nonce": "1", "public_key": "0x1", "expiration_timestamp": "2", "position_id": "3", "amount": "4",
            "eth_address": "0x5", "asset_id": "0x6"}
TRANSFER = {"nonce": "1", "public_key": "0x1", "expiration_timestamp": "2", "sender_position_id": "3",
            "receiver_public_key": "0x7", "receiver_position_id": "4", "amount": "5", "asset_id": "0x6"}
ORDER = {"nonce": "1", "public_key": "0x1", "expiration_timestamp": "2", "amount_synthetic": "3",
         "amount_collateral": "4", "amount_fee": "5", "asset_id_synthetic": "0x6", "asset_id_collateral": "0x7",
         "position_id": "8", "is_buying_synthetic": True}
LIQUIDATE = {"liquidator_order": ORDER, "liquidated_position_id": "9", "actual_collateral": "10",
             "actual_synthetic": "11", "actual_liquidator_fee": "12"}
ORACLE = {"signer_key": "0x1", "external_price": "100", "timestamp": "2", "signed_asset_id": "0x3"}

KINDS = {
    "withdraw": (sdk.hash_withdraw, sdk.sign_withdraw, WITHDRAW),
    "transfer": (sdk.hash_transfer, sdk.sign_transfer, TRANSFER),
    "limit_order": (sdk.hash_limit_order, sdk.sign_limit_order, ORDER),
    "liquidate": (sdk.hash_liquidate, sdk.sign_liquidate, LIQUIDATE),
    "signed_oracle_price": (sdk.hash_signed_oracle_price, sdk.sign_signed_oracle_price, ORACLE),
}

# Every function that takes a private key, as a call of the key alone.
KEY_CALLS = {
    "sign_withdraw": lambda key: sdk.sign_withdraw(json.dumps(WITHDRAW), key),
    "sign_transfer": lambda key: sdk.sign_transfer(json.dumps(TRANSFER), key),
    "sign_limit_order": lambda key: sdk.sign_limit_order(json.dumps(ORDER), key),
    "sign_liquidate": lambda key: sdk.sign_liquidate(json.dumps(LIQUIDATE), key),
    "sign_signed_oracle_price": lambda key: sdk.sign_signed_oracle_price(json.dumps(ORACLE), key),
    "sign": lambda key: sdk.sign(key, "0x1"),
    "eth_sign": lambda key: sdk.eth_sign(key, "0x1"),
    "private_key_to_public_key_xy": sdk.private_key_to_public_key_xy,
}


@pytest.mark.parametrize("name", KEY_CALLS)
def test_private_key_text_rules(name):
    """64 digits of either case behind any number of lower-case 0x, below L; 0X and 63 digits are refused."""
    call = KEY_CALLS[name]
    expected = call(KEY_TEXT)
    for form in (DIGITS, "0x0x" + DIGITS, "0x" + DIGITS.upper()):
        assert call(form) == expected, form
    for refused in ("0X" + DIGITS, "0x0X" + DIGITS, "0x" + DIGITS[1:], hex64(ORDER_L)):
        assert raises_value_error(call, refused), refused
    call(hex64(ORDER_L - 1))
    call(hex64(0))


def test_private_key_zero_gives_the_neutral_point():
    assert json.loads(sdk.private_key_to_public_key_xy(hex64(0)))["x"] == hex64(1)


class TestMessageText:
    """sign reads its message strictly (one lower-case 0x); eth_sign removes 0x and 0X prefixes first."""

    @pytest.mark.parametrize("form", ["0X1", "0x0x1", "0X0X1", "0x0X1"])
    def test_sign_refuses_what_eth_sign_accepts(self, form):
        assert raises_value_error(sdk.sign, KEY_TEXT, form)
        assert sdk.eth_sign(KEY_TEXT, form) == sdk.eth_sign(KEY_TEXT, "1")

    def test_upper_case_digits_and_the_empty_text(self):
        assert sdk.sign(KEY_TEXT, "0xABC") == sdk.sign(KEY_TEXT, "abc")
        assert sdk.sign(KEY_TEXT, "") == sdk.sign(KEY_TEXT, "0")
        assert sdk.eth_sign(KEY_TEXT, "") == sdk.eth_sign(KEY_TEXT, "0")
        for call in (sdk.sign, sdk.eth_sign):
            assert raises_value_error(call, KEY_TEXT, "1" * 65)

    def test_eth_sign_pk_x_is_the_packed_key(self):
        """pk_x is the packed key and pk_y the point's x coordinate, not the point's two coordinates."""
        layer1 = json.loads(sdk.eth_sign(KEY_TEXT, "0x1"))
        assert (layer1["pk_x"], layer1["pk_y"]) == (PUBLIC["x"], PUBLIC["y"])
        assert sdk.is_on_curve(layer1["pk_x"], layer1["pk_y"])


class TestVerifySignature:
    message = hex64(0xABCDEF << 100)

    def setup_method(self):
        self.signature = json.loads(sdk.sign(KEY_TEXT, self.message))

    def verify(self, r=None, s=None, x=None, msg=None):
        return sdk.verify_signature(r or self.signature["r"], s or self.signature["s"], x or PUBLIC["x"], "",
                                    msg or self.message)

    def test_key_and_message_take_one_lower_case_prefix_only(self):
        short_key = "0x" + PUBLIC["x"][2:].lstrip("0")
        assert self.verify(x=short_key.replace("0x", "")) is True
        assert self.verify(msg="0x" + self.message[2:].upper()) is True
        for refused in ("0X", "0x0x"):
            assert raises_value_error(self.verify, None, None, refused + short_key[2:])
            assert raises_value_error(self.verify, None, None, None, refused + self.message[2:].lstrip("0"))

    def test_message_is_taken_modulo_the_group_order(self):
        assert self.verify(msg=hex64(int(self.message, 16) + ORDER_L)) is True
        assert self.verify(msg=hex64(int(self.message, 16) + 1)) is False

    def test_s_at_or_above_the_group_order_raises_below_it_answers(self):
        assert self.verify(s=hex64(ORDER_L - 1)) is False
        for s in (ORDER_L, ORDER_L + 1, 2**256 - 1):
            assert raises_value_error(self.verify, None, hex64(s))

    def test_points_that_do_not_decompress_raise(self):
        not_a_point = hex64(2**254 + 7)  # above the field prime in its low 255 bits
        assert raises_value_error(self.verify, not_a_point)
        assert raises_value_error(self.verify, None, None, not_a_point)
        assert raises_value_error(self.verify, None, None, "0x1234")  # below 2^160: (0, 0x1234) is off the curve


class TestIsOnCurve:
    """is_on_curve compares y as text with the 64 lower-case digits public_key_to_xy gives; y is never parsed."""

    def test_only_the_exact_text_is_true(self):
        y = PUBLIC["y"]
        assert sdk.is_on_curve(PUBLIC["x"], y) is True
        assert sdk.is_on_curve("0X" + PUBLIC["x"][2:].upper(), "0X0X" + y[2:]) is True
        assert sdk.is_on_curve(PUBLIC["x"], "0x" + y[2:].upper()) is False
        assert y[2] == "0"
        assert sdk.is_on_curve(PUBLIC["x"], "0x" + y[3:]) is False  # the same number without its leading zero

    def test_y_that_is_not_hex_gives_false_not_an_error(self):
        assert sdk.is_on_curve(PUBLIC["x"], "not hex at all") is False
        assert sdk.is_on_curve(PUBLIC["x"], "") is False

    def test_x_is_parsed_and_must_be_a_point(self):
        assert raises_value_error(sdk.is_on_curve, "0xzz", PUBLIC["y"])
        assert raises_value_error(sdk.is_on_curve, hex64(2**254 + 7), PUBLIC["y"])


def test_public_key_to_xy_returns_the_callers_digits():
    digits = PUBLIC["x"][2:]
    for given, returned in (("0X" + digits.upper(), "0x" + digits.upper()),
                            ("0x0x" + digits.lstrip("0"), "0x" + digits.lstrip("0")),
                            (digits, PUBLIC["x"])):
        assert json.loads(sdk.public_key_to_xy(given)) == {"x": returned, "y": PUBLIC["y"]}


@pytest.mark.parametrize("kind", KINDS)
def test_unknown_keys_are_ignored(kind):
    hash_request, _, request = KINDS[kind]
    assert hash_request(json.dumps({**request, "memo": "hi", "nonse": "2"})) == hash_request(json.dumps(request))


def with_order(**changes):
    return {**LIQUIDATE, "liquidator_order": {**ORDER, **changes}}


# For each kind, changes to fields the signature does not cover. The withdrawal's public_key counts only as
# whether it equals eth_address.
UNSIGNED_CHANGES = [
    ("withdraw", {"public_key": "0x9"}),
    ("transfer", {"receiver_public_key": "0x" + "cd" * 32}),
    ("transfer", {"public_key": "0x9"}),
    ("limit_order", {"public_key": "0x9"}),
    ("liquidate", {"liquidated_position_id": "1", "actual_collateral": "2", "actual_synthetic": "3",
                   "actual_liquidator_fee": "4"}),
    ("liquidate", with_order(public_key="0x9")),
    ("signed_oracle_price", {"signer_key": "0x9"}),
]


@pytest.mark.parametrize("kind,changes", UNSIGNED_CHANGES, ids=[f"{k}-{'-'.join(c)}" for k, c in UNSIGNED_CHANGES])
def test_fields_outside_the_signature(kind, changes):
    hash_request, sign_request, request = KINDS[kind]
    changed = json.dumps({**request, **changes})
    assert hash_request(changed) == hash_request(json.dumps(request))
    signature = json.loads(sign_request(json.dumps(request), KEY_TEXT))
    assert sdk.verify_signature(signature["r"], signature["s"], PUBLIC["x"], "", hash_request(changed))


def test_withdraw_public_key_counts_as_equal_to_eth_address_or_not():
    same = {**WITHDRAW, "public_key": WITHDRAW["eth_address"]}
    assert sdk.hash_withdraw(json.dumps(same)) != sdk.hash_withdraw(json.dumps(WITHDRAW))
    # Equal, the two can be changed together.
    both_changed = {**WITHDRAW, "public_key": "0x99", "eth_address": "0x99"}
    assert sdk.hash_withdraw(json.dumps(both_changed)) == sdk.hash_withdraw(json.dumps(same))


@pytest.mark.parametrize("kind,wide,narrow", [
    ("withdraw", {"nonce": str(2**32), "position_id": "0"}, {"nonce": "0", "position_id": "1"}),
    ("limit_order", {"nonce": str(2**32), "amount_fee": "5"}, {"nonce": "0", "amount_fee": "6"}),
])
def test_a_nonce_wider_than_its_slot_can_hash_like_another_request(kind, wide, narrow):
    hash_request, _, request = KINDS[kind]
    assert hash_request(json.dumps({**request, **wide})) == hash_request(json.dumps({**request, **narrow}))


def test_hex_fields_are_hashed_modulo_the_field_prime_after_bit_255_is_cleared():
    prime = 21888242871839275222246405745257275088548364400416034343698204186575808495617
    base = sdk.hash_withdraw(json.dumps(WITHDRAW))
    for asset_id in (6 + 2**255, 6 + prime):
        assert sdk.hash_withdraw(json.dumps({**WITHDRAW, "asset_id": hex64(asset_id)})) == base


@pytest.mark.parametrize("field,value", [("amount", "+4"), ("asset_id", "0x06"), ("asset_id", "6")])
def test_request_number_forms_accepted(field, value):
    assert sdk.hash_withdraw(json.dumps({**WITHDRAW, field: value})) == sdk.hash_withdraw(json.dumps(WITHDRAW))


@pytest.mark.parametrize("field,value", [("amount", " 4"), ("amount", 4), ("amount", None), ("asset_id", "0X6"),
                                         ("asset_id", "0x0x6"), ("expiration_timestamp", str(2**32))])
def test_request_number_forms_refused(field, value):
    assert raises_value_error(sdk.hash_withdraw, json.dumps({**WITHDRAW, field: value}))


def test_asset_id_synthetic_takes_repeated_prefixes_and_a_sign():
    base = sdk.hash_limit_order(json.dumps(ORDER))
    assert sdk.hash_limit_order(json.dumps({**ORDER, "asset_id_synthetic": "0x0x6"})) == base
    assert sdk.hash_limit_order(json.dumps({**ORDER, "asset_id_synthetic": "+6"})) == base
    for refused in ("-6", "0X6", "-0x6"):
        assert raises_value_error(sdk.hash_limit_order, json.dumps({**ORDER, "asset_id_synthetic": refused}))
