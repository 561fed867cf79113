"""Public keys: the packed key and the point's x coordinate."""

from __future__ import annotations

import json
from ._errors import InvalidKeyError
from ._native import call


class PublicKey:
    """A public key: `packed` is the packed point (the form requests and the
    extension take), `x` the point's x coordinate.

    Not promised: that whoever shows a signature verifying under this key
    holds its private key (anyone can make one for any message).
    """

    __slots__ = ("packed", "x")
    packed: int
    x: int

    def __init__(self, packed: int, x: int) -> None:
        """Prefer `from_packed`, which computes and checks `x`."""
        for name, value in (("packed", packed), ("x", x)):
            if type(value) is not int or not 0 <= value < 2**256:
                raise InvalidKeyError(f"{name}: expected an int of 256 bits")
        object.__setattr__(self, "packed", packed)
        object.__setattr__(self, "x", x)

    @classmethod
    def from_packed(cls, packed: int) -> PublicKey:
        """The key of a packed point; InvalidKeyError when it is not one."""
        if type(packed) is not int or not 0 <= packed < 2**256:
            raise InvalidKeyError("packed: expected an int of 256 bits")
        pair = json.loads(str(call("public_key_to_xy", f"0x{packed:064x}")))
        return cls(packed, int(pair["y"], 16))

    def to_json(self) -> str:
        """{"x": packed key, "y": point x}, as the extension's
        private_key_to_public_key_xy writes it."""
        return f'{{"x":"0x{self.packed:064x}","y":"0x{self.x:064x}"}}'

    def __setattr__(self, name: str, value: object) -> None:
        raise AttributeError("PublicKey is immutable")

    def __eq__(self, other: object) -> bool:
        return isinstance(other, PublicKey) and (self.packed, self.x) == (other.packed, other.x)

    def __hash__(self) -> int:
        return hash((self.packed, self.x))

    def __repr__(self) -> str:
        return f"PublicKey(packed=0x{self.packed:064x})"
