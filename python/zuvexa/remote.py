"""Sessions on a zuvexa-server on another host, through libzuvexa-remote (the
library's functions carried over gRPC):

    import zuvexa, zuvexa.remote
    zuvexa.remote.connect("analyzers.lab:50151", token_file="token")
    with zuvexa.Session("Analyzer1", options="Simulate=1") as session:
        ...

After connect() every zuvexa.Session, describe() and error of the process
goes through the server; the errors carry the server's descriptions, and a
call that does not reach it raises a ZuvexaError with the status
TRANSPORT_ERROR and a description naming the address. connect() comes
before the first call of the package.
"""
from __future__ import annotations

import ctypes
import os
from typing import List, Optional

from . import _library
from ._catalogue import PROTOTYPES
from ._paths import LIBRARY_FOLDERS

SONAME = "libzuvexa-remote.so.0"
TRANSPORT_ERROR = -1074102784  # 0xBFFA7E00: the call did not reach the server
_connected: Optional[tuple[str, str, str]] = None


def _candidates(library: Optional[str]) -> List[str]:
    """The named file alone; else the install's own library folder, then the
    soname through the loader's search."""
    if library:
        return [library]
    package = os.path.dirname(os.path.realpath(__file__))
    paths = [os.path.normpath(os.path.join(package, folder, SONAME)) for folder in LIBRARY_FOLDERS]
    return [path for path in paths if os.path.exists(path)] + [SONAME]


def _load(library: Optional[str]) -> ctypes.CDLL:
    failures = []
    for candidate in _candidates(library):
        try:
            return ctypes.CDLL(candidate)
        except OSError as error:
            failures.append(f"  {candidate}: {error}")
    raise _library.LibraryNotFoundError("libzuvexa-remote could not be loaded:\n" + "\n".join(failures))


def connect(address: str, token_file: Optional[str] = None, ca_file: Optional[str] = None,
            library: Optional[str] = None) -> None:
    """Directs the package to the zuvexa-server at `address` (host:port) with
    the token in the first line of `token_file`, over TLS checked against the
    authority in `ca_file` when given. `library` names libzuvexa-remote's file
    when it is not found otherwise. A second connect() with other settings,
    or one after the package has loaded its library, raises RuntimeError:
    the library reads its settings once."""
    global _connected
    settings = (address, token_file or "", ca_file or "")
    if _connected == settings:
        return
    if _connected is not None or _library._library is not None:
        raise RuntimeError("zuvexa.remote.connect() comes once, before the package's first call")
    loaded = _load(library)
    for name, (restype, argtypes) in PROTOTYPES.items():
        function = getattr(loaded, name, None)  # functions outside zuVEXA_* are not there
        if function is not None:
            function.restype, function.argtypes = restype, argtypes
    for variable, value in zip(("ZUVEXA_REMOTE", "ZUVEXA_REMOTE_TOKEN_FILE", "ZUVEXA_REMOTE_CA"), settings):
        if value:
            os.environ[variable] = value
        else:
            os.environ.pop(variable, None)
    _library._library = loaded
    _connected = settings
