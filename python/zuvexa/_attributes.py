"""Attributes by snake_case name, display name or identifier (the table is
generated from the library's attribute catalogue)."""
import re

from ._catalogue import ATTRIBUTES

INT32, INT64, REAL64, BOOLEAN, STRING = "int32", "int64", "real64", "boolean", "string"

_BY_ID = {ident: kind for ident, kind, _ in ATTRIBUTES.values()}


def _key(name):
    """The snake_case key of a name: "Number of Samples" -> number_of_samples."""
    return re.sub(r"[^0-9a-z]+", "_", name.lower()).strip("_")


def resolve(attribute, value_type=None):
    """(identifier, value type) of an attribute given by snake_case name,
    display name or identifier. An attribute whose type the table does not
    give needs `value_type`."""
    if isinstance(attribute, str):
        found = ATTRIBUTES.get(_key(attribute))
        if found is None:
            raise KeyError(f"unknown attribute name {attribute!r}")
        ident, kind = found[0], found[1]
    else:
        ident, kind = int(attribute), _BY_ID.get(int(attribute))
    kind = value_type or kind
    if kind not in (INT32, INT64, REAL64, BOOLEAN, STRING):
        raise ValueError(f"attribute {attribute!r} needs a value_type: int32, int64, real64, boolean or string")
    return ident, kind
