"""Failure reports stay whole and short: a control character in the input is shown escaped, so a
report printed as a C string loses nothing, and long input (a misplaced private key) is cut."""

import re

import pytest

import korvo_python_sdk as sdk

KEY_TEXT = "0x05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd"
WITHDRAW = (
    '{"nonce":"1","public_key":"0x1","expiration_timestamp":"2","position_id":"3","amount":"4",'
    '"eth_address":"0x5","asset_id":"0x6"}'
)


def failure_report(call, *args):
    with pytest.raises(ValueError):
        call(*args)


@pytest.mark.parametrize(
    "call,args,line",
    [
        (sdk.public_key_to_xy, ["\x00"], "Couldn't convert public key to xy: Invalid character '\\0' at position 1"),
        (sdk.sign, [KEY_TEXT, "0x\x1b1"], "Couldn't sign msg: Invalid character '\\x1b' at position 0"),
        (sdk.sign, ["\x00" * 64, "0x1"], "Couldn't sign msg: Invalid character '\\0' at position 0"),
        (
            sdk.hash_withdraw,
            [WITHDRAW.replace('"0x6"', '"0x6\\u0000"')],
            "Couldn't get hash: u256 from string error: Invalid character '\\0' at position 1",
        ),
    ],
)
def test_control_characters_are_escaped_and_nothing_after_them_is_lost(stderr_report, call, args, line):
    failure_report(call, *args)
    lines = stderr_report().splitlines()
    assert any(reported == line or reported.startswith(line + " at line ") for reported in lines), lines


def test_internal_failure_report_survives_a_nul(stderr_report):
    failure_report(sdk.verify_signature, "\x00", "0x1", "0x1", "0x1", "0x1")
    assert "signature r: Invalid character '\\0' at position 1" in stderr_report().splitlines()


def test_a_key_passed_as_the_request_is_quoted_at_most_twenty_characters(stderr_report):
    digits = KEY_TEXT[2:]
    for key in (digits, KEY_TEXT, "80e4" + digits[4:]):
        failure_report(sdk.sign_withdraw, key, KEY_TEXT)
        report = stderr_report()
        longest_run = max((len(run) for run in re.findall(r"[0-9a-fA-F]+", report)), default=0)
        assert longest_run <= 20, report
