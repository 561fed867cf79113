"""Calls per second of the heaviest functions from one and from two Python threads.

The functions compute without the interpreter lock, so two threads should
come close to twice the throughput of one on a machine with two free cores.
"""

import threading
import time

from bench_python import CALLS

FUNCTIONS = ["sign_limit_order", "hash_limit_order", "verify_signature"]
SECONDS = 1.0
# The machine's speed drifts over seconds: one and two threads take turns,
# and each keeps its best round.
ROUNDS = 5


def calls_per_second(call, threads):
    barrier = threading.Barrier(threads + 1)
    counts = [0] * threads
    stop = threading.Event()

    def run(index):
        barrier.wait()
        while not stop.is_set():
            call()
            counts[index] += 1

    workers = [threading.Thread(target=run, args=(i,)) for i in range(threads)]
    for worker in workers:
        worker.start()
    barrier.wait()
    start = time.perf_counter()
    time.sleep(SECONDS)
    stop.set()
    for worker in workers:
        worker.join()
    return sum(counts) / (time.perf_counter() - start)


if __name__ == "__main__":
    for name in FUNCTIONS:
        one = two = 0.0
        for _ in range(ROUNDS):
            one = max(one, calls_per_second(CALLS[name], 1))
            two = max(two, calls_per_second(CALLS[name], 2))
        print(f"{name:20} 1 thread {one:9.0f} calls/s   2 threads {two:9.0f} calls/s   x{two / one:.2f}")
