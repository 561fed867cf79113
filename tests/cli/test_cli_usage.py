"""The tool's usage rules: exit statuses, messages on standard error, help, and keys kept out of output."""

import json
import re

import pytest

import korvo_python_sdk as sdk

from tool_cases import korvo, load_cases

KEY = "0x01ac3072eac370baccf02ac0ec26cff103b3c6fa4c0966e5d11cab3b1c97c418"
WITHDRAW = next(c for c in load_cases("cases.jsonl", {"hash_withdraw"}) if c["err"] is None)["args"][0]


def assert_bad_input(result, *phrases):
    assert result.returncode == 2, result
    assert result.stdout == b""
    text = result.stderr.decode()
    for phrase in phrases:
        assert phrase in text, text
    return text


def assert_key_not_shown(result, key=KEY):
    digits = key.removeprefix("0x").lower()
    for stream in (result.stdout, result.stderr):
        assert digits not in stream.decode(errors="replace").lower()


@pytest.mark.parametrize("args", [
    ["sign", "withdraw", "--key", KEY],
    ["sign", "withdraw", f"--private-key={KEY}"],
    ["key", "public", "--pri-key", KEY],
])
def test_a_key_on_the_command_line_is_refused_without_echo(korvo, args):
    result = korvo(*args, stdin=WITHDRAW)
    assert_bad_input(result, "never read from the command line", "--key-file", "KORVO_PRIVATE_KEY")
    assert_key_not_shown(result)


@pytest.mark.parametrize("args", [
    ["sign", KEY],                                 # key where the kind belongs
    ["sign", "withdraw", "request.json", KEY],     # key as an extra argument
    ["sign", "withdraw", KEY],                     # key where the file name belongs
    ["hash", "withdraw", "-", KEY],
    [KEY],
    ["key", KEY],
    ["key", "on-curve", KEY],
])
def test_misplaced_key_text_is_never_repeated(korvo, args):
    result = korvo(*args, stdin=WITHDRAW, key=KEY)
    assert_bad_input(result)
    assert_key_not_shown(result)


def test_out_of_range_key_is_withheld_from_the_failure(korvo):
    # The order of the key group itself: the first value that is not a key.
    too_large = "0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1"
    # Signing a withdrawal takes such a key for an internal failure (exit 3), as the module's report does.
    for status, result in ((3, korvo("sign", "withdraw", stdin=WITHDRAW, key=too_large.upper().replace("0X", "0x"))),
                           (2, korvo("key", "public", key=too_large))):
        assert (result.returncode, result.stdout) == (status, b""), result
        assert "is not an element of the field" in result.stderr.decode()
        assert_key_not_shown(result, too_large)


def test_missing_and_unreadable_keys(korvo, tmp_path):
    assert_bad_input(korvo("sign", "withdraw", stdin=WITHDRAW), "no private key")
    absent = tmp_path / "absent"
    assert_bad_input(korvo("key", "public", "--key-file", str(absent)), f"cannot read the key file '{absent}'",
                     "No such file")
    large = tmp_path / "large"
    large.write_text(KEY * 100)
    large.chmod(0o600)
    result = korvo("key", "public", "--key-file", str(large))
    assert_bad_input(result, "longer than")
    assert_key_not_shown(result)


def test_key_file_takes_precedence_over_environment(korvo, tmp_path):
    key_file = tmp_path / "key"
    key_file.write_text(f"  {KEY}\r\n")
    key_file.chmod(0o600)
    from_file = korvo("key", "public", "--key-file", str(key_file), key="0x00")
    from_environment = korvo("key", "public", key=KEY)
    assert from_file.returncode == 0, from_file.stderr
    assert from_file.stdout == from_environment.stdout
    assert json.loads(from_file.stdout).keys() == {"x", "y"}


@pytest.mark.parametrize("args, phrase", [
    ([], "missing command"),
    (["frobnicate"], "unknown command"),
    (["hash"], "missing request kind"),
    (["hash", "order"], "unknown request kind"),
    (["hash", "withdraw", "--bogus"], "unknown option --bogus"),
    (["verify", "--r", "0x1"], "missing option --s"),
    (["verify", "--r", "1", "--r", "2"], "given twice"),
    (["verify", "--message"], "needs a value"),
    (["key"], "key takes one of"),
    (["key", "on-curve", "0x1"], "two arguments"),
])
def test_usage_errors(korvo, args, phrase):
    assert_bad_input(korvo(*args), phrase, "korvo --help")


def test_unreadable_request_file_is_named(korvo, tmp_path):
    absent = tmp_path / "absent.json"
    assert_bad_input(korvo("hash", "withdraw", str(absent)), f"cannot read the request file '{absent}'", "No such file")
    assert_bad_input(korvo("hash", "withdraw", "--jsonl", str(absent)), f"cannot read the request file '{absent}'")
    assert_bad_input(korvo("hash", "withdraw", str(tmp_path)), f"cannot read the request file '{tmp_path}'")


def test_failures_under_json_are_one_object_on_standard_error(korvo):
    usage = json.loads(assert_bad_input(korvo("hash", "order", "--json")))
    assert usage["error"]["kind"] == "usage"
    failure = json.loads(assert_bad_input(korvo("hash", "withdraw", "--json", stdin=b'{"x": "\xff')))
    assert failure["error"]["kind"] == "error"
    assert failure["error"]["message"].startswith("Couldn't get hash: ")


def test_plain_failures_name_their_kind_and_internal_failures_exit_3(korvo):
    assert_bad_input(korvo("hash", "withdraw", stdin="{}"), "korvo: error: Couldn't get hash: missing field")
    internal = korvo("hash", "transfer", stdin="not json")
    assert (internal.returncode, internal.stdout) == (3, b""), internal
    assert internal.stderr.decode().startswith("korvo: internal failure: ")


@pytest.mark.parametrize("args", [
    ["--help"], ["hash", "--help"], ["sign", "withdraw", "--help"], ["verify", "--help"], ["key", "--help"],
    ["key", "from-seed", "--help"], ["key", "public", "--help"], ["key", "on-curve", "--help"],
])
def test_every_command_has_help(korvo, args):
    result = korvo(*args)
    assert result.returncode == 0
    assert result.stdout.startswith(b"Usage: korvo")
    assert result.stderr == b""


def test_verify_help_states_what_a_pass_does_not_show(korvo):
    text = korvo("verify", "--help").stdout.decode()
    assert "Caveat" in text
    assert "not that the holder of the private key signed" in text


def test_the_request_kinds_are_the_module_request_functions(korvo):
    """Every list of KIND names the module's hash_ functions in their order, one kind each: a kind in
    kebab case is the end of its function's name (oracle-price of hash_signed_oracle_price)."""
    lists = [
        re.search(r"^KIND is one of (.+)\.$", korvo("--help").stdout.decode(), re.M),
        re.search(r"^KIND: (.+)\.$", korvo("hash", "--help").stdout.decode(), re.M),
        re.search(r"^KIND: (.+)\.$", korvo("sign", "--help").stdout.decode(), re.M),
        re.search(r"kinds: (.+)$", assert_bad_input(korvo("hash", "order"), "unknown request kind"), re.M),
    ]
    hashes = [name for name in sdk.__all__ if name.startswith("hash_")]
    assert [name.replace("hash_", "sign_") for name in hashes] == [n for n in sdk.__all__ if n.startswith("sign_")]
    for listed in lists:
        kinds = listed.group(1).split(", ")
        matched = [[name for name in hashes if ("_" + name).endswith("_" + kind.replace("-", "_"))] for kind in kinds]
        assert matched == [[name] for name in hashes], kinds
