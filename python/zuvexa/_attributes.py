"""Attributes by snake_case name, display name or identifier (the table is
generated from the library's attribute catalogue)."""
from __future__ import annotations

import re
from typing import Optional, Union

from ._catalogue import ATTRIBUTES

INT32, INT64, REAL64, BOOLEAN, STRING = "int32", "int64", "real64", "boolean", "string"
VALUE_TYPES = (INT32, INT64, REAL64, BOOLEAN, STRING)

Attribute = Union[str, int]
"""An attribute as snake_case name ("iq_rate"), display name ("IQ Rate") or identifier."""

_BY_ID = {ident: kind for ident, kind, _ in ATTRIBUTES.values()}


def _key(name: str) -> str:
    """The snake_case key of a name: "Number of Samples" -> number_of_samples."""
    return re.sub(r"[^0-9a-z]+", "_", name.lower()).strip("_")


def identifier(attribute: Attribute) -> int:
    """The identifier of an attribute given by name or identifier."""
    if isinstance(attribute, str):
        found = ATTRIBUTES.get(_key(attribute))
        if found is None:
            raise KeyError(f"unknown attribute name {attribute!r}")
        return found[0]
    return int(attribute)


def resolve(attribute: Attribute, value_type: Optional[str] = None) -> tuple[int, str]:
    """(identifier, value type) of an attribute given by snake_case name,
    display name or identifier. An attribute whose type the table does not
    give needs `value_type`."""
    ident = identifier(attribute)
    kind = value_type or _BY_ID.get(ident)
    if kind is None or kind not in VALUE_TYPES:
        raise ValueError(f"attribute {attribute!r} needs a value_type: int32, int64, real64, boolean or string")
    return ident, kind
