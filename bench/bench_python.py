"""Per-call medians of the module's functions, called from Python."""

import json
import statistics
import subprocess
import sys
import time

import korvo_python_sdk as sdk

KEY = sdk.private_key_from_seed("benchmark seed benchmark seed benchmark seed")
PUBLIC = json.loads(sdk.private_key_to_public_key_xy(KEY))
ASSET = "0x02893294412a4c8f915f75892b395ebbf6859ec246ec365c3b1f56f47c3a0a5d"
ORDER = json.dumps({
    "nonce": "1", "public_key": PUBLIC["x"], "expiration_timestamp": "1735689600",
    "amount_synthetic": "1000000", "amount_collateral": "25000000", "amount_fee": "1000",
    "asset_id_synthetic": "0x4254432d3130", "asset_id_collateral": ASSET, "position_id": "42",
    "is_buying_synthetic": True,
})
WITHDRAW_SAME = json.dumps({
    "nonce": "7", "public_key": PUBLIC["x"], "expiration_timestamp": "1735689600", "position_id": "42",
    "amount": "5000000", "eth_address": PUBLIC["x"], "asset_id": ASSET,
})
WITHDRAW_OTHER = json.dumps(dict(json.loads(WITHDRAW_SAME), eth_address="0x" + "ab" * 20))
TRANSFER = json.dumps({
    "nonce": "8", "public_key": PUBLIC["x"], "expiration_timestamp": "1735689600", "sender_position_id": "42",
    "receiver_public_key": "0x" + "cd" * 32, "receiver_position_id": "43", "amount": "1000", "asset_id": ASSET,
})
LIQUIDATE = json.dumps({
    "liquidator_order": json.loads(ORDER), "liquidated_position_id": "99", "actual_collateral": "1",
    "actual_synthetic": "1", "actual_liquidator_fee": "1",
})
ORACLE = json.dumps({"signer_key": PUBLIC["x"], "external_price": "30000000000", "timestamp": "1735689600",
                     "signed_asset_id": ASSET})
MESSAGE = sdk.hash_limit_order(ORDER)
SIGNATURE = json.loads(sdk.sign(KEY, MESSAGE))


def round_median_ns(call, repeat=200):
    samples = []
    for _ in range(repeat):
        start = time.perf_counter_ns()
        call()
        samples.append(time.perf_counter_ns() - start)
    return statistics.median(samples)


def medians_us(calls, rounds=15):
    """Per function, the median time per call within a round, from its
    quietest round. The machine's speed drifts over seconds, so the rounds
    take the functions in turn and spread each one's samples over the run."""
    for call in calls.values():
        call()
    best = {name: float("inf") for name in calls}
    for _ in range(rounds):
        for name, call in calls.items():
            best[name] = min(best[name], round_median_ns(call))
    return {name: value / 1000 for name, value in best.items()}


def first_use_ms(statement):
    code = f"import time, korvo_python_sdk as sdk\nt = time.perf_counter()\n{statement}\nprint((time.perf_counter() - t) * 1e3)"
    return float(subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True).stdout)


CALLS = {
    "hash_withdraw (same address, 1 block)": lambda: sdk.hash_withdraw(WITHDRAW_SAME),
    "hash_withdraw (other address, 2 hashes)": lambda: sdk.hash_withdraw(WITHDRAW_OTHER),
    "hash_transfer": lambda: sdk.hash_transfer(TRANSFER),
    "hash_limit_order": lambda: sdk.hash_limit_order(ORDER),
    "hash_liquidate": lambda: sdk.hash_liquidate(LIQUIDATE),
    "hash_signed_oracle_price": lambda: sdk.hash_signed_oracle_price(ORACLE),
    "private_key_from_seed": lambda: sdk.private_key_from_seed("benchmark seed benchmark seed benchmark seed"),
    "private_key_to_public_key_xy": lambda: sdk.private_key_to_public_key_xy(KEY),
    "public_key_to_xy": lambda: sdk.public_key_to_xy(PUBLIC["x"]),
    "is_on_curve": lambda: sdk.is_on_curve(PUBLIC["x"], PUBLIC["y"]),
    "sign": lambda: sdk.sign(KEY, MESSAGE),
    "sign_withdraw": lambda: sdk.sign_withdraw(WITHDRAW_SAME, KEY),
    "sign_transfer": lambda: sdk.sign_transfer(TRANSFER, KEY),
    "sign_limit_order": lambda: sdk.sign_limit_order(ORDER, KEY),
    "sign_liquidate": lambda: sdk.sign_liquidate(LIQUIDATE, KEY),
    "sign_signed_oracle_price": lambda: sdk.sign_signed_oracle_price(ORACLE, KEY),
    "eth_sign": lambda: sdk.eth_sign(KEY, MESSAGE),
    "verify_signature": lambda: sdk.verify_signature(SIGNATURE["r"], SIGNATURE["s"], PUBLIC["x"], PUBLIC["y"], MESSAGE),
}

if __name__ == "__main__":
    print(f"first hash in a fresh process: {first_use_ms('sdk.hash_signed_oracle_price(' + repr(ORACLE) + ')'):.2f} ms")
    print(f"first key in a fresh process:  {first_use_ms('sdk.public_key_to_xy(' + repr(PUBLIC['x']) + ')'):.2f} ms")
    for name, value in medians_us(CALLS).items():
        print(f"{name:42} {value:8.2f} us/call (median of the quietest round)")
