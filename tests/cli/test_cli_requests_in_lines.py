"""The tool's JSON-lines mode, its version, and the private-key file it refuses to read."""

import json
import re

import pytest

from tool_cases import TESTS, korvo, load_cases, matches_report

KEY = "0x01ac3072eac370baccf02ac0ec26cff103b3c6fa4c0966e5d11cab3b1c97c418"


def compact(text):
    return json.dumps(json.loads(text), separators=(",", ":"))


def successes(fn):
    return [c for c in load_cases("cases.jsonl", {fn}) if c["err"] is None]


def one_line_failures(fn, kind):
    return [c for c in load_cases("cases.jsonl", {fn})
            if c["err"] is not None and c["err"]["kind"] == kind and "\n" not in c["args"][0] and c["args"][0].strip()]


def lines_of(stream):
    return [json.loads(line) for line in stream.decode().splitlines()]


def private_key_file(path, text, mode=0o600):
    path.write_text(text)
    path.chmod(mode)
    return path


def test_version_is_the_projects(korvo):
    version = re.search(r"project\(korvo_python_sdk VERSION ([0-9.]+)", (TESTS.parent / "CMakeLists.txt").read_text())
    result = korvo("--version")
    assert (result.returncode, result.stderr) == (0, b"")
    assert result.stdout.decode() == f"korvo {version.group(1)}\n"


def test_hash_lines_answer_each_line_in_order_and_a_bad_line_does_not_stop_the_rest(korvo):
    good = successes("hash_limit_order")[:3]
    bad = one_line_failures("hash_limit_order", "error")[0]
    requests = [compact(good[0]["args"][0]), bad["args"][0], compact(good[1]["args"][0]),
                compact(good[2]["args"][0])]
    for flags in ([], ["--json"]):
        result = korvo("hash", "limit-order", "--jsonl", *flags, stdin="\n".join(requests) + "\n")
        assert result.returncode == 2, result
        out = lines_of(result.stdout)
        assert len(out) == 4
        assert [out[i] for i in (0, 2, 3)] == [{"hash": c["ok"]} for c in good]
        assert out[1]["error"]["line"] == 2 and out[1]["error"]["kind"] == "error"
        assert out[1]["error"]["message"].startswith("Couldn't get hash: ")
        if flags:
            assert lines_of(result.stderr) == [out[1]]
        else:
            assert result.stderr.decode() == f"korvo: line 2: error: {out[1]['error']['message']}\n"


def test_sign_lines_match_one_request_per_process(korvo, tmp_path):
    cases = [c for c in successes("sign_limit_order") if c["args"][1] == successes("sign_limit_order")[0]["args"][1]]
    key = cases[0]["args"][1]
    key_file = private_key_file(tmp_path / "key", key + "\n")
    requests = "\n".join(compact(c["args"][0]) for c in cases)  # no final line ending
    from_env = korvo("sign", "limit-order", "--jsonl", stdin=requests, key=key)
    from_file = korvo("sign", "limit-order", "-", "--jsonl", "--key-file", str(key_file), stdin=requests)
    for result in (from_env, from_file):
        assert (result.returncode, result.stderr) == (0, b""), result
        assert lines_of(result.stdout) == [json.loads(c["ok"]) for c in cases]
    requests_file = tmp_path / "orders.jsonl"
    requests_file.write_text(requests)
    assert korvo("sign", "limit-order", str(requests_file), "--jsonl", key=key).stdout == from_env.stdout


def test_lines_longer_than_a_read_and_split_across_reads(korvo):
    case = successes("hash_withdraw")[0]
    padded = json.dumps(json.loads(case["args"][0]), indent=None) + " " * 100_000  # one line, past a 64 KiB read
    requests = [compact(case["args"][0])] * 700 + [padded]  # about 200 KB: reads end inside lines
    result = korvo("hash", "withdraw", "--jsonl", stdin="\n".join(requests))
    assert result.returncode == 0, result
    assert lines_of(result.stdout) == [{"hash": case["ok"]}] * len(requests)


def test_internal_failure_in_a_line_exits_3_after_every_line(korvo):
    good = successes("hash_transfer")[0]
    internal = one_line_failures("hash_transfer", "internal")[0]
    result = korvo("hash", "transfer", "--jsonl", "--json", stdin=f"{internal['args'][0]}\n{compact(good['args'][0])}\n")
    assert result.returncode == 3, result
    failed, hashed = lines_of(result.stdout)
    assert (failed["error"]["kind"], failed["error"]["line"]) == ("internal failure", 1)
    assert matches_report(internal["err"], failed["error"]["message"])
    assert hashed == {"hash": good["ok"]}


def test_lines_mode_of_nothing_prints_nothing(korvo):
    assert korvo("hash", "withdraw", "--jsonl").stdout == b""
    assert korvo("hash", "withdraw", "--jsonl").returncode == 0


def test_lines_mode_is_only_for_hash_and_sign(korvo):
    result = korvo("key", "public", "--jsonl", key=KEY)
    assert result.returncode == 2 and b"unknown option --jsonl" in result.stderr


@pytest.mark.parametrize("mode", [0o644, 0o640, 0o604, 0o660, 0o606])
def test_a_key_file_others_may_read_is_refused(korvo, tmp_path, mode):
    key_file = private_key_file(tmp_path / "key", KEY, mode)
    for args in (["key", "public"], ["sign", "withdraw", "--jsonl"]):
        result = korvo(*args, "--key-file", str(key_file), stdin="{}")
        assert (result.returncode, result.stdout) == (2, b""), result
        text = result.stderr.decode()
        assert f"the key file '{key_file}' is open to group or others (mode {mode:04o})" in text
        assert KEY[2:] not in text


@pytest.mark.parametrize("mode", [0o600, 0o400])
def test_a_key_file_of_its_owner_alone_is_read(korvo, tmp_path, mode):
    result = korvo("key", "public", "--key-file", str(private_key_file(tmp_path / "key", KEY, mode)))
    assert result.returncode == 0, result
    assert json.loads(result.stdout) == json.loads(korvo("key", "public", key=KEY).stdout)


def test_a_key_file_name_that_looks_like_a_key_is_withheld(korvo):
    for name in (KEY, KEY[2:].upper()):
        result = korvo("key", "public", "--key-file", name)
        assert result.returncode == 2
        assert b"its name is withheld" in result.stderr
        assert KEY[2:] not in result.stderr.decode().lower()


def test_help_documents_exit_statuses_and_the_secret_printed(korvo):
    tool = korvo("--help").stdout.decode()
    assert re.search(r"^  2  bad input", tool, re.M) and re.search(r"^  3  internal failure", tool, re.M)
    assert "--version" in tool and "--jsonl" in tool
    seed = korvo("key", "from-seed", "--help").stdout.decode()
    assert "This prints a SECRET" in seed
    assert "PRIVATE KEY" in korvo("key", "--help").stdout.decode()
