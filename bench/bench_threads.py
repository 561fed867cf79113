"""Calls per second of the heaviest functions from one and from two Python threads.

The functions compute without the interpreter lock, so two threads should
come close to twice the throughput of one on a machine with two free cores.
"""

import statistics
import threading
import time

from bench_python import CALLS

FUNCTIONS = ["sign_limit_order", "hash_limit_order", "verify_signature"]
# The machine's speed drifts over seconds, so one and two threads take turns
# in short windows; the ratio is the median over the rounds of two threads'
# rate against the mean of the one-thread rates on either side of it.
SECONDS = 0.3
ROUNDS = 12


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
        call = CALLS[name]
        ones = [calls_per_second(call, 1)]
        twos = []
        for _ in range(ROUNDS):
            twos.append(calls_per_second(call, 2))
            ones.append(calls_per_second(call, 1))
        ratio = statistics.median(two * 2 / (before + after) for two, before, after in zip(twos, ones, ones[1:]))
        print(f"{name:20} 1 thread {max(ones):9.0f} calls/s   2 threads {max(twos):9.0f} calls/s   "
              f"x{ratio:.2f} (median of {ROUNDS} rounds)")
