"""Calls run without the interpreter lock: other threads go on, and results do not depend on threads."""

import json
import os
import subprocess
import sys
import sysconfig
import threading
import time
from concurrent.futures import ThreadPoolExecutor

import pytest

import korvo_python_sdk as sdk

KEY = sdk.private_key_from_seed("thread test seed with enough bytes for a key")
PUBLIC = json.loads(sdk.private_key_to_public_key_xy(KEY))


def order(nonce):
    return json.dumps({
        "nonce": str(nonce), "public_key": PUBLIC["x"], "expiration_timestamp": "1735689600",
        "amount_synthetic": "1000000", "amount_collateral": "25000000", "amount_fee": "1000",
        "asset_id_synthetic": "0x4254432d3130", "asset_id_collateral": "0x2893294412a4c8f915f75892b395ebbf",
        "position_id": str(40 + nonce), "is_buying_synthetic": nonce % 2 == 0,
    })


def mixed_call(i):
    """A deterministic mix of hashing, signing, verifying, key handling and failing calls."""
    text = order(i)
    kind = i % 5
    if kind == 0:
        return sdk.hash_limit_order(text)
    if kind == 1:
        return sdk.sign_limit_order(text, KEY)
    if kind == 2:
        signature = json.loads(sdk.sign(KEY, hex(i + 1)))
        return sdk.verify_signature(signature["r"], signature["s"], PUBLIC["x"], "", hex(i + 1 + i % 2))
    if kind == 3:
        return sdk.private_key_to_public_key_xy(sdk.private_key_from_seed(f"seed number {i:04} of thirty-two bytes"))
    try:
        sdk.hash_limit_order(text[:-1])
    except ValueError as failure:
        return ("ValueError", str(failure), tuple(failure.__notes__))
    return "no failure"


def test_mixed_calls_from_eight_threads_match_one_thread():
    count = 400
    expected = [mixed_call(i) for i in range(count)]
    with ThreadPoolExecutor(max_workers=8) as pool:
        assert list(pool.map(mixed_call, range(count))) == expected


def test_other_threads_run_during_a_call():
    # One call that takes a few hundred milliseconds: with the lock held, the
    # counting thread would stand still for all of it.
    slow_request = '{"nonce": "' + "1" * 10_000_000 + '"}'
    finished = threading.Event()
    call_time = []

    def worker():
        begin = time.perf_counter()
        try:
            sdk.hash_withdraw(slow_request)
        except ValueError:
            pass
        call_time.append(time.perf_counter() - begin)
        finished.set()

    thread = threading.Thread(target=worker)
    ticks = [time.perf_counter()]
    thread.start()
    while not finished.is_set():
        ticks.append(time.perf_counter())
    thread.join()
    # With the lock held the counting thread stops for the whole call; on a
    # loaded machine (two cores shared, a free-threaded interpreter running
    # both threads at once) the scheduler alone may stop it for over half.
    longest_stop = max(b - a for a, b in zip(ticks, ticks[1:]))
    assert longest_stop < call_time[0] * 0.8, (longest_stop, call_time[0])


def test_parameters_built_on_first_use_by_many_threads_at_once():
    # A fresh process, so that eight threads race to build both parameter sets.
    code = """if True:
        import json, threading, korvo_python_sdk as sdk
        key = "0x" + "0" * 63 + "7"
        message = "0x" + "12" * 32
        barrier = threading.Barrier(8)
        results = [None] * 8
        def first_use(i):
            barrier.wait()
            results[i] = (sdk.hash_signed_oracle_price(json.dumps({"signer_key": "0x1", "external_price": "5",
                          "timestamp": "6", "signed_asset_id": "0x7"})), sdk.sign(key, message))
        threads = [threading.Thread(target=first_use, args=(i,)) for i in range(8)]
        for thread in threads: thread.start()
        for thread in threads: thread.join()
        print(json.dumps(results))
    """
    results = json.loads(subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                                        check=True).stdout)
    oracle = json.dumps({"signer_key": "0x1", "external_price": "5", "timestamp": "6", "signed_asset_id": "0x7"})
    expected = [sdk.hash_signed_oracle_price(oracle), sdk.sign("0x" + "0" * 63 + "7", "0x" + "12" * 32)]
    assert results == [expected] * 8


def test_reports_of_threads_failing_at_once_stay_whole(capfd):
    # Without an interpreter lock (a free-threaded build) the reports are
    # written at the same time; each must still arrive in one piece.
    requests = [order(i)[: 40 + i] for i in range(8)]
    expected = []
    for request in requests:
        capfd.readouterr()
        with pytest.raises(ValueError):
            sdk.hash_limit_order(request)
        expected.append(capfd.readouterr().err)
    assert len(set(expected)) == 8, expected

    def fail(i):
        for _ in range(100):
            try:
                sdk.hash_limit_order(requests[i])
            except ValueError:
                pass

    with ThreadPoolExecutor(max_workers=8) as pool:
        list(pool.map(fail, range(8)))
    written = capfd.readouterr().err
    counts = [0] * 8
    position = 0
    while position < len(written):
        matching = [i for i, report in enumerate(expected) if written.startswith(report, position)]
        assert matching, written[position : position + 300]
        counts[matching[0]] += 1
        position += len(expected[matching[0]])
    assert counts == [100] * 8


@pytest.mark.skipif(not sysconfig.get_config_var("Py_GIL_DISABLED"), reason="a free-threaded interpreter only")
def test_the_import_leaves_a_free_threaded_interpreter_without_its_lock():
    code = "import sys, korvo_python_sdk; print(sys._is_gil_enabled())"
    # PYTHON_GIL unset: the module's own declaration decides.
    environment = {name: value for name, value in os.environ.items() if name != "PYTHON_GIL"}
    result = subprocess.run([sys.executable, "-W", "error", "-c", code], capture_output=True, text=True,
                            env=environment, check=True)
    assert result.stdout.strip() == "False", result.stderr
