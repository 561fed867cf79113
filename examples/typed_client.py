"""A market maker's round with the typed package: orders built as checked values, signed one by one
and in a batch, verified, and a refused order caught by its field."""

import korvo

ASSET_COLLATERAL = 0x02893294412A4C8F915F75892B395EBBF6859EC246EC365C3B1F56F47C3A0A5D
ASSET_SYNTHETIC = 0x4254432D3130


def order(key: korvo.PrivateKey, nonce: int, buying: bool) -> korvo.LimitOrder:
    return korvo.LimitOrder(
        amount_synthetic=1_000_000,
        amount_collateral=25_000_000,
        amount_fee=1_000,
        asset_id_synthetic=ASSET_SYNTHETIC,
        asset_id_collateral=ASSET_COLLATERAL,
        position_id=42,
        is_buying_synthetic=buying,
        nonce=nonce,
        public_key=key.public_key,
        expiration_timestamp=1_735_689_600,
    )


def main() -> None:
    key = korvo.PrivateKey.from_seed("korvo typed example seed: never use a public seed for real funds")
    first = order(key, nonce=1, buying=True)
    signature: korvo.Signature = key.sign(first)
    assert korvo.verify(signature, key.public_key, int(first.hash(), 16))
    print("order hash", first.hash())
    print("signature", signature.to_json())

    book = [order(key, nonce=n, buying=n % 2 == 0) for n in range(2, 66)]
    hashes: list[str] = korvo.hash_many(book)
    signatures: list[korvo.Signature] = key.sign_many(book)
    print(f"{len(signatures)} orders signed in one call; the last hash {hashes[-1]}")

    try:
        order(key, nonce=2**32, buying=True)
    except korvo.RequestError as error:
        print(f"refused {error.field}: {error}")

    same = korvo.LimitOrder.from_json(first.to_json())
    assert same == first and key.sign(same) == signature


if __name__ == "__main__":
    main()
