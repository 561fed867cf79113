"""The package's errors, and which of them a failure of the extension is.

A failure of an extension function arrives as its kind ("error" or "internal
failure") and the message line of its failure report; the class says what
was rejected, whatever road the failure took inside the extension.
"""

from __future__ import annotations

import re

import korvo_python_sdk as _extension

_FIELD_NAMED = re.compile(r"(?:missing|duplicate) field `([^`]*)`")
_JSON_POSITION = re.compile(r" at line \d+ column \d+$")
_NEGATIVE = "Unsigned integer can't be created from negative value"
# Reasons of a key, seed, point or signature that does not decode.
_KEY_REASONS = (
    "private key: ",
    "signature r: ",
    "Invalid character ",
    "Invalid string length",
    "Incorrect input size",
    "seed is too short",
    "could not decode public key",
    "RestoreRPoint(",
)
# Each extension function's parameter names, from its text signature "(a, b)".
_PARAMETERS: dict[str, list[str]] = {
    name: getattr(_extension, name).__text_signature__[1:-1].split(", ") for name in _extension.__all__
}
# The functions that read a request: its JSON is their first text.
_REQUEST_FUNCTIONS = frozenset(name for name, params in _PARAMETERS.items() if params[0] == "json")
# The msg argument's position: a failure whose reason is exactly what the
# message text alone gives was the message's.
_MESSAGE_FUNCTIONS = {name: params.index("msg") for name, params in _PARAMETERS.items() if "msg" in params}


class Error(ValueError):
    """A failure of a korvo call.

    Attributes:
        function: The extension function that failed (None when the package
            refused the value before calling it).
        kind: "error" or "internal failure".
        reason: The message line of the failure report the function would
            have written.
        index: The position of the failing request in a batch (None outside
            batches).
    """

    function: str | None
    kind: str
    reason: str
    index: int | None

    def __init__(self, reason: str, *, function: str | None = None, kind: str = "error",
                 index: int | None = None) -> None:
        super().__init__(reason if index is None else f"request {index}: {reason}")
        self.function = function
        self.kind = kind
        self.reason = reason
        self.index = index


class RequestError(Error):
    """A request (or a message to sign or verify) was refused.

    Attributes:
        field: The field or key the reason names (None when it names none).
    """

    field: str | None

    def __init__(self, reason: str, *, field: str | None = None, function: str | None = None,
                 kind: str = "error", index: int | None = None) -> None:
        super().__init__(reason, function=function, kind=kind, index=index)
        self.field = field


class InvalidKeyError(Error):
    """A private key, seed, public key, point or signature does not decode."""


class InternalFailure(Error):
    """A check inside the extension stopped the call, not caused by any input
    the package can name."""


def _strip_context(kind: str, reason: str) -> str:
    """The reason without the function's context ("Couldn't get hash: "), which
    is in front of every error value's reason and of no internal failure's."""
    return reason.split(": ", 1)[-1] if kind == "error" else reason


def _hex_error(text: str) -> str | None:
    """What the extension's reading of a 256-bit hex text reports, or None
    when the text reads."""
    digits = text[2:] if text.startswith("0x") else text
    if len(digits) > 64:
        return "Invalid string length"
    padded = "0" + digits if len(digits) % 2 else digits
    for position, character in enumerate(padded):
        if character not in "0123456789abcdefABCDEF":
            return f"Invalid character '{character}' at position {position}"
    return None


def error_from_failure(function: str, kind: str, reason: str, texts: tuple[str, ...] = (),
                       index: int | None = None) -> Error:
    """The error for a failure of `function` called with `texts`."""
    detail = _strip_context(kind, reason)
    if function in _REQUEST_FUNCTIONS and (_JSON_POSITION.search(detail) or detail == _NEGATIVE):
        named = _FIELD_NAMED.search(detail)
        field = named.group(1) if named else ("asset_id_synthetic" if detail == _NEGATIVE else None)
        return RequestError(reason, field=field, function=function, kind=kind, index=index)
    position = _MESSAGE_FUNCTIONS.get(function)
    if position is not None and position < len(texts) and _hex_error(texts[position]) == detail:
        return RequestError(reason, field="msg", function=function, kind=kind, index=index)
    if detail.startswith(_KEY_REASONS) or detail.endswith(" is not an element of the field"):
        return InvalidKeyError(reason, function=function, kind=kind, index=index)
    return InternalFailure(reason, function=function, kind=kind, index=index)
