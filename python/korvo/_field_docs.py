"""Each request field's facts as the request reference gives them: JSON
type, encoding, the values the extension's reader accepts, its slot in the
hashed words and whether the signature covers it. The request classes'
docstrings and the documentation's request tables are both written from
these rows."""

from __future__ import annotations

from typing import NamedTuple

from ._fields import FIELD_MODULUS, Field


class Row(NamedTuple):
    """One field; every text but `key` is reStructuredText."""

    key: str
    json_type: str
    encoding: str
    accepted: str  # by the extension's reader
    slot: str
    signed: str


COLUMNS = ("Key", "JSON type", "Encoding", "Accepted", "Slot in the hashed words", "Signed")

ROWS: dict[str, tuple[Row, ...]] = {
    "Withdraw": (
        Row("position_id", "string", "decimal", "0 to 2^64 - 1", "64 bits, w2 bits 177-240", "yes"),
        Row("amount", "string", "decimal", "0 to 2^64 - 1", "64 bits, w2 bits 81-144", "yes"),
        Row(
            "nonce",
            "string",
            "decimal",
            "0 to 2^64 - 1",
            "**32 bits**, w2 bits 145-176; a larger value adds into ``position_id``",
            "yes",
        ),
        Row("expiration_timestamp", "string", "decimal", "0 to 2^32 - 1", "32 bits, w2 bits 49-80", "yes"),
        Row(
            "eth_address",
            "string",
            "hex",
            "0 to 2^256 - 1",
            "w1 = hash of ``asset_id`` and ``eth_address``",
            "yes, when it differs from ``public_key``",
        ),
        Row(
            "asset_id",
            "string",
            "hex",
            "0 to 2^256 - 1",
            "w1 (alone when ``eth_address`` equals ``public_key``)",
            "yes",
        ),
        Row(
            "public_key",
            "string",
            "hex (packed key)",
            "0 to 2^256 - 1",
            "none: only whether it equals ``eth_address`` (the tag)",
            "**no**, only that comparison",
        ),
    ),
    "Transfer": (
        Row(
            "sender_position_id",
            "string",
            "decimal",
            "0 to 2^64 - 1",
            "64 bits, w3 bits 160-223, and again in bits 32-95",
            "yes",
        ),
        Row("receiver_public_key", "string", "hex (packed key)", "0 to 2^256 - 1", "none", "**no**"),
        Row("receiver_position_id", "string", "decimal", "0 to 2^64 - 1", "64 bits, w3 bits 96-159", "yes"),
        Row("amount", "string", "decimal", "0 to 2^64 - 1", "64 bits, w4 bits 177-240", "yes"),
        Row("asset_id", "string", "hex", "0 to 2^256 - 1", "a word of its own", "yes"),
        Row(
            "nonce",
            "string",
            "decimal",
            "0 to 2^64 - 1",
            "**32 bits**, w3 bits 0-31; a larger value adds into the fee position",
            "yes",
        ),
        Row("public_key", "string", "hex (packed key)", "0 to 2^256 - 1", "none", "**no**"),
        Row("expiration_timestamp", "string", "decimal", "0 to 2^32 - 1", "32 bits, w4 bits 81-112", "yes"),
    ),
    "LimitOrder": (
        Row(
            "amount_synthetic",
            "string",
            "decimal",
            "0 to 2^64 - 1",
            "64 bits, w4 bits 160-223 when sold, 96-159 when bought",
            "yes",
        ),
        Row("amount_collateral", "string", "decimal", "0 to 2^64 - 1", "64 bits, the other of those two", "yes"),
        Row("amount_fee", "string", "decimal", "0 to 2^64 - 1", "64 bits, w4 bits 32-95", "yes"),
        Row(
            "asset_id_synthetic",
            "string",
            "signed hex",
            "0 to 2^127 - 1 (negative raises)",
            "the sold or the bought asset word",
            "yes",
        ),
        Row(
            "asset_id_collateral",
            "string",
            "hex",
            "0 to 2^256 - 1",
            "the other asset word, and a word of its own",
            "yes",
        ),
        Row(
            "position_id",
            "string",
            "decimal",
            "0 to 2^64 - 1",
            "64 bits, w5 bits 177-240, 113-176 and 49-112",
            "yes",
        ),
        Row(
            "is_buying_synthetic",
            "boolean",
            "boolean",
            "``true``, ``false``",
            "the order of the sold and bought words",
            "yes",
        ),
        Row(
            "nonce",
            "string",
            "decimal",
            "0 to 2^64 - 1",
            "**32 bits**, w4 bits 0-31, added modulo 2^64 into w4's low 64 bits: a larger value adds into "
            "``amount_fee``",
            "yes",
        ),
        Row("public_key", "string", "hex (packed key)", "0 to 2^256 - 1", "none", "**no**"),
        Row("expiration_timestamp", "string", "decimal", "0 to 2^32 - 1", "32 bits, w5 bits 17-48", "yes"),
    ),
    "Liquidate": (
        Row(
            "liquidator_order",
            "object",
            "a limit order",
            "as a limit order",
            "as a limit order",
            "yes, but not its ``public_key``",
        ),
        Row("liquidated_position_id", "string", "decimal", "0 to 2^64 - 1", "none", "**no**"),
        Row("actual_collateral", "string", "decimal", "0 to 2^64 - 1", "none", "**no**"),
        Row("actual_synthetic", "string", "decimal", "0 to 2^64 - 1", "none", "**no**"),
        Row("actual_liquidator_fee", "string", "decimal", "0 to 2^64 - 1", "none", "**no**"),
    ),
    "SignedOraclePrice": (
        Row("signer_key", "string", "hex (packed key)", "0 to 2^256 - 1", "none", "**no**"),
        Row(
            "external_price",
            "string",
            "decimal",
            "0 to 2^128 - 1",
            "128 bits, bits 32-159 of the second word",
            "yes",
        ),
        Row("timestamp", "string", "decimal", "0 to 2^32 - 1", "32 bits, bits 0-31 of the second word", "yes"),
        Row("signed_asset_id", "string", "hex", "0 to 2^256 - 1", "the first word", "yes"),
    ),
}


def _bound(value: int) -> str:
    if value == FIELD_MODULUS - 1:
        return "p - 1"
    if value < 0 and (-value).bit_count() == 1:
        return f"-2^{(-value).bit_length() - 1}"
    if value > 0 and (value + 1).bit_count() == 1:
        return f"2^{value.bit_length()} - 1"
    return str(value)


def _accepted_here(row: Row, fields: dict[str, Field]) -> str:
    entry = fields.get(row.key)
    if entry is None:
        return row.accepted
    return f"{_bound(entry.lowest)} to {_bound(entry.highest)}"


def fields_section(kind: str, fields: tuple[Field, ...]) -> str:
    """The docstring section listing the fields of the class named `kind`;
    the range "here" is what its constructor accepts (p is the field prime)."""
    by_name = {entry.name: entry for entry in fields}
    lines = ["Fields (JSON type, encoding; read by the extension; accepted here; slot in the hashed words; "
             "signed):", ""]
    for row in ROWS[kind]:
        lines.append(f"- ``{row.key}``: {row.json_type}, {row.encoding}; read {row.accepted}; "
                     f"here {_accepted_here(row, by_name)}; slot {row.slot}; signed: {row.signed}")
    return "\n".join(lines)
