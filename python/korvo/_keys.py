"""Private keys, signatures and verification."""

from __future__ import annotations

import json
import re
import secrets
from collections.abc import Iterable
from dataclasses import dataclass

from ._errors import InvalidKeyError, RequestError
from ._native import call, call_many
from ._public_key import PublicKey
from ._requests import Request

_SIGNATURE_LENGTH = len('{"r":"0x","s":"0x"}') + 128
_HEX_TEXT = re.compile(r"(?:0x)?[0-9a-fA-F]{1,64}")


def _message_text(msg: int) -> str:
    if type(msg) is not int or not 0 <= msg < 2**256:
        raise RequestError("msg: expected an int of 256 bits", field="msg")
    return f"0x{msg:064x}"


@dataclass(frozen=True, slots=True)
class Signature:
    """A signature: `r` the packed R point, `s` the scalar.

    Not promised: that it was made by the key it verifies under; the
    challenge is the message itself, so anyone can make a pair that verifies
    for any key and message."""

    r: int
    s: int

    def __post_init__(self) -> None:
        for name in ("r", "s"):
            value = getattr(self, name)
            if type(value) is not int or not 0 <= value < 2**256:
                raise InvalidKeyError(f"{name}: expected an int of 256 bits")

    def to_json(self) -> str:
        """{"r", "s"} exactly as the extension's sign functions write it."""
        return f'{{"r":"0x{self.r:064x}","s":"0x{self.s:064x}"}}'

    @classmethod
    def from_json(cls, text: str) -> Signature:
        """The signature of a {"r", "s"} JSON object of hex texts ("0x" and up to
        64 digits), as the extension writes it."""
        try:
            members = json.loads(text)
        except (TypeError, ValueError) as error:
            raise InvalidKeyError(f"not a signature: {error}") from None
        if not isinstance(members, dict) or set(members) != {"r", "s"}:
            raise InvalidKeyError("not a signature: expected exactly the keys r and s")
        parts = [members["r"], members["s"]]
        if not all(isinstance(part, str) and _HEX_TEXT.fullmatch(part) for part in parts):
            raise InvalidKeyError("not a signature: r and s must be hex texts of 256 bits")
        return cls(int(parts[0], 16), int(parts[1], 16))


def _signature(text: str) -> Signature:
    # The extension's own text: r and s at fixed places, 256-bit by their
    # width, so the constructor's checks have nothing to find.
    if len(text) != _SIGNATURE_LENGTH:
        return Signature.from_json(text)
    signature = object.__new__(Signature)
    object.__setattr__(signature, "r", int(text[8:72], 16))
    object.__setattr__(signature, "s", int(text[81:145], 16))
    return signature


@dataclass(frozen=True, slots=True)
class L1Signature:
    """A layer-1 signature: R as (x, y), the scalar s and the public key
    point (pk_x, pk_y).

    Not promised: that it was made by the key it names (see Signature)."""

    x: int
    y: int
    s: int
    pk_x: int
    pk_y: int

    def to_json(self) -> str:
        """The JSON object the extension's eth_sign writes."""
        return ("{" + ",".join(f'"{name}":"0x{getattr(self, name):064x}"' for name in ("x", "y", "s", "pk_x", "pk_y"))
                + "}")


class PrivateKey:
    """A private key. Its repr and str never show the key.

    Not promised: that the key text is wiped from memory; Python strings
    cannot be, so keep keys in as few objects as you can."""

    __slots__ = ("_text", "public_key")
    _text: str
    public_key: PublicKey

    def __init__(self, text: str) -> None:
        """Prefer from_hex, from_seed or generate."""
        if type(text) is not str:
            raise InvalidKeyError(f"expected the key as hex text, got {type(text).__name__}")
        pair = json.loads(str(call("private_key_to_public_key_xy", text)))
        object.__setattr__(self, "_text", text)
        object.__setattr__(self, "public_key", PublicKey(int(pair["x"], 16), int(pair["y"], 16)))

    @classmethod
    def from_hex(cls, text: str) -> PrivateKey:
        """The key of a hex text, as the extension's functions read it."""
        return cls(text)

    @classmethod
    def from_seed(cls, seed: str) -> PrivateKey:
        """The key derived from a seed text of at least 32 bytes (UTF-8)."""
        if type(seed) is not str:
            raise InvalidKeyError(f"expected the seed as str, got {type(seed).__name__}")
        return cls(str(call("private_key_from_seed", seed)))

    @classmethod
    def generate(cls) -> PrivateKey:
        """A new key from the operating system's randomness (a 256-bit seed)."""
        return cls.from_seed(secrets.token_hex(32))

    def sign(self, request: Request) -> Signature:
        """The signature of the request's message hash.

        Not promised: that it proves to anyone that this key signed; see
        Signature."""
        if not isinstance(request, Request):
            raise RequestError(f"expected a request, got {type(request).__name__}")
        return _signature(str(call("sign_" + request._KIND, request.to_json(), self._text)))

    def sign_many(self, requests: Iterable[Request]) -> list[Signature]:
        """The signatures of the requests in order, from one call of the
        extension; a failure raises the first failing request's error with
        its `index`, and nothing is returned.

        Not promised: anything more than sign() promises for each."""
        batch = list(requests)
        for request in batch:
            if not isinstance(request, Request):
                raise RequestError(f"expected a request, got {type(request).__name__}")
        texts = call_many(["sign_" + request._KIND for request in batch], [r.to_json() for r in batch], self._text)
        return [_signature(text) for text in texts]

    def sign_message(self, msg: int) -> Signature:
        """The signature of a 256-bit message as given (not hashed again).

        Not promised: that it proves who signed; see Signature."""
        return _signature(str(call("sign", self._text, _message_text(msg))))

    def eth_sign(self, msg: int) -> L1Signature:
        """The layer-1 signature of a 256-bit message.

        Not promised: that it proves who signed; see Signature."""
        members = json.loads(str(call("eth_sign", self._text, _message_text(msg))))
        return L1Signature(*(int(members[name], 16) for name in ("x", "y", "s", "pk_x", "pk_y")))

    def __setattr__(self, name: str, value: object) -> None:
        raise AttributeError("PrivateKey is immutable")

    def __repr__(self) -> str:
        return f"PrivateKey(public_key={self.public_key!r})"

    __str__ = __repr__

    def __reduce__(self) -> str:
        raise TypeError("a PrivateKey is not pickled: keep its hex text where you keep secrets")


def verify(signature: Signature, public_key: PublicKey, message: int) -> bool:
    """Whether the signature equation holds for `message` under `public_key`.

    Not promised: that the key's owner signed; the challenge is the message
    itself, so anyone can make a signature that verifies for any key and
    message. A signature whose r is not a point, or whose s is not below the
    group order, is an InvalidKeyError."""
    if not isinstance(signature, Signature):
        raise InvalidKeyError(f"expected a Signature, got {type(signature).__name__}")
    if not isinstance(public_key, PublicKey):
        raise InvalidKeyError(f"expected a PublicKey, got {type(public_key).__name__}")
    return bool(call("verify_signature", f"0x{signature.r:064x}", f"0x{signature.s:064x}",
                     f"0x{public_key.packed:064x}", f"0x{public_key.x:064x}", _message_text(message)))
