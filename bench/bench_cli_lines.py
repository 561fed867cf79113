"""Signing limit orders with the korvo tool: one process for 10,000 orders in JSON-lines mode against one
process per order.

One process per order is timed on a sample and its per-order cost extrapolated to 10,000 orders; the two
are timed alternately, round by round, and each reported as the median of its rounds. The sample's
signatures must equal the JSON-lines mode's, line by line.

    python bench/bench_cli_lines.py [KORVO]    (default: the korvo beside this interpreter, else on PATH)
"""

import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ORDERS = 10_000
SAMPLE = 200
ROUNDS = 3
TARGET_RATIO = 20.0
ASSET = "0x02893294412a4c8f915f75892b395ebbf6859ec246ec365c3b1f56f47c3a0a5d"


def find_tool():
    if len(sys.argv) > 1:
        return sys.argv[1]
    beside = Path(sys.executable).parent / "korvo"
    return str(beside) if beside.exists() else shutil.which("korvo")


def run(tool, *args, stdin):
    done = subprocess.run([tool, *args], input=stdin, capture_output=True, check=True)
    return done.stdout


def orders(public_key):
    base = {
        "public_key": public_key, "expiration_timestamp": "1735689600", "amount_synthetic": "1000000",
        "amount_collateral": "25000000", "amount_fee": "1000", "asset_id_synthetic": "0x4254432d3130",
        "asset_id_collateral": ASSET, "position_id": "42", "is_buying_synthetic": True,
    }
    return [json.dumps(dict(base, nonce=str(n)), separators=(",", ":")) for n in range(1, ORDERS + 1)]


def main():
    tool = find_tool()
    if not tool:
        sys.exit("no korvo tool: give its path")
    key = run(tool, "key", "from-seed", stdin=b"benchmark seed benchmark seed benchmark seed").strip()
    with tempfile.TemporaryDirectory() as work:
        key_file = Path(work) / "key"
        key_file.write_bytes(key)
        os.chmod(key_file, 0o600)
        public_key = json.loads(run(tool, "key", "public", "--key-file", str(key_file), stdin=b""))["x"]
        requests = orders(public_key)
        lines_input = ("\n".join(requests) + "\n").encode()
        sign = [tool, "sign", "limit-order", "--key-file", str(key_file)]

        lines_per_order, process_per_order = [], []
        for _ in range(ROUNDS):
            start = time.perf_counter()
            signed = subprocess.run(sign + ["--jsonl"], input=lines_input, capture_output=True, check=True).stdout
            lines_per_order.append((time.perf_counter() - start) / ORDERS)
            signatures = signed.decode().splitlines()
            assert len(signatures) == ORDERS

            sample = [requests[i * (ORDERS // SAMPLE)] for i in range(SAMPLE)]
            start = time.perf_counter()
            one_by_one = [subprocess.run(sign, input=r.encode(), capture_output=True, check=True).stdout
                          for r in sample]
            process_per_order.append((time.perf_counter() - start) / SAMPLE)
            for i, printed in enumerate(one_by_one):
                assert json.loads(printed) == json.loads(signatures[i * (ORDERS // SAMPLE)]), i

    lines_cost = statistics.median(lines_per_order)
    process_cost = statistics.median(process_per_order)
    ratio = process_cost / lines_cost
    print(f"JSON-lines mode, {ORDERS} orders in one process: {ORDERS * lines_cost:.2f} s, "
          f"{1 / lines_cost:,.0f} orders/s (rounds: {', '.join(f'{1 / c:,.0f}' for c in lines_per_order)})")
    print(f"one process per order, {SAMPLE} orders timed: {process_cost * 1e3:.2f} ms per order, "
          f"{1 / process_cost:,.0f} orders/s, so about {ORDERS * process_cost:.0f} s for {ORDERS} "
          f"(rounds: {', '.join(f'{1 / c:,.0f}' for c in process_per_order)})")
    print(f"ratio: {ratio:.1f}x (target {TARGET_RATIO:.0f}x): {'met' if ratio >= TARGET_RATIO else 'NOT MET'}")
    return 0 if ratio >= TARGET_RATIO else 1


if __name__ == "__main__":
    sys.exit(main())
