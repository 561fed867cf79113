"""Typed, checked requests, keys and signatures over korvo_python_sdk.

Requests (`Withdraw`, `Transfer`, `LimitOrder`, `Liquidate`,
`SignedOraclePrice`) are frozen and keyword-only; their constructors check
every field's type and range before the extension is called and raise
`RequestError` naming the field. Beyond the ranges the extension's reader
accepts, they refuse every value that would hash like another value:

- `nonce` (withdrawal, transfer, limit order, the liquidator's order): read
  as 64 bits, it has 32 bits in the hashed word; a larger nonce adds into
  the field above it (`position_id` 0 with nonce 2**32 hashes like
  `position_id` 1 with nonce 0; in a limit order it adds into `amount_fee`;
  in a transfer into the second copy of `sender_position_id`, which no
  transfer can set apart from the first, so it is refused there for its
  slot alone).
- `asset_id` (withdrawal, transfer), `asset_id_collateral` (limit order),
  `signed_asset_id` (oracle price): read as 256 bits, they enter the hash as
  field elements, bit 255 cleared and reduced modulo
  p = 0x30644e72...f0000001; they must be below p.
- `eth_address` (withdrawal): when it differs from `public_key` it is hashed
  as a field element too, so it must be below p; equal to `public_key` it
  only selects the word's tag.
- `asset_id_synthetic` (limit order): read as a signed 128-bit value; a
  negative one stops the extension's hash, so it must be 0 or more; and it
  must differ from `asset_id_collateral`: with one asset on both sides,
  buying s for c hashes like selling c for s.

Fields the signature does not cover at all: a withdrawal's `public_key`
(only whether it equals `eth_address` counts), a transfer's
`receiver_public_key` and `public_key`, a limit order's `public_key`, a
liquidation's four fields besides `liquidator_order`, an oracle price's
`signer_key`.

Not promised by the scheme: that a signature shows who signed. The
challenge is the message itself, so anyone can make a signature that
verifies for any key and message; `verify` checks an equation.

Errors are `Error` (a ValueError): `RequestError`, `InvalidKeyError`,
`InternalFailure`. A call through this package never writes to standard
error; `set_failure_reports(False)` silences the extension's own functions.
"""

from ._batch import hash_many
from ._errors import Error, InternalFailure, InvalidKeyError, RequestError
from ._keys import L1Signature, PrivateKey, Signature, verify
from ._native import set_failure_reports
from ._public_key import PublicKey
from ._requests import LimitOrder, Liquidate, Request, SignedOraclePrice, Transfer, Withdraw

__all__ = [
    "Error",
    "InternalFailure",
    "InvalidKeyError",
    "L1Signature",
    "LimitOrder",
    "Liquidate",
    "PrivateKey",
    "PublicKey",
    "Request",
    "RequestError",
    "Signature",
    "SignedOraclePrice",
    "Transfer",
    "Withdraw",
    "hash_many",
    "set_failure_reports",
    "verify",
]
