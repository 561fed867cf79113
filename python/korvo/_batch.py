"""Hashes of many requests in one call of the extension."""

from __future__ import annotations

from collections.abc import Iterable

from ._errors import RequestError
from ._native import call_many
from ._requests import Request


def hash_many(requests: Iterable[Request]) -> list[str]:
    """The message hashes of the requests in order, from one call of the
    extension that releases the interpreter lock once for the whole list.
    A failure raises the first failing request's error with its `index`;
    nothing is returned.

    Not promised: that the hashes cover every field (see the module's docs)."""
    batch = list(requests)
    for index, request in enumerate(batch):
        if not isinstance(request, Request):
            raise RequestError(f"expected a request, got {type(request).__name__}", index=index)
    return call_many(["hash_" + request._KIND for request in batch], [request.to_json() for request in batch])
