"""Loading libzuvexa and declaring its exported functions (prototypes
generated from the library's catalogue)."""
from __future__ import annotations

import ctypes
import os
from typing import List, Optional

from ._catalogue import PROTOTYPES
from ._paths import LIBRARY_FOLDERS

SONAME = "libzuvexa.so.0"
_library: Optional[ctypes.CDLL] = None


class LibraryNotFoundError(OSError):
    """libzuvexa could not be loaded; the message lists every file tried."""


def _own_libraries() -> List[str]:
    """The library of the install this package belongs to, when it is there."""
    package = os.path.dirname(os.path.realpath(__file__))
    paths = [os.path.normpath(os.path.join(package, folder, SONAME)) for folder in LIBRARY_FOLDERS]
    return [path for path in paths if os.path.exists(path)]


def _candidates() -> List[str]:
    """$ZUVEXA_LIBRARY alone when set; else the install's own library, then
    the soname through the loader's search."""
    explicit = os.environ.get("ZUVEXA_LIBRARY")
    if explicit:
        return [explicit]
    return _own_libraries() + [SONAME]


def library_path() -> str:
    """The file the package loads first: $ZUVEXA_LIBRARY, else the library of
    its own install, else libzuvexa by soname."""
    return _candidates()[0]


def load() -> ctypes.CDLL:
    """The first candidate that loads; LibraryNotFoundError, saying what was
    tried and how to name the library, when none does."""
    failures = []
    for candidate in _candidates():
        try:
            return ctypes.CDLL(candidate)
        except OSError as error:
            failures.append(f"  {candidate}: {error}")
    source = "$ZUVEXA_LIBRARY" if os.environ.get("ZUVEXA_LIBRARY") else "the install's library folder and the loader"
    raise LibraryNotFoundError(f"libzuvexa could not be loaded from {source}:\n" + "\n".join(failures) +
                               f"\nInstall libzuvexa, or set ZUVEXA_LIBRARY to the path of its {SONAME}.")


def library() -> ctypes.CDLL:
    """The loaded libzuvexa with every exported function declared (loaded once)."""
    global _library
    if _library is None:
        loaded = load()
        for name, (restype, argtypes) in PROTOTYPES.items():
            function = getattr(loaded, name)
            function.restype, function.argtypes = restype, argtypes
        _library = loaded
    return _library
