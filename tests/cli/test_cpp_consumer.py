"""A program built against the installed C++ package alone reproduces every known answer.

scripts/ci_cpp_package.sh installs the package into a fresh prefix, builds
examples/cpp against it and names the program in KORVO_CALL.
"""

import os
import subprocess

import pytest

from tool_cases import case_id, load_cases, matches_report

pytestmark = pytest.mark.skipif(not os.environ.get("KORVO_CALL"), reason="needs the example built on an install")

FUNCTIONS = {
    "verify_signature", "sign_withdraw", "sign_transfer", "sign_limit_order", "sign_liquidate",
    "sign_signed_oracle_price", "hash_withdraw", "hash_transfer", "hash_limit_order", "hash_liquidate",
    "hash_signed_oracle_price", "sign", "eth_sign", "private_key_from_seed", "is_on_curve", "public_key_to_xy",
    "private_key_to_public_key_xy",
}
CASES = load_cases("cases.jsonl", FUNCTIONS)


def test_every_function_has_cases():
    assert {c["fn"] for c in CASES} == FUNCTIONS


@pytest.mark.parametrize("case", CASES, ids=[case_id(c) for c in CASES])
def test_known_answer(case):
    result = subprocess.run([os.environ["KORVO_CALL"], case["fn"], *case["args"]], capture_output=True, timeout=60)
    if case["err"] is None:
        assert result.returncode == 0, result.stderr
        expected = case["ok"] if isinstance(case["ok"], str) else str(case["ok"]).lower()
        assert result.stdout.decode() == expected + "\n"
        return
    assert result.returncode == 1, result
    kind, message = result.stderr.decode(errors="replace").split("\n", 1)
    assert kind == case["err"]["kind"]
    assert matches_report(case["err"], message.removesuffix("\n")), message
