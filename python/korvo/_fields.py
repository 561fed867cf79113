"""Each request field's encoding in the JSON the extension reads, the range
that reading accepts, and the narrower range that the hashed words tell
apart; checking values and reading and writing their texts."""

from __future__ import annotations

import re
from dataclasses import dataclass

from ._errors import RequestError

# The modulus of the field every hashed word is reduced into.
FIELD_MODULUS = 0x30644E72E131A029B85045B68181585D2833E84879B9709143E1F593F0000001

_DECIMAL = re.compile(r"\+?[0-9]+")
_SIGNED_HEX = re.compile(r"[+-]?[0-9a-fA-F]+")
_HEX = re.compile(r"[0-9a-fA-F]*")


@dataclass(frozen=True, slots=True)
class Encoding:
    """One JSON encoding: its name, the values reading it accepts (lowest,
    highest) and how its text is read."""

    name: str
    lowest: int
    highest: int
    text_kind: str  # "decimal", "signed hex", "hex"


U32 = Encoding("u32", 0, 2**32 - 1, "decimal")
U64 = Encoding("u64", 0, 2**64 - 1, "decimal")
U128 = Encoding("u128", 0, 2**128 - 1, "decimal")
I128 = Encoding("i128", -(2**127), 2**127 - 1, "signed hex")
U256 = Encoding("u256", 0, 2**256 - 1, "hex")
KEY = Encoding("public key", 0, 2**256 - 1, "hex")


@dataclass(frozen=True, slots=True)
class Field:
    """A numeric field: `highest` is the largest value the hash tells apart
    from every other (its slot's limit), at most the encoding's own."""

    name: str
    encoding: Encoding
    highest: int
    lowest: int


def field(name: str, encoding: Encoding, slot_highest: int | None = None, lowest: int | None = None) -> Field:
    highest = encoding.highest if slot_highest is None else slot_highest
    return Field(name, encoding, highest, encoding.lowest if lowest is None else lowest)


def refuse(field_name: str, reason: str) -> RequestError:
    return RequestError(f"{field_name}: {reason}", field=field_name)


def check(entry: Field, value: object, unambiguous: bool) -> int:
    """`value` when it is an int in the range: the slot's when `unambiguous`,
    else what the extension's reading accepts."""
    if type(value) is not int:
        if isinstance(value, int) and not isinstance(value, bool):
            value = int(value)
        else:
            raise refuse(entry.name, f"expected int, got {type(value).__name__}")
    encoding = entry.encoding
    if not encoding.lowest <= value <= encoding.highest:
        raise refuse(entry.name, f"{value} is outside the {encoding.name} range "
                                f"{encoding.lowest}..{encoding.highest}")
    if unambiguous and not entry.lowest <= value <= entry.highest:
        raise refuse(entry.name, f"{value} is outside {entry.lowest}..{entry.highest}, the values its place in the "
                                "hashed words tells apart")
    return value


def read_text(entry: Field, text: object) -> int:
    """The value of a JSON member as the extension reads it."""
    if type(text) is not str:
        raise refuse(entry.name, f"expected a JSON string, got {type(text).__name__}")
    kind = entry.encoding.text_kind
    if kind == "decimal":
        if not _DECIMAL.fullmatch(text):
            raise refuse(entry.name, f"not a decimal integer: {text[:20]!r}")
        return int(text)
    if kind == "signed hex":
        digits = text
        while digits.startswith("0x"):
            digits = digits[2:]
        if not _SIGNED_HEX.fullmatch(digits):
            raise refuse(entry.name, f"not a hexadecimal integer: {text[:20]!r}")
        return int(digits, 16)
    digits = text[2:] if text.startswith("0x") else text
    if len(digits) > 64 or not _HEX.fullmatch(digits):
        raise refuse(entry.name, f"not a 256-bit hexadecimal value: {text[:20]!r}")
    return int(digits, 16) if digits else 0


def write_text(entry: Field, value: int) -> str:
    """The JSON string the extension reads back as `value`."""
    kind = entry.encoding.text_kind
    if kind == "decimal":
        return str(value)
    if kind == "signed hex":
        return f"0x{value:x}" if value >= 0 else f"-{-value:x}"
    return f"0x{value:064x}"
