"""Hashing and signing of exchange transactions with Poseidon and EdDSA."""

__version__: str
__all__ = [
    "verify_signature",
    "sign_withdraw",
    "sign_transfer",
    "sign_limit_order",
    "sign_liquidate",
    "sign_signed_oracle_price",
    "hash_withdraw",
    "hash_transfer",
    "hash_limit_order",
    "hash_liquidate",
    "hash_signed_oracle_price",
    "sign",
    "eth_sign",
    "private_key_from_seed",
    "is_on_curve",
    "public_key_to_xy",
    "private_key_to_public_key_xy",
]

def verify_signature(sig_r: str, sig_s: str, pub_key_x: str, pub_key_y: str, msg: str) -> bool:
    """Check a signature over a message under a packed public key."""

def sign_withdraw(json: str, pri_key: str) -> str:
    """Sign the message hash of a withdrawal request."""

def sign_transfer(json: str, pri_key: str) -> str:
    """Sign the message hash of a transfer request."""

def sign_limit_order(json: str, pri_key: str) -> str:
    """Sign the message hash of a limit order."""

def sign_liquidate(json: str, pri_key: str) -> str:
    """Sign a liquidation: the limit-order signature of its liquidator_order."""

def sign_signed_oracle_price(json: str, pri_key: str) -> str:
    """Sign the message hash of an oracle price."""

def hash_withdraw(json: str) -> str:
    """Message hash of a withdrawal request."""

def hash_transfer(json: str) -> str:
    """Message hash of a transfer request."""

def hash_limit_order(json: str) -> str:
    """Message hash of a limit order."""

def hash_liquidate(json: str) -> str:
    """Message hash of a liquidation: the hash of its liquidator_order."""

def hash_signed_oracle_price(json: str) -> str:
    """Message hash of an oracle price."""

def sign(private_key: str, msg: str) -> str:
    """Sign a 256-bit message as given (it is not hashed again)."""

def eth_sign(private_key: str, msg: str) -> str:
    """Layer-1 signature of a 256-bit message."""

def private_key_from_seed(seed: str) -> str:
    """Derive a private key from a secret seed."""

def is_on_curve(x: str, y: str) -> bool:
    """Check that y is the point x coordinate of the packed public key x."""

def public_key_to_xy(public_key: str) -> str:
    """Unpack a packed public key."""

def private_key_to_public_key_xy(private_key: str) -> str:
    """Public key of a private key."""
