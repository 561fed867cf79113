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
    """Check a signature over a 256-bit message under a packed public key.

    This checks the signature equation; it does not prove who signed. The
    message itself is the challenge, so anyone can make a signature that
    verifies for any message and key: do not use it to authenticate data
    received from others.

    Args:
        sig_r: the signature's "r", the packed R point, in hex.
            Leading "0x" prefixes and then leading "0X" prefixes are removed
            (any number of each), then at most 64 hex digits in either case.
        sig_s: the signature's "s", read like sig_r; it must be below the
            group order
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.
        pub_key_x: the signer's packed public key, the "x" of
            private_key_to_public_key_xy, in hex.
            One optional lower-case "0x" ("0X" and a repeated "0x" are
            rejected), then at most 64 hex digits in either case; an empty
            text is 0.
        pub_key_y: not read; any text is accepted.
        msg: the signed value, read like pub_key_x. It is taken modulo L,
            so a signature over msg also verifies for msg + L.

    Returns:
        True when the signature equation holds, else False.

    Raises:
        ValueError: when a text does not parse, when sig_r or pub_key_x is
            not a curve point, or when sig_s is at or above L: these raise,
            they do not return False.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def sign_withdraw(json: str, pri_key: str) -> str:
    """Sign the message hash of a withdrawal request.

    The signature covers the fields hash_withdraw hashes, and of public_key
    only whether it equals eth_address.

    Args:
        json: the withdrawal, read exactly as hash_withdraw reads it.
        pri_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.

    Returns:
        The signature JSON with the keys "r" (the packed R point) and "s"
        (the scalar), each "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request or the key does not parse.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def sign_transfer(json: str, pri_key: str) -> str:
    """Sign the message hash of a transfer request.

    The signature does not cover receiver_public_key or public_key: a
    transfer changed in those fields carries the same signature.

    Args:
        json: the transfer, read exactly as hash_transfer reads it.
        pri_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.

    Returns:
        The signature JSON with the keys "r" (the packed R point) and "s"
        (the scalar), each "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request or the key does not parse.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def sign_limit_order(json: str, pri_key: str) -> str:
    """Sign the message hash of a limit order.

    The signature does not cover public_key: an order changed in that field
    carries the same signature.

    Args:
        json: the order, read exactly as hash_limit_order reads it.
        pri_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.

    Returns:
        The signature JSON with the keys "r" (the packed R point) and "s"
        (the scalar), each "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the order or the key does not parse, or when
            asset_id_synthetic is negative.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def sign_liquidate(json: str, pri_key: str) -> str:
    """Sign a liquidation: the limit-order signature of its liquidator_order.

    The signature is the one sign_limit_order gives the liquidator_order; it
    does not cover liquidated_position_id, actual_collateral,
    actual_synthetic or actual_liquidator_fee, nor the order's public_key.

    Args:
        json: the liquidation, read exactly as hash_liquidate reads it.
        pri_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.

    Returns:
        The signature JSON with the keys "r" (the packed R point) and "s"
        (the scalar), each "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request or the key does not parse, or when
            asset_id_synthetic is negative.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def sign_signed_oracle_price(json: str, pri_key: str) -> str:
    """Sign the message hash of an oracle price.

    The signature does not cover signer_key: a price changed in that field
    carries the same signature.

    Args:
        json: the price, read exactly as hash_signed_oracle_price reads it.
        pri_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.

    Returns:
        The signature JSON with the keys "r" (the packed R point) and "s"
        (the scalar), each "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request or the key does not parse.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def hash_withdraw(json: str) -> str:
    """Message hash of a withdrawal request.

    The hash takes position_id, amount, nonce, expiration_timestamp,
    asset_id and eth_address, and of public_key only whether it equals
    eth_address. The nonce has 32 bits of the hashed word: a nonce of 2^32
    or more adds into position_id's bits, so two requests can hash alike.
    Hex values are hashed modulo the field prime after bit 255 is cleared.

    Args:
        json: a JSON object with the keys position_id, amount, nonce
            (decimal, below 2^64), expiration_timestamp (decimal, below
            2^32), eth_address, public_key (hex, packed keys) and asset_id
            (hex, 256-bit).
            A decimal field is a JSON string of digits with an optional "+";
            a hex field is a JSON string with one optional lower-case "0x"
            ("0X" is rejected) and at most 64 hex digits in either case.
            Unknown keys are ignored; a missing or repeated key, a null, or a
            JSON number in place of a string raises.

    Returns:
        The message hash, "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request does not parse.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def hash_transfer(json: str) -> str:
    """Message hash of a transfer request.

    The hash takes sender_position_id, receiver_position_id, amount,
    nonce, expiration_timestamp and asset_id; receiver_public_key and
    public_key are read but not hashed. The nonce has 32 bits of the
    hashed word: a nonce of 2^32 or more adds into the bits above it.
    Hex values are hashed modulo the field prime after bit 255 is cleared.

    Args:
        json: a JSON object with the keys sender_position_id,
            receiver_position_id, amount, nonce (decimal, below 2^64),
            expiration_timestamp (decimal, below 2^32), asset_id (hex,
            256-bit), receiver_public_key and public_key (hex, packed keys).
            A decimal field is a JSON string of digits with an optional "+";
            a hex field is a JSON string with one optional lower-case "0x"
            ("0X" is rejected) and at most 64 hex digits in either case.
            Unknown keys are ignored; a missing or repeated key, a null, or a
            JSON number in place of a string raises.

    Returns:
        The message hash, "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request does not parse.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def hash_limit_order(json: str) -> str:
    """Message hash of a limit order.

    The hash takes every field but public_key, which is read but not
    hashed. The nonce has 32 bits of the hashed word: a nonce of 2^32 or
    more adds into amount_fee's bits, so two orders can hash alike. Hex
    values are hashed modulo the field prime after bit 255 is cleared.

    Args:
        json: a JSON object with the keys amount_synthetic,
            amount_collateral, amount_fee, position_id, nonce (decimal,
            below 2^64), expiration_timestamp (decimal, below 2^32),
            asset_id_synthetic (signed hex, 128-bit: any number of
            lower-case "0x", then an optional sign and digits; a negative
            value raises when hashed), asset_id_collateral (hex, 256-bit),
            is_buying_synthetic (JSON true or false) and public_key (hex, a
            packed key).
            A decimal field is a JSON string of digits with an optional "+";
            a hex field is a JSON string with one optional lower-case "0x"
            ("0X" is rejected) and at most 64 hex digits in either case.
            Unknown keys are ignored; a missing or repeated key, a null, or a
            JSON number in place of a string raises.

    Returns:
        The message hash, "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the order does not parse, or when
            asset_id_synthetic is negative.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def hash_liquidate(json: str) -> str:
    """Message hash of a liquidation: the hash of its liquidator_order.

    Only the liquidator_order is hashed, exactly as hash_limit_order hashes
    it; liquidated_position_id, actual_collateral, actual_synthetic and
    actual_liquidator_fee are read and checked but not hashed.

    Args:
        json: a JSON object with the keys liquidator_order (a limit order
            object, as hash_limit_order reads it), liquidated_position_id,
            actual_collateral, actual_synthetic and actual_liquidator_fee
            (decimal, below 2^64), or a JSON array of the five values in
            that order.
            A decimal field is a JSON string of digits with an optional "+";
            a hex field is a JSON string with one optional lower-case "0x"
            ("0X" is rejected) and at most 64 hex digits in either case.
            Unknown keys are ignored; a missing or repeated key, a null, or a
            JSON number in place of a string raises.

    Returns:
        The message hash, "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request does not parse, or when
            asset_id_synthetic is negative.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def hash_signed_oracle_price(json: str) -> str:
    """Message hash of an oracle price.

    The hash takes signed_asset_id, external_price and timestamp;
    signer_key is read but not hashed. Hex values are hashed modulo the
    field prime after bit 255 is cleared.

    Args:
        json: a JSON object with the keys signer_key (hex, a packed key),
            external_price (decimal, below 2^128), timestamp (decimal, below
            2^32) and signed_asset_id (hex, 256-bit), or a JSON array of the
            four values in that order.
            A decimal field is a JSON string of digits with an optional "+";
            a hex field is a JSON string with one optional lower-case "0x"
            ("0X" is rejected) and at most 64 hex digits in either case.
            Unknown keys are ignored; a missing or repeated key, a null, or a
            JSON number in place of a string raises.

    Returns:
        The message hash, "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the request does not parse.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def sign(private_key: str, msg: str) -> str:
    """Sign a 256-bit message as given (it is not hashed again).

    Args:
        private_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.
        msg: the message in hex.
            One optional lower-case "0x" ("0X" and a repeated "0x" are
            rejected), then at most 64 hex digits in either case; an empty
            text is 0.
            The challenge is msg taken modulo L, so the signature also
            verifies for msg + L.

    Returns:
        The signature JSON with the keys "r" (the packed R point) and "s"
        (the scalar), each "0x" and 64 lower-case hex digits.

    Raises:
        ValueError: when the message or the key does not parse (the message
            is looked at first).
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def eth_sign(private_key: str, msg: str) -> str:
    """Layer-1 signature of a 256-bit message.

    The same R and S as sign(private_key, msg), written out with R's
    coordinates and the signer's public key.

    Args:
        private_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.
        msg: the message in hex; unlike sign, eth_sign accepts "0X".
            Leading "0x" prefixes and then leading "0X" prefixes are removed
            (any number of each), then at most 64 hex digits in either case.

    Returns:
        The JSON with the keys "x" and "y" (R's affine coordinates), "s"
        (the scalar), "pk_x" (the signer's packed public key) and "pk_y"
        (the x coordinate of the signer's public key point), each "0x" and
        64 lower-case hex digits. pk_x and pk_y are the "x" and "y" that
        private_key_to_public_key_xy returns for the key.

    Raises:
        ValueError: when the key or the message does not parse (the key is
            looked at first).
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def private_key_from_seed(seed: str) -> str:
    """Derive a private key from a secret seed.

    The same seed always gives the same key, so the seed is as secret as
    the key.

    Args:
        seed: used as its UTF-8 bytes (not decoded from hex); at least 32
            of them.

    Returns:
        The private key, "0x" and 64 lower-case hex digits, a value below
        the group order
        L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.

    Raises:
        ValueError: when the seed is shorter than 32 bytes.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def is_on_curve(x: str, y: str) -> bool:
    """Check that y is the point x coordinate of the packed public key x.

    This compares text; y is never parsed. With the prefixes removed from
    both, x must be the packed key as given and y the point's x coordinate
    in exactly 64 lower-case hex digits, as public_key_to_xy(x) gives it:
    upper-case digits, missing leading zeros or text that is not hex in y
    give False.

    Args:
        x: a packed public key in hex.
            Leading "0x" prefixes and then leading "0X" prefixes are removed
            (any number of each), then at most 64 hex digits in either case.
        y: any text; its prefixes are removed as for x.

    Returns:
        True when y is exactly that coordinate text, else False. A non-zero
        packed key below 2^160 is taken without a curve check, with the
        coordinate 0.

    Raises:
        ValueError: when x does not parse or is not a curve point.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def public_key_to_xy(public_key: str) -> str:
    """Unpack a packed public key.

    Args:
        public_key: the packed key in hex.
            Leading "0x" prefixes and then leading "0X" prefixes are removed
            (any number of each), then at most 64 hex digits in either case.

    Returns:
        The JSON with the keys "x" ("0x" and the caller's digits as given,
        case and length kept, no padding) and "y" (the point's x
        coordinate, "0x" and 64 lower-case hex digits). A non-zero key
        below 2^160 is taken without a curve check, with the coordinate 0.

    Raises:
        ValueError: when the key does not parse or is not a curve point.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """

def private_key_to_public_key_xy(private_key: str) -> str:
    """Public key of a private key.

    Args:
        private_key: the private key, as private_key_from_seed returns it:
            64 hex digits in either case behind any number of lower-case
            "0x" ("0X" is rejected), with a value below the group order
            L (0 is accepted), where
            L = 0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1.

    Returns:
        The JSON with the keys "x" (the packed public key) and "y" (the x
        coordinate of the public key point), each "0x" and 64 lower-case
        hex digits. The "x" is the public_key of requests and the pub_key_x
        of verify_signature.
        The key 0 gives the neutral point, whose packed key is 1.

    Raises:
        ValueError: when the key does not parse.
            Every failure raises ValueError("Any { .. }") with the reason
            in e.__notes__ and in a report on standard error.
    """
