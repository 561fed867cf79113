"""The field rows that the typed classes' docstrings and the request reference's tables are written
from, checked against what the extension does: every field of every kind listed, its documented
upper bound read and the next value refused, and its hash changing exactly when it is documented
as signed."""

import json
import re

import pytest

import korvo
import korvo_python_sdk as sdk
from korvo._field_docs import ROWS

ORDER = {"amount_synthetic": "10", "amount_collateral": "20", "amount_fee": "3", "asset_id_synthetic": "0x11",
         "asset_id_collateral": "0x22", "position_id": "7", "is_buying_synthetic": True, "nonce": "1",
         "public_key": "0x1", "expiration_timestamp": "2"}
REQUESTS = {
    "Withdraw": ("withdraw", {"position_id": "3", "amount": "4", "eth_address": "0x5", "asset_id": "0x6",
                              "nonce": "1", "public_key": "0x1", "expiration_timestamp": "2"}),
    "Transfer": ("transfer", {"sender_position_id": "3", "receiver_public_key": "0x9", "receiver_position_id": "4",
                              "amount": "5", "asset_id": "0x6", "nonce": "1", "public_key": "0x1",
                              "expiration_timestamp": "2"}),
    "LimitOrder": ("limit_order", ORDER),
    "Liquidate": ("liquidate", {"liquidator_order": ORDER, "liquidated_position_id": "8", "actual_collateral": "9",
                                "actual_synthetic": "10", "actual_liquidator_fee": "11"}),
    "SignedOraclePrice": ("signed_oracle_price", {"signer_key": "0x1", "external_price": "5", "timestamp": "6",
                                                  "signed_asset_id": "0x7"}),
}
FIELDS = [(kind, row) for kind, rows in ROWS.items() for row in rows]


def hash_of(kind, members):
    function, _ = REQUESTS[kind]
    return getattr(sdk, "hash_" + function)(json.dumps(members))


def with_value(kind, key, value):
    return REQUESTS[kind][1] | {key: value}


def other_value(value):
    if isinstance(value, bool):
        return not value
    if isinstance(value, dict):
        return value | {"amount_fee": "4"}
    return hex(int(value, 16) + 1) if value.startswith("0x") else str(int(value) + 1)


@pytest.mark.parametrize("kind", ROWS)
def test_every_field_of_the_kind_has_one_row(kind):
    keys = [row.key for row in ROWS[kind]]
    assert sorted(keys) == sorted(REQUESTS[kind][1]) and len(set(keys)) == len(keys)
    assert keys == [key for key in keys if f"``{key}``:" in getattr(korvo, kind).__doc__]


@pytest.mark.parametrize(("kind", "row"), [f for f in FIELDS if f[1].accepted.startswith("0 to 2^")],
                         ids=lambda v: getattr(v, "key", v))
def test_the_documented_highest_is_read_and_the_next_refused(kind, row):
    bits = int(re.match(r"0 to 2\^(\d+) - 1", row.accepted).group(1))
    def text(value):
        return hex(value) if row.encoding.startswith(("hex", "signed hex")) else str(value)
    hash_of(kind, with_value(kind, row.key, text(2**bits - 1)))
    with pytest.raises(ValueError):
        hash_of(kind, with_value(kind, row.key, text(2**bits)))


@pytest.mark.parametrize(("kind", "row"), FIELDS, ids=lambda v: getattr(v, "key", v))
def test_the_hash_changes_exactly_with_the_signed_fields(kind, row):
    base = REQUESTS[kind][1]
    changed = hash_of(kind, with_value(kind, row.key, other_value(base[row.key]))) != hash_of(kind, base)
    assert changed == row.signed.startswith("yes"), row
