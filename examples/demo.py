"""Derives a key, hashes and signs one request of each kind, and verifies the signatures."""

import json
from collections.abc import Callable

import korvo_python_sdk as sdk

SEED = "korvo demo seed: never use a public seed for real funds"

HASH: dict[str, Callable[[str], str]] = {
    "withdraw": sdk.hash_withdraw,
    "transfer": sdk.hash_transfer,
    "limit_order": sdk.hash_limit_order,
    "liquidate": sdk.hash_liquidate,
    "signed_oracle_price": sdk.hash_signed_oracle_price,
}
SIGN: dict[str, Callable[[str, str], str]] = {
    "withdraw": sdk.sign_withdraw,
    "transfer": sdk.sign_transfer,
    "limit_order": sdk.sign_limit_order,
    "liquidate": sdk.sign_liquidate,
    "signed_oracle_price": sdk.sign_signed_oracle_price,
}

ORDER: dict[str, object] = {
    "nonce": "1",
    "public_key": None,  # filled with the demo key below
    "expiration_timestamp": "1735689600",
    "amount_synthetic": "1000000",
    "amount_collateral": "25000000",
    "amount_fee": "1000",
    "asset_id_synthetic": "0x4254432d3130000000000000000000",
    "asset_id_collateral": "0x02893294412a4c8f915f75892b395ebbf6859ec246ec365c3b1f56f47c3a0a5d",
    "position_id": "42",
    "is_buying_synthetic": True,
}


def requests(public_key: str) -> dict[str, dict[str, object]]:
    order = dict(ORDER, public_key=public_key)
    return {
        "withdraw": {
            "nonce": "7", "public_key": public_key, "expiration_timestamp": "1735689600",
            "position_id": "42", "amount": "5000000", "eth_address": "0x" + "ab" * 20,
            "asset_id": ORDER["asset_id_collateral"],
        },
        "transfer": {
            "nonce": "8", "public_key": public_key, "expiration_timestamp": "1735689600",
            "sender_position_id": "42", "receiver_public_key": "0x" + "cd" * 32,
            "receiver_position_id": "43", "amount": "1000", "asset_id": ORDER["asset_id_collateral"],
        },
        "limit_order": order,
        "liquidate": {
            "liquidator_order": order, "liquidated_position_id": "99", "actual_collateral": "25000000",
            "actual_synthetic": "1000000", "actual_liquidator_fee": "1000",
        },
        "signed_oracle_price": {
            "signer_key": public_key, "external_price": "30000000000", "timestamp": "1735689600",
            "signed_asset_id": "0x425443555344000000000000000000004d616b657200000000000000000001",
        },
    }


def main() -> None:
    private_key = sdk.private_key_from_seed(SEED)
    public = json.loads(sdk.private_key_to_public_key_xy(private_key))
    print(f"public key (packed): {public['x']}")
    print(f"public key (x):      {public['y']}")
    assert sdk.is_on_curve(public["x"], public["y"])

    for kind, request in requests(public["x"]).items():
        text = json.dumps(request)
        message = HASH[kind](text)
        signature = json.loads(SIGN[kind](text, private_key))
        valid = sdk.verify_signature(signature["r"], signature["s"], public["x"], public["y"], message)
        print(f"{kind:20} hash {message}")
        print(f"{'':20} r    {signature['r']}\n{'':20} s    {signature['s']}  verified: {valid}")
        assert valid

    layer1 = json.loads(sdk.eth_sign(private_key, "0x1234"))
    assert layer1["pk_x"] == public["x"] and layer1["pk_y"] == public["y"]
    print(f"layer-1 signature of 0x1234: s = {layer1['s']}")
    print("all signatures verified")


if __name__ == "__main__":
    main()
