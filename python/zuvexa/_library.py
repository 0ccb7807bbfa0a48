"""Loading libzuvexa and declaring its exported functions (prototypes
generated from the library's catalogue)."""
from __future__ import annotations

import ctypes
import ctypes.util
import os
from typing import Optional

from ._catalogue import PROTOTYPES

_library: Optional[ctypes.CDLL] = None


def library_path() -> str:
    """The file the package loads: $ZUVEXA_LIBRARY, else libzuvexa by soname."""
    explicit = os.environ.get("ZUVEXA_LIBRARY")
    if explicit:
        return explicit
    return "libzuvexa.so.0"


def library() -> ctypes.CDLL:
    """The loaded libzuvexa with every exported function declared (loaded once)."""
    global _library
    if _library is None:
        try:
            loaded = ctypes.CDLL(library_path())
        except OSError:
            found = ctypes.util.find_library("zuvexa")
            if found is None:
                raise
            loaded = ctypes.CDLL(found)
        for name, (restype, argtypes) in PROTOTYPES.items():
            function = getattr(loaded, name)
            function.restype, function.argtypes = restype, argtypes
        _library = loaded
    return _library
