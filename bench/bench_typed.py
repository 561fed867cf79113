"""The typed package against the raw functions, one thread: a typed LimitOrder(...).sign(key) against
sign_limit_order on the same request, and hash_many / sign_many of 64 limit orders against a Python
loop over hash_limit_order / sign_limit_order. A and B take turns within each round, and each
figure is the median of its quietest round: the machine's speed drifts over seconds."""

import statistics
import time

import korvo
import korvo_python_sdk as sdk

KEY = korvo.PrivateKey.from_seed("benchmark seed benchmark seed benchmark seed")
KEY_TEXT = sdk.private_key_from_seed("benchmark seed benchmark seed benchmark seed")
BATCH = 64


def order_fields(nonce):
    return dict(amount_synthetic=1_000_000, amount_collateral=25_000_000, amount_fee=1_000,
                asset_id_synthetic=0x4254432D3130,
                asset_id_collateral=0x02893294412A4C8F915F75892B395EBBF6859EC246EC365C3B1F56F47C3A0A5D,
                position_id=42, is_buying_synthetic=nonce % 2 == 0, nonce=nonce, public_key=KEY.public_key,
                expiration_timestamp=1_735_689_600)


FIELDS = order_fields(1)
ORDER_TEXT = korvo.LimitOrder(**FIELDS).to_json()
ORDERS = [korvo.LimitOrder(**order_fields(n)) for n in range(BATCH)]
TEXTS = [order.to_json() for order in ORDERS]


def typed_sign():
    korvo.LimitOrder(**FIELDS).sign(KEY)


def raw_sign():
    sdk.sign_limit_order(ORDER_TEXT, KEY_TEXT)


def hash_many():
    korvo.hash_many(ORDERS)


def raw_hash_loop():
    for text in TEXTS:
        sdk.hash_limit_order(text)


def sign_many():
    KEY.sign_many(ORDERS)


def raw_sign_loop():
    for text in TEXTS:
        sdk.sign_limit_order(text, KEY_TEXT)


def median_us(call, repeat):
    samples = []
    for _ in range(repeat):
        start = time.perf_counter_ns()
        call()
        samples.append(time.perf_counter_ns() - start)
    return statistics.median(samples) / 1000


def compare(a, b, repeat, rounds=15):
    """The quietest round's medians of a and b, measured in turns."""
    a(), b()
    best_a = best_b = float("inf")
    for _ in range(rounds):
        best_a = min(best_a, median_us(a, repeat))
        best_b = min(best_b, median_us(b, repeat))
    return best_a, best_b


if __name__ == "__main__":
    assert korvo.LimitOrder(**FIELDS).sign(KEY).to_json() == sdk.sign_limit_order(ORDER_TEXT, KEY_TEXT)
    assert korvo.hash_many(ORDERS) == [sdk.hash_limit_order(text) for text in TEXTS]
    typed, raw = compare(typed_sign, raw_sign, 200)
    print(f"typed LimitOrder(...).sign(key)   {typed:8.2f} us   raw sign_limit_order {raw:8.2f} us   "
          f"ratio {typed / raw:.3f} (target <= 1.15)")
    for name, (batched, loop) in (("hash_many", compare(hash_many, raw_hash_loop, 20)),
                                  ("sign_many", compare(sign_many, raw_sign_loop, 10))):
        print(f"{name} of {BATCH} orders            {batched / BATCH:8.2f} us/order   raw loop {loop / BATCH:8.2f} "
              f"us/order   calls/s {loop / batched:.3f}x the loop (target >= 1.25)")
