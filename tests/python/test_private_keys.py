"""Private keys derived from seeds, checked against a direct derivation with hashlib."""

import hashlib

import pytest
from hypothesis import given, settings, strategies as st

import korvo_python_sdk as sdk

FS_MODULUS = 0x060C89CE5C263405370A08B6D0302B0BAB3EEDB83920EE0A677297DC392126F1


def reference_key(seed: bytes) -> str:
    candidate = hashlib.sha256(hashlib.sha256(seed).digest()).digest()
    while int.from_bytes(candidate, "big") >= FS_MODULUS:
        candidate = hashlib.sha256(candidate).digest()
    return "0x" + candidate.hex()


@settings(max_examples=200, deadline=None)
@given(st.text(min_size=32, max_size=80))
def test_seed_derivation_matches_reference(seed):
    encoded = seed.encode("utf-8", "surrogatepass")
    try:
        seed.encode("utf-8")
    except UnicodeEncodeError:
        with pytest.raises(UnicodeEncodeError):
            sdk.private_key_from_seed(seed)
        return
    assert sdk.private_key_from_seed(seed) == reference_key(encoded)


def test_key_text_form():
    key = sdk.private_key_from_seed("korvo demo seed, at least 32 bytes long")
    assert len(key) == 66 and key.startswith("0x")
    assert key[2:] == key[2:].lower() and int(key, 16) < FS_MODULUS
    assert key == sdk.private_key_from_seed("korvo demo seed, at least 32 bytes long")


@pytest.mark.parametrize(
    "seed,ok",
    [
        ("a" * 31, False),
        ("a" * 32, True),
        ("é" * 15 + "a", False),  # 31 bytes
        ("é" * 16, True),  # 16 characters, 32 bytes
        ("", False),
    ],
)
def test_seed_length_counts_utf8_bytes(seed, ok, capfd):
    if ok:
        assert sdk.private_key_from_seed(seed) == reference_key(seed.encode())
    else:
        with pytest.raises(ValueError) as raised:
            sdk.private_key_from_seed(seed)
        assert str(raised.value) == "Any { .. }"
        assert "Couldn't derive private key from seed: seed is too short" in capfd.readouterr().err


def test_a_rejected_key_is_not_echoed_to_the_failure_report(capfd):
    near_key = "0x" + format(FS_MODULUS + 0x1234, "064x")
    with pytest.raises(ValueError) as raised:
        sdk.private_key_to_public_key_xy(near_key)
    assert str(raised.value) == "Any { .. }"
    report = capfd.readouterr().err
    assert "Cannot convert into prime field value: 0x<withheld> is not an element of the field" in report
    assert near_key[2:] not in report
    assert near_key[2:] not in "".join(raised.value.__notes__)
