"""The typed requests: the values they refuse (each with the pair of raw requests that would hash
alike), strict reading, round trips, batches and keys."""

import json
import pickle

import pytest

import korvo
import korvo_python_sdk as sdk
from korvo import _native

P = 0x30644E72E131A029B85045B68181585D2833E84879B9709143E1F593F0000001
KEY = korvo.PrivateKey.from_seed("typed requests typed requests typed requests")
BASE = dict(nonce=1, public_key=KEY.public_key, expiration_timestamp=1735689600)


def withdraw(**changes):
    return dict(dict(position_id=3, amount=4, eth_address=0x5, asset_id=0x6, **BASE), **changes)


def transfer(**changes):
    return dict(dict(sender_position_id=3, receiver_public_key=0x9, receiver_position_id=4, amount=5, asset_id=0x6,
                     **BASE), **changes)


def order(**changes):
    return dict(dict(amount_synthetic=10, amount_collateral=20, amount_fee=3, asset_id_synthetic=0x11,
                     asset_id_collateral=0x22, position_id=7, is_buying_synthetic=True, **BASE), **changes)


def oracle(**changes):
    return dict(dict(signer_key=0x1, external_price=5, timestamp=6, signed_asset_id=0x7), **changes)


def liquidation(**changes):
    return dict(dict(liquidator_order=korvo.LimitOrder(**order()), liquidated_position_id=8, actual_collateral=9,
                     actual_synthetic=10, actual_liquidator_fee=11), **changes)


def raw_text(values):
    """JSON as the raw functions read it, numbers as decimal or hex strings, no checks."""
    hex_fields = {"public_key", "eth_address", "asset_id", "receiver_public_key", "asset_id_synthetic",
                  "asset_id_collateral", "signer_key", "signed_asset_id"}
    out = {}
    for name, value in values.items():
        if isinstance(value, korvo.PublicKey):
            value = value.packed
        out[name] = value if isinstance(value, bool) else (hex(value) if name in hex_fields else str(value))
    return json.dumps(out)


# (kind, raw hash function, field, refused values, the value that hashes alike, the colliding pair)
ALIASES = [
    (korvo.Withdraw, sdk.hash_withdraw, "nonce",
     withdraw(position_id=0, nonce=2**32), withdraw(position_id=1, nonce=0)),
    (korvo.LimitOrder, sdk.hash_limit_order, "nonce",
     order(amount_fee=0, nonce=2**32), order(amount_fee=1, nonce=0)),
    (korvo.Withdraw, sdk.hash_withdraw, "asset_id", withdraw(asset_id=P + 6), withdraw(asset_id=6)),
    (korvo.Transfer, sdk.hash_transfer, "asset_id", transfer(asset_id=2**255 + 6), transfer(asset_id=6)),
    (korvo.LimitOrder, sdk.hash_limit_order, "asset_id_collateral",
     order(asset_id_collateral=P + 0x22), order(asset_id_collateral=0x22)),
    (korvo.SignedOraclePrice, sdk.hash_signed_oracle_price, "signed_asset_id",
     oracle(signed_asset_id=P), oracle(signed_asset_id=0)),
    (korvo.Withdraw, sdk.hash_withdraw, "eth_address", withdraw(eth_address=P + 5), withdraw(eth_address=5)),
    (korvo.LimitOrder, sdk.hash_limit_order, "asset_id_synthetic",
     order(asset_id_synthetic=0x22, is_buying_synthetic=True, amount_synthetic=10, amount_collateral=20),
     order(asset_id_synthetic=0x22, is_buying_synthetic=False, amount_synthetic=20, amount_collateral=10)),
]


@pytest.mark.parametrize("kind,raw_hash,field,refused,twin", ALIASES, ids=[f"{a[0].__name__}.{a[2]}" for a in ALIASES])
def test_a_value_that_would_hash_like_another_is_refused(kind, raw_hash, field, refused, twin):
    assert raw_hash(raw_text(refused)) == raw_hash(raw_text(twin))  # the collision it prevents
    with pytest.raises(korvo.RequestError) as raised:
        kind(**refused)
    assert raised.value.field == field and raised.value.function is None
    assert kind.from_json(raw_text(refused), strict=False).hash() == raw_hash(raw_text(refused))
    with pytest.raises(korvo.RequestError):
        kind.from_json(raw_text(refused))


def test_a_transfer_nonce_is_held_to_its_slot_too():
    # Its excess adds into the second copy of sender_position_id (the fee position), which no
    # transfer sets apart from the first, so no raw transfer hashes alike; the slot is 32 bits all the same.
    assert sdk.hash_transfer(raw_text(transfer(nonce=2**32))) != sdk.hash_transfer(raw_text(transfer(nonce=0)))
    with pytest.raises(korvo.RequestError) as raised:
        korvo.Transfer(**transfer(nonce=2**32))
    assert raised.value.field == "nonce"


def test_the_largest_unambiguous_values_are_accepted_and_hash_as_the_raw_function():
    cases = [
        (korvo.Withdraw, sdk.hash_withdraw, withdraw(nonce=2**32 - 1, asset_id=P - 1, position_id=2**64 - 1,
                                                     expiration_timestamp=2**32 - 1, eth_address=KEY.public_key)),
        (korvo.Transfer, sdk.hash_transfer, transfer(nonce=2**32 - 1, asset_id=P - 1, receiver_public_key=2**256 - 1)),
        (korvo.LimitOrder, sdk.hash_limit_order, order(nonce=2**32 - 1, asset_id_synthetic=2**127 - 1,
                                                       asset_id_collateral=P - 1, amount_fee=2**64 - 1)),
        (korvo.SignedOraclePrice, sdk.hash_signed_oracle_price,
         oracle(external_price=2**128 - 1, timestamp=2**32 - 1, signed_asset_id=P - 1, signer_key=2**256 - 1)),
    ]
    for kind, raw_hash, values in cases:
        request = kind(**values)
        assert request.hash() == raw_hash(raw_text(values)) == raw_hash(request.to_json())
        assert kind.from_json(request.to_json()) == request


def test_a_withdrawal_to_its_own_key_may_have_any_packed_key():
    own = 2**255 + 12345
    request = korvo.Withdraw(**withdraw(public_key=own, eth_address=own))
    assert request.hash() == sdk.hash_withdraw(raw_text(withdraw(public_key=own, eth_address=own)))


@pytest.mark.parametrize("kind,values,field,value", [
    (korvo.Withdraw, withdraw, "amount", "4"),
    (korvo.Withdraw, withdraw, "position_id", True),
    (korvo.Withdraw, withdraw, "amount", 2**64),
    (korvo.Withdraw, withdraw, "amount", -1),
    (korvo.Withdraw, withdraw, "expiration_timestamp", 2**32),
    (korvo.Transfer, transfer, "receiver_public_key", 2**256),
    (korvo.LimitOrder, order, "is_buying_synthetic", 1),
    (korvo.LimitOrder, order, "asset_id_synthetic", -1),
    (korvo.LimitOrder, order, "asset_id_synthetic", 2**127),
    (korvo.SignedOraclePrice, oracle, "external_price", 2**128),
    (korvo.Liquidate, liquidation, "liquidator_order", korvo.Withdraw(**withdraw())),
    (korvo.Liquidate, liquidation, "actual_collateral", 2**64),
])
def test_wrong_types_and_ranges_name_the_field(kind, values, field, value):
    with pytest.raises(korvo.RequestError) as raised:
        kind(**values(**{field: value}))
    assert raised.value.field == field


def test_requests_are_keyword_only_and_frozen():
    with pytest.raises(TypeError):
        korvo.SignedOraclePrice(1, 5, 6, 7)  # type: ignore[misc]
    with pytest.raises(TypeError):
        korvo.SignedOraclePrice(**oracle(), memo="hi")  # type: ignore[call-arg]
    request = korvo.SignedOraclePrice(**oracle())
    with pytest.raises(AttributeError):
        request.timestamp = 7  # type: ignore[misc]
    assert request == korvo.SignedOraclePrice(**oracle()) and hash(request) == hash(korvo.SignedOraclePrice(**oracle()))
    assert request != korvo.SignedOraclePrice(**oracle(timestamp=7))


def test_strict_reading_refuses_unknown_repeated_and_missing_keys():
    text = korvo.Withdraw(**withdraw()).to_json()
    with pytest.raises(korvo.RequestError) as raised:
        korvo.Withdraw.from_json(text[:-1] + ',"memo":"hi"}')
    assert raised.value.field == "memo"
    assert korvo.Withdraw.from_json(text[:-1] + ',"memo":"hi"}', strict=False) == korvo.Withdraw(**withdraw())
    for key in ("nonce", "amount"):
        doubled = text[:-1] + f',"{key}":"1"}}'
        with pytest.raises(korvo.RequestError) as raised:
            korvo.Withdraw.from_json(doubled)
        assert raised.value.field == key
        with pytest.raises(korvo.RequestError) as raised:  # the extension refuses it too
            korvo.Withdraw.from_json(doubled, strict=False)
        assert raised.value.field == key and raised.value.function == "hash_withdraw"
    with pytest.raises(korvo.RequestError) as raised:
        korvo.Withdraw.from_json(text.replace('"amount":"4",', ""))
    assert raised.value.field == "amount"
    with pytest.raises(korvo.RequestError) as raised:
        korvo.Withdraw.from_json(text.replace('"amount":"4"', '"amount":4'))
    assert raised.value.field == "amount"
    with pytest.raises(korvo.RequestError):
        korvo.Withdraw.from_json("not json")


def test_strict_reading_of_a_liquidation_checks_the_nested_order():
    request = korvo.Liquidate(**liquidation())
    assert korvo.Liquidate.from_json(request.to_json()) == request
    nested = request.to_json().replace('"position_id":"7"', '"position_id":"7","memo":"x"')
    with pytest.raises(korvo.RequestError) as raised:
        korvo.Liquidate.from_json(nested)
    assert raised.value.field == "memo"
    array = "[" + request.liquidator_order.to_json() + ',"8","9","10","11"]'
    assert korvo.Liquidate.from_json(array, strict=False) == request
    with pytest.raises(korvo.RequestError):
        korvo.Liquidate.from_json(array)  # the array form names no key: strict reads objects only


def test_liquidation_hashes_as_its_order_and_signs_only_the_order():
    request = korvo.Liquidate(**liquidation())
    other = korvo.Liquidate(**liquidation(actual_collateral=99))
    assert request.hash() == other.hash() == request.liquidator_order.hash()
    assert KEY.sign(request) == KEY.sign(request.liquidator_order)


def test_text_forms_are_the_raw_functions_own():
    request = korvo.LimitOrder(**order())
    assert request.hash() == sdk.hash_limit_order(request.to_json())
    signature = KEY.sign(request)
    assert signature.to_json() == sdk.sign_limit_order(request.to_json(), KEY._text)
    assert KEY.public_key.to_json() == sdk.private_key_to_public_key_xy(KEY._text)
    assert korvo.Signature.from_json(signature.to_json()) == signature


def test_batches_equal_single_calls_in_order():
    requests = [korvo.LimitOrder(**order(nonce=i, is_buying_synthetic=i % 2 == 0)) for i in range(9)]
    requests += [korvo.Withdraw(**withdraw()), korvo.Transfer(**transfer()), korvo.Liquidate(**liquidation()),
                 korvo.SignedOraclePrice(**oracle())]
    assert korvo.hash_many(requests) == [r.hash() for r in requests]
    assert KEY.sign_many(requests) == [KEY.sign(r) for r in requests]
    assert korvo.hash_many([]) == [] and KEY.sign_many(iter([])) == []


def test_a_failing_item_raises_its_error_with_its_index_and_nothing_else(capfd):
    good = korvo.LimitOrder(**order()).to_json()
    with pytest.raises(korvo.RequestError) as raised:
        _native.call_many(["hash_limit_order"] * 4, [good, good, "{}", "x"])
    assert raised.value.index == 2 and raised.value.field == "amount_synthetic"
    with pytest.raises(korvo.InvalidKeyError) as raised:
        _native.call_many(["sign_limit_order"] * 2, [good, good], "zz")
    assert raised.value.index == 0
    assert capfd.readouterr().err == ""
    with pytest.raises(korvo.RequestError) as raised:
        korvo.hash_many([korvo.LimitOrder(**order()), good])  # type: ignore[list-item]
    assert raised.value.index == 1


def test_private_keys_do_not_show_themselves():
    key = korvo.PrivateKey.generate()
    digits = key._text[2:]
    for shown in (repr(key), str(key), f"{key}"):
        assert digits not in shown and key.public_key.to_json()[7:71] in shown
    with pytest.raises(TypeError):
        pickle.dumps(key)
    assert korvo.PrivateKey.generate().public_key != key.public_key
    with pytest.raises(korvo.InvalidKeyError):
        korvo.PrivateKey.from_hex("zz")
    with pytest.raises(korvo.InvalidKeyError):
        korvo.PrivateKey.from_seed("short")


def test_messages_are_checked_before_the_extension():
    with pytest.raises(korvo.RequestError) as raised:
        KEY.sign_message(2**256)
    assert raised.value.field == "msg"
    signature = KEY.sign_message(5)
    assert korvo.verify(signature, KEY.public_key, 5) and not korvo.verify(signature, KEY.public_key, 6)
    with pytest.raises(korvo.InvalidKeyError):
        korvo.verify(KEY.public_key, KEY.public_key, 5)  # type: ignore[arg-type]
    layer1 = KEY.eth_sign(5)
    assert layer1.to_json() == sdk.eth_sign(KEY._text, "0x5")
    assert (layer1.pk_x, layer1.pk_y) == (KEY.public_key.packed, KEY.public_key.x)


@pytest.mark.parametrize("position", [0, 1, 2, 5])
def test_a_failing_order_in_a_run_of_order_hashes_stops_the_run_as_a_single_call_would(position, capfd):
    orders = [korvo.LimitOrder(**order(nonce=n)).to_json() for n in range(6)]
    negative = orders[position].replace('"asset_id_synthetic":"0x11"', '"asset_id_synthetic":"-0x11"')
    for bad in ("{}", negative):
        texts = orders[:position] + [bad] + orders[position + 1:]
        with pytest.raises(korvo.Error) as raised:
            _native.call_many(["hash_limit_order"] * len(texts), texts)
        with pytest.raises(korvo.Error) as single:
            _native.call("hash_limit_order", bad)
        assert raised.value.index == position
        assert (type(raised.value), raised.value.kind, raised.value.reason) == \
               (type(single.value), single.value.kind, single.value.reason)
    assert capfd.readouterr().err == ""


@pytest.mark.parametrize("count", [1, 2, 3, 64])
def test_runs_of_order_hashes_of_any_length_equal_single_calls(count):
    requests = [korvo.LimitOrder(**order(nonce=n, amount_fee=n * 7, is_buying_synthetic=n % 3 == 0))
                for n in range(count)]
    mixed = [korvo.SignedOraclePrice(**oracle())] + requests + [korvo.Withdraw(**withdraw())] + requests
    assert korvo.hash_many(mixed) == [sdk.hash_limit_order(r.to_json()) if isinstance(r, korvo.LimitOrder)
                                      else r.hash() for r in mixed]


@pytest.mark.parametrize("text", ['{"r":"0x1"}', '{"r":"0x1","s":"0x2","t":"0x3"}', '{"r":"1_0","s":"0x2"}',
                                  '{"r":" 12","s":"0x2"}', '{"r":1,"s":"0x2"}', '["0x1","0x2"]', "not json",
                                  '{"r":"0x' + "1" * 65 + '","s":"0x2"}'])
def test_signature_text_that_is_not_the_extensions_form_is_refused(text):
    with pytest.raises(korvo.InvalidKeyError):
        korvo.Signature.from_json(text)
