"""Signing from a coroutine without stalling the event loop: the batch runs in a worker thread, and
the extension releases the interpreter lock for the whole batch, so the loop keeps its other tasks
on time."""

import asyncio
import time

import korvo


async def sign_in_thread(key: korvo.PrivateKey, requests: list[korvo.Request]) -> list[korvo.Signature]:
    return await asyncio.to_thread(key.sign_many, requests)


async def longest_stall(stop: asyncio.Event, tick: float = 0.0005) -> float:
    """The longest time the loop took to come back to this task, in seconds."""
    longest = 0.0
    last = time.perf_counter()
    while not stop.is_set():
        await asyncio.sleep(tick)
        now = time.perf_counter()
        longest = max(longest, now - last - tick)
        last = now
    return longest


async def main() -> None:
    key = korvo.PrivateKey.from_seed("korvo asyncio example seed: never use a public seed for real funds")
    requests: list[korvo.Request] = [
        korvo.SignedOraclePrice(signer_key=key.public_key, external_price=30_000_000_000 + n, timestamp=1_735_689_600,
                                signed_asset_id=0x4254432D3130)
        for n in range(200)
    ]
    stop = asyncio.Event()
    watcher = asyncio.create_task(longest_stall(stop))
    started = time.perf_counter()
    signatures = await sign_in_thread(key, requests)
    elapsed = time.perf_counter() - started
    stop.set()
    stall = await watcher
    print(f"{len(signatures)} signatures in {elapsed * 1000:.1f} ms; the loop's longest stall {stall * 1000:.2f} ms")


if __name__ == "__main__":
    asyncio.run(main())
