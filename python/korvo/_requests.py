"""The five request kinds as frozen, keyword-only, checked values."""

from __future__ import annotations

import inspect
import json
from typing import TYPE_CHECKING, Any, ClassVar, TypeVar

from . import _fields as f
from ._errors import RequestError
from ._field_docs import fields_section
from ._fields import FIELD_MODULUS, Field, check, field, read_text, refuse
from ._native import call
from ._public_key import PublicKey

if TYPE_CHECKING:
    from ._keys import PrivateKey, Signature

_R = TypeVar("_R", bound="Request")
_NONCE_SLOT = 2**32 - 1  # the nonce has 32 bits in every hashed word
_ELEMENT = FIELD_MODULUS - 1  # a 256-bit word enters the hash reduced into the field


class Request:
    """What the five kinds share: text forms, hash and signature."""

    __slots__ = ("_json",)
    _json: str  # to_json's text, written on first use
    _FIELDS: ClassVar[tuple[Field, ...]]
    _KIND: ClassVar[str]  # the extension's functions are hash_<kind> and sign_<kind>
    _BOOLS: ClassVar[tuple[str, ...]] = ()
    _ARRAY_FORM: ClassVar[bool] = False  # whether the extension also reads a JSON array

    def __init_subclass__(cls) -> None:
        # The field list comes from the rows the request reference is written from.
        cls.__doc__ = inspect.cleandoc(cls.__doc__ or "") + "\n\n" + fields_section(cls.__name__, cls._FIELDS)

    # Assignment goes through object.__setattr__ in _fill only.
    def __setattr__(self, name: str, value: object) -> None:
        raise AttributeError(f"{type(self).__name__} is immutable")

    def __delattr__(self, name: str) -> None:
        raise AttributeError(f"{type(self).__name__} is immutable")

    def _fill(self, values: tuple[object, ...], unambiguous: bool) -> None:
        setter = object.__setattr__
        for entry, value in zip(self._FIELDS, values):
            # Within the slot's range is within the reader's: only the rest needs a closer look.
            if type(value) is not int or not entry.lowest <= value <= entry.highest:
                value = check(entry, value.packed if isinstance(value, PublicKey) else value, unambiguous)
            setter(self, entry.name, value)
        for name, flag in zip(self._BOOLS, values[len(self._FIELDS):]):
            if type(flag) is not bool:
                raise refuse(name, f"expected bool, got {type(flag).__name__}")
            object.__setattr__(self, name, flag)
        if unambiguous:
            self._check_together()

    def _check_together(self) -> None:
        """Refusals that depend on two fields at once."""

    def _items(self) -> tuple[tuple[str, object], ...]:
        names = _names(self._FIELDS) + self._BOOLS
        return tuple((name, getattr(self, name)) for name in names)

    def __eq__(self, other: object) -> bool:
        return type(other) is type(self) and self._items() == other._items()

    def __hash__(self) -> int:
        return hash((type(self), self._items()))

    def __repr__(self) -> str:
        inner = ", ".join(f"{name}={value!r}" for name, value in self._items())
        return f"{type(self).__name__}({inner})"

    def to_json(self) -> str:
        """The JSON text the extension's hash_<kind> and sign_<kind> read."""
        try:
            return self._json
        except AttributeError:
            text = self._write_json()
            object.__setattr__(self, "_json", text)
            return text

    def _write_json(self) -> str:
        members = [f'"{entry.name}":"{f.write_text(entry, getattr(self, entry.name))}"' for entry in self._FIELDS]
        members += [f'"{name}":{"true" if getattr(self, name) else "false"}' for name in self._BOOLS]
        return "{" + ",".join(members) + "}"

    def hash(self) -> str:
        """The message hash as the extension's hash_<kind> gives it: "0x" and 64 digits.

        Not promised: that the hash covers every field (see the module's docs
        for those it leaves out)."""
        return str(call("hash_" + self._KIND, self.to_json()))

    def sign(self, key: PrivateKey) -> Signature:
        """`key.sign(self)`."""
        return key.sign(self)

    @classmethod
    def from_json(cls: type[_R], text: str, *, strict: bool = True) -> _R:
        """The request a JSON text describes.

        strict (the default): one JSON object with exactly the request's
        keys, each once, and values the constructor accepts; an unknown or
        repeated key is a RequestError naming it. strict=False: whatever the
        extension's hash_<kind> reads (unknown keys ignored, the array form
        where the extension has one, and values wider than their slot in the
        hash, kept as read so that the hash is the extension's).
        """
        if type(text) is not str:
            raise RequestError(f"expected JSON text, got {type(text).__name__}")
        if strict:
            return cls._from_value(_strict_json(text), strict=True)
        call("hash_" + cls._KIND, text)  # refused exactly as the extension refuses it
        return cls._from_value(json.loads(text), strict=False)

    @classmethod
    def _from_value(cls: type[_R], value: object, strict: bool) -> _R:
        names = _names(cls._FIELDS) + cls._BOOLS
        if isinstance(value, list) and cls._ARRAY_FORM and not strict:
            value = dict(zip(cls._ORDER, value))  # type: ignore[attr-defined]
        if not isinstance(value, dict):
            raise RequestError(f"{cls.__name__}: expected a JSON object")
        if strict:
            for key in value:
                if key not in names:
                    raise RequestError(f"unknown key {key!r}", field=key)
        members: dict[str, Any] = value
        for name in names:
            if name not in members:
                raise refuse(name, "missing")
        return cls._read(members, strict)

    @classmethod
    def _read(cls: type[_R], members: dict[str, Any], strict: bool) -> _R:
        values: list[object] = [read_text(entry, members[entry.name]) for entry in cls._FIELDS]
        for name in cls._BOOLS:
            if type(members[name]) is not bool:
                raise refuse(name, "expected a JSON boolean")
            values.append(members[name])
        request = object.__new__(cls)
        request._fill(tuple(values), unambiguous=strict)
        return request


def _strict_json(text: str) -> object:
    def unique(pairs: list[tuple[str, object]]) -> dict[str, object]:
        members: dict[str, object] = {}
        for key, value in pairs:
            if key in members:
                raise RequestError(f"repeated key {key!r}", field=key)
            members[key] = value
        return members

    try:
        return json.loads(text, object_pairs_hook=unique)
    except json.JSONDecodeError as error:
        raise RequestError(f"not JSON: {error}") from None


def _names(fields: tuple[Field, ...]) -> tuple[str, ...]:
    return tuple(entry.name for entry in fields)


_BASE = (
    field("nonce", f.U64, _NONCE_SLOT),
    field("public_key", f.KEY),
    field("expiration_timestamp", f.U32),
)


class Withdraw(Request):
    """A withdrawal. Signed: every field but `public_key`, which enters only
    through whether `eth_address` equals it. An `eth_address` that differs
    from `public_key` must also be below p.

    Not promised: that a signature over it shows who signed (anyone can make
    one that verifies)."""

    _FIELDS = (
        field("position_id", f.U64),
        field("amount", f.U64),
        field("eth_address", f.KEY),
        field("asset_id", f.U256, _ELEMENT),
        *_BASE,
    )
    __slots__ = _names(_FIELDS)
    _KIND = "withdraw"
    position_id: int
    amount: int
    eth_address: int
    asset_id: int
    nonce: int
    public_key: int
    expiration_timestamp: int

    def __init__(self, *, position_id: int, amount: int, eth_address: PublicKey | int, asset_id: int, nonce: int,
                 public_key: PublicKey | int, expiration_timestamp: int) -> None:
        self._fill((position_id, amount, eth_address, asset_id, nonce, public_key, expiration_timestamp), True)

    def _check_together(self) -> None:
        # A different eth_address is hashed as a field element: above the
        # modulus it would hash like its remainder.
        if self.eth_address != self.public_key and self.eth_address > _ELEMENT:
            raise refuse("eth_address", "a value other than public_key must be below the field modulus")


class Transfer(Request):
    """A transfer. Not signed: `receiver_public_key` and `public_key`; the
    signature holds for any receiver key.

    Not promised: that a signature over it shows who signed (anyone can make
    one that verifies)."""

    _FIELDS = (
        field("sender_position_id", f.U64),
        field("receiver_public_key", f.KEY),
        field("receiver_position_id", f.U64),
        field("amount", f.U64),
        field("asset_id", f.U256, _ELEMENT),
        *_BASE,
    )
    __slots__ = _names(_FIELDS)
    _KIND = "transfer"
    sender_position_id: int
    receiver_public_key: int
    receiver_position_id: int
    amount: int
    asset_id: int
    nonce: int
    public_key: int
    expiration_timestamp: int

    def __init__(self, *, sender_position_id: int, receiver_public_key: PublicKey | int, receiver_position_id: int,
                 amount: int, asset_id: int, nonce: int, public_key: PublicKey | int,
                 expiration_timestamp: int) -> None:
        self._fill((sender_position_id, receiver_public_key, receiver_position_id, amount, asset_id, nonce,
                    public_key, expiration_timestamp), True)


class LimitOrder(Request):
    """A limit order. Not signed: `public_key`. `asset_id_synthetic` must
    differ from `asset_id_collateral`.

    Not promised: that a signature over it shows who signed (anyone can make
    one that verifies)."""

    _FIELDS = (
        field("amount_synthetic", f.U64),
        field("amount_collateral", f.U64),
        field("amount_fee", f.U64),
        # A negative identifier stops the extension's hash; the rest fit the field.
        field("asset_id_synthetic", f.I128, lowest=0),
        field("asset_id_collateral", f.U256, _ELEMENT),
        field("position_id", f.U64),
        *_BASE,
    )
    _BOOLS = ("is_buying_synthetic",)
    __slots__ = _names(_FIELDS) + _BOOLS
    _KIND = "limit_order"
    amount_synthetic: int
    amount_collateral: int
    amount_fee: int
    asset_id_synthetic: int
    asset_id_collateral: int
    position_id: int
    nonce: int
    public_key: int
    expiration_timestamp: int
    is_buying_synthetic: bool

    def __init__(self, *, amount_synthetic: int, amount_collateral: int, amount_fee: int, asset_id_synthetic: int,
                 asset_id_collateral: int, position_id: int, is_buying_synthetic: bool, nonce: int,
                 public_key: PublicKey | int, expiration_timestamp: int) -> None:
        self._fill((amount_synthetic, amount_collateral, amount_fee, asset_id_synthetic, asset_id_collateral,
                    position_id, nonce, public_key, expiration_timestamp, is_buying_synthetic), True)

    def _check_together(self) -> None:
        # With one asset on both sides, buying s for c hashes like selling c for s.
        if self.asset_id_synthetic == self.asset_id_collateral:
            raise refuse("asset_id_synthetic", "must differ from asset_id_collateral")


class Liquidate(Request):
    """A liquidation. Signed: only `liquidator_order`; the other four fields
    are read and checked but neither hashed nor signed.

    Not promised: that a signature over it shows who signed (anyone can make
    one that verifies)."""

    _FIELDS = (
        field("liquidated_position_id", f.U64),
        field("actual_collateral", f.U64),
        field("actual_synthetic", f.U64),
        field("actual_liquidator_fee", f.U64),
    )
    _ORDER = ("liquidator_order", "liquidated_position_id", "actual_collateral", "actual_synthetic",
              "actual_liquidator_fee")
    _ARRAY_FORM = True
    __slots__ = _names(_FIELDS) + ("liquidator_order",)
    _KIND = "liquidate"
    liquidator_order: LimitOrder
    liquidated_position_id: int
    actual_collateral: int
    actual_synthetic: int
    actual_liquidator_fee: int

    def __init__(self, *, liquidator_order: LimitOrder, liquidated_position_id: int, actual_collateral: int,
                 actual_synthetic: int, actual_liquidator_fee: int) -> None:
        if type(liquidator_order) is not LimitOrder:
            raise refuse("liquidator_order", f"expected LimitOrder, got {type(liquidator_order).__name__}")
        object.__setattr__(self, "liquidator_order", liquidator_order)
        self._fill((liquidated_position_id, actual_collateral, actual_synthetic, actual_liquidator_fee), True)

    def _items(self) -> tuple[tuple[str, object], ...]:
        return (("liquidator_order", self.liquidator_order), *super()._items())

    def _write_json(self) -> str:
        rest = super()._write_json()
        return '{"liquidator_order":' + self.liquidator_order.to_json() + "," + rest[1:]

    @classmethod
    def _from_value(cls, value: object, strict: bool) -> Liquidate:
        if isinstance(value, list) and not strict:
            value = dict(zip(cls._ORDER, value))
        if isinstance(value, dict) and "liquidator_order" in value:
            order = LimitOrder._from_value(value["liquidator_order"], strict)
            rest = {key: member for key, member in value.items() if key != "liquidator_order"}
            liquidation = super()._from_value(rest, strict)
            object.__setattr__(liquidation, "liquidator_order", order)
            return liquidation
        if isinstance(value, dict):
            raise refuse("liquidator_order", "missing")
        raise RequestError("Liquidate: expected a JSON object")


class SignedOraclePrice(Request):
    """An oracle price. Not signed: `signer_key`.

    Not promised: that a signature over it shows who signed (anyone can make
    one that verifies)."""

    _FIELDS = (
        field("signer_key", f.KEY),
        field("external_price", f.U128),
        field("timestamp", f.U32),
        field("signed_asset_id", f.U256, _ELEMENT),
    )
    _ORDER = ("signer_key", "external_price", "timestamp", "signed_asset_id")
    _ARRAY_FORM = True
    __slots__ = _names(_FIELDS)
    _KIND = "signed_oracle_price"
    signer_key: int
    external_price: int
    timestamp: int
    signed_asset_id: int

    def __init__(self, *, signer_key: PublicKey | int, external_price: int, timestamp: int,
                 signed_asset_id: int) -> None:
        self._fill((signer_key, external_price, timestamp, signed_asset_id), True)
