"""Signing from a coroutine through a thread keeps the event loop responsive: its longest stall stays
well under the length of the signing call, while the same call made in the loop stalls it for its
whole length. Of three rounds the quietest counts: on a busy machine the scheduler may take the
loop's core away for a moment whatever the package does."""

import asyncio
import sys
import time
from pathlib import Path

import korvo

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "examples"))
import async_signing  # noqa: E402

KEY = korvo.PrivateKey.from_seed("asyncio test seed asyncio test seed asyncio")
REQUESTS: list[korvo.Request] = [
    korvo.SignedOraclePrice(signer_key=KEY.public_key, external_price=n, timestamp=1, signed_asset_id=5)
    for n in range(400)
]


async def stall_while(sign):
    stop = asyncio.Event()
    watcher = asyncio.create_task(async_signing.longest_stall(stop))
    await asyncio.sleep(0)
    started = time.perf_counter()
    signatures = await sign()
    elapsed = time.perf_counter() - started
    stop.set()
    return elapsed, await watcher, signatures


async def in_loop():
    return KEY.sign_many(REQUESTS)


def test_signing_in_a_thread_keeps_the_loop_responsive():
    async def main():
        await async_signing.sign_in_thread(KEY, REQUESTS[:1])  # the worker thread exists
        threaded = [await stall_while(lambda: async_signing.sign_in_thread(KEY, REQUESTS)) for _ in range(3)]
        blocking = await stall_while(in_loop)
        return threaded, blocking

    threaded, (blocking_time, blocking_stall, expected) = asyncio.run(main())
    # The control: made in the loop, the call stalls it for about its whole length.
    assert blocking_stall > 0.8 * blocking_time
    assert all(signatures == expected for _, _, signatures in threaded)
    # The machine may be busy with other work and take the loop's core away for a moment: the best
    # of three rounds speaks for the package.
    assert min(stall / elapsed for elapsed, stall, _ in threaded) < 0.25, [t[:2] for t in threaded]
