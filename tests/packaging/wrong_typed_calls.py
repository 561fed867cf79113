"""Calls of the typed package that the type checkers must reject: every line ending in an
expect-error comment is one."""

import korvo

key = korvo.PrivateKey.generate()
oracle = korvo.SignedOraclePrice(signer_key=key.public_key, external_price=5, timestamp=6, signed_asset_id=7)
korvo.SignedOraclePrice(signer_key=1, external_price=5, timestamp=6, signed_asset_idd=7)  # expect-error: misspelled
korvo.SignedOraclePrice(signer_key=1, external_price="5", timestamp=6, signed_asset_id=7)  # expect-error: str for int
korvo.SignedOraclePrice(1, 5, 6, 7)  # expect-error: positional arguments
signature = key.sign(oracle)
korvo.verify(signature, signature, 5)  # expect-error: a signature passed as the key
korvo.verify(signature, key.public_key, "0x5")  # expect-error: a str message
key.sign(signature)  # expect-error: a signature is not a request
korvo.hash_many([oracle.to_json()])  # expect-error: texts are not requests
hashed: int = oracle.hash()  # expect-error: the hash is text
korvo.verify(signature, key.public_key, 5)
