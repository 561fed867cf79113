"""The module's surface: names, signatures, argument binding and failure mapping."""

import importlib.metadata
import inspect
import logging
import subprocess
import sys

import pytest

import korvo_python_sdk as sdk

FUNCTIONS = [
    ("verify_signature", ["sig_r", "sig_s", "pub_key_x", "pub_key_y", "msg"]),
    ("sign_withdraw", ["json", "pri_key"]),
    ("sign_transfer", ["json", "pri_key"]),
    ("sign_limit_order", ["json", "pri_key"]),
    ("sign_liquidate", ["json", "pri_key"]),
    ("sign_signed_oracle_price", ["json", "pri_key"]),
    ("hash_withdraw", ["json"]),
    ("hash_transfer", ["json"]),
    ("hash_limit_order", ["json"]),
    ("hash_liquidate", ["json"]),
    ("hash_signed_oracle_price", ["json"]),
    ("sign", ["private_key", "msg"]),
    ("eth_sign", ["private_key", "msg"]),
    ("private_key_from_seed", ["seed"]),
    ("is_on_curve", ["x", "y"]),
    ("public_key_to_xy", ["public_key"]),
    ("private_key_to_public_key_xy", ["private_key"]),
]
NAMES = [name for name, _ in FUNCTIONS]


def test_all_lists_the_functions_in_table_order():
    assert sdk.__all__ == NAMES
    assert type(sdk.__all__) is list


@pytest.mark.parametrize("name,params", FUNCTIONS)
def test_function_objects(name, params):
    function = getattr(sdk, name)
    assert type(function).__name__ == "builtin_function_or_method"
    assert function.__name__ == name
    assert function.__module__ == "korvo_python_sdk"
    assert function.__self__ is sdk
    assert function.__text_signature__ == "(" + ", ".join(params) + ")"
    assert "\nArgs:\n" in function.__doc__ and "\nReturns:\n" in function.__doc__
    assert "\nRaises:\n    ValueError: " in function.__doc__
    for param in params:
        assert f"\n    {param}: " in function.__doc__
    assert list(inspect.signature(function).parameters) == params
    for parameter in inspect.signature(function).parameters.values():
        assert parameter.kind is inspect.Parameter.POSITIONAL_OR_KEYWORD
        assert parameter.default is inspect.Parameter.empty


def test_version_is_the_package_version():
    assert sdk.__version__ == importlib.metadata.version("korvo_python_sdk")
    assert "__version__" not in sdk.__all__


def test_panic_exception_is_not_exported():
    assert not hasattr(sdk, "PanicException")


def test_module_initialises_only_once_per_process():
    code = (
        "import sys, importlib, korvo_python_sdk\n"
        "del sys.modules['korvo_python_sdk']\n"
        "try:\n"
        "    importlib.import_module('korvo_python_sdk')\n"
        "except ImportError as e:\n"
        "    print('ImportError', e)\n"
    )
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True).stdout
    assert out.startswith("ImportError korvo_python_sdk may be initialised only once")


class TestBinding:
    def test_missing_arguments_are_listed_in_parameter_order(self):
        with pytest.raises(TypeError, match=r"^sign_withdraw\(\) missing 1 required positional argument: 'pri_key'$"):
            sdk.sign_withdraw("{}")
        with pytest.raises(TypeError) as raised:
            sdk.verify_signature(msg="1", sig_s="2")
        assert str(raised.value) == (
            "verify_signature() missing 3 required positional arguments: 'sig_r', 'pub_key_x', and 'pub_key_y'"
        )
        with pytest.raises(TypeError) as raised:
            sdk.is_on_curve()
        assert str(raised.value) == "is_on_curve() missing 2 required positional arguments: 'x' and 'y'"

    def test_too_many_positional_arguments(self):
        with pytest.raises(TypeError) as raised:
            sdk.verify_signature("a", "b", "c", "d", "e", "f")
        assert str(raised.value) == "verify_signature() takes 5 positional arguments but 6 were given"

    def test_keyword_errors_come_in_caller_order(self):
        with pytest.raises(TypeError) as raised:
            sdk.sign("k", private_key="x", bogus="y")
        assert str(raised.value) == "sign() got multiple values for argument 'private_key'"
        with pytest.raises(TypeError) as raised:
            sdk.sign("k", bogus="y", private_key="x")
        assert str(raised.value) == "sign() got an unexpected keyword argument 'bogus'"

    def test_argument_count_is_checked_before_types(self):
        with pytest.raises(TypeError, match="missing 1 required"):
            sdk.sign(1)

    def test_str_subclasses_are_accepted(self):
        class Text(str):
            pass

        assert sdk.private_key_from_seed(Text("a" * 32)) == sdk.private_key_from_seed("a" * 32)

    def test_non_str_names_the_parameter_and_type(self):
        class Weird:
            pass

        with pytest.raises(TypeError) as raised:
            sdk.public_key_to_xy(Weird())
        assert str(raised.value) == (
            "argument 'public_key': 'TestBinding.test_non_str_names_the_parameter_and_type.<locals>.Weird' "
            "object cannot be converted to 'PyString'"
        )
        with pytest.raises(TypeError, match=r"^argument 'seed': 'bytes' object"):
            sdk.private_key_from_seed(b"a" * 32)

    def test_surrogates_raise_the_codec_error_unchanged(self):
        with pytest.raises(UnicodeEncodeError):
            sdk.hash_withdraw("\udc80")


class TestFailureMapping:
    def test_error_value_becomes_value_error_with_report(self, stderr_report):
        with pytest.raises(ValueError) as raised:
            sdk.private_key_from_seed("a" * 31)
        assert str(raised.value) == "Any { .. }"
        assert type(raised.value) is ValueError
        assert "Couldn't derive private key from seed: seed is too short" in stderr_report().splitlines()

    def test_value_error_is_not_chained(self):
        with pytest.raises(ValueError) as raised:
            sdk.private_key_from_seed("")
        assert raised.value.__cause__ is None


# One failing call of each family, with its report's message line.
FAILING_CALLS = [
    ("hash", lambda: sdk.hash_limit_order("{}"), "error"),
    ("sign", lambda: sdk.sign("0x1", "xyz"), "error"),
    ("verify", lambda: sdk.verify_signature("0x1", "0x1", "0x1", "", "0xzz"), "error"),
    ("keys", lambda: sdk.private_key_from_seed("short"), "error"),
    ("layer-1", lambda: sdk.eth_sign("0xzz", "0x1"), "error"),
    ("internal", lambda: sdk.hash_transfer("not json"), "internal failure"),
]


@pytest.mark.parametrize("family,call,kind", FAILING_CALLS, ids=[f for f, _, _ in FAILING_CALLS])
def test_failure_report_form_and_note(family, call, kind, stderr_report):
    with pytest.raises(ValueError) as raised:
        call()
    assert str(raised.value) == "Any { .. }"
    report = stderr_report()
    header, message, rest = report.split("\n", 2)
    assert header == f"korvo_python_sdk: {kind}"
    assert rest == ""
    assert raised.value.__notes__ == [message]


def test_note_shows_in_logged_tracebacks(caplog):
    with caplog.at_level("ERROR"):
        try:
            sdk.private_key_from_seed("short")
        except ValueError:
            logging.getLogger("client").exception("signing failed")
    assert "Couldn't derive private key from seed: seed is too short" in caplog.text
