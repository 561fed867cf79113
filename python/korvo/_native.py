"""The extension's private entry points: no failure report is written, a
failure comes back as a value and is raised here as the package's error."""

from __future__ import annotations

from collections.abc import Sequence
from typing import cast

import korvo_python_sdk as _extension

from ._errors import error_from_failure

# The function table's order.
INDEX: dict[str, int] = {name: i for i, name in enumerate(_extension.__all__)}
_private = vars(_extension)
_call = _private["_call"]
_call_many = _private["_call_many"]
_set_failure_reports = _private["_set_failure_reports"]


def call(function: str, *texts: str) -> object:
    """The result of the extension function `function` on `texts`."""
    result = _call(INDEX[function], *texts)
    if type(result) is tuple:
        kind, reason = result
        raise error_from_failure(function, kind, reason, texts)
    return result


def call_many(functions: Sequence[str], texts: list[str], key: str | None = None) -> list[str]:
    """Function i on texts[i] (and the key) for every i, in one call of the
    extension; the first failure is raised with its index."""
    result = _call_many([INDEX[name] for name in functions], texts, key)
    if type(result) is tuple:
        index: int = result[0]
        kind, reason = result[1]
        args = (texts[index],) if key is None else (texts[index], key)
        raise error_from_failure(functions[index], kind, reason, args, index)
    return cast(list[str], result)


def set_failure_reports(on: bool) -> None:
    """Whether the extension's public functions write failure reports to
    standard error (on by default). Calls through this package never do.
    Safe to call from any thread; it takes effect for calls that fail after it."""
    if not isinstance(on, bool):
        raise TypeError("set_failure_reports takes a bool")
    _set_failure_reports(on)
