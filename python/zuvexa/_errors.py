"""Statuses of the library as Python exceptions and warnings."""
from __future__ import annotations

import builtins
import ctypes
import warnings
from typing import Callable, Optional

from ._library import library
from ._types import ViStatus


class ZuvexaError(Exception):
    """A library call failed: its status, the library's description of it
    and the name of the C function that returned it."""

    def __init__(self, status: int, description: str = "", function: str = "") -> None:
        self.status = status
        self.description = description
        self.function = function
        text = f"{function} failed with status {hex_status(status)}" if function else f"status {hex_status(status)}"
        super().__init__(f"{text}: {description}" if description else text)


class InvalidParameterError(ZuvexaError, ValueError):
    """The library or the instrument module refused a parameter value."""


class DeviceNotFoundError(ZuvexaError, LookupError):
    """No configured device, alias or logical name matches the resource name."""


class ZuvexaTimeoutError(ZuvexaError, builtins.TimeoutError):
    """The operation did not complete within its timeout."""


class SessionClosedError(ValueError):
    """A method of a Session was called after close()."""


Error = ZuvexaError
"""The name of ZuvexaError in earlier versions of the package."""

# Statuses with an exception class of their own (the signed 32-bit values).
_ERROR_CLASSES: dict[int, type[ZuvexaError]] = {
    -1074135025: InvalidParameterError,  # 0xBFFA000F
    -1074134944: DeviceNotFoundError,  # 0xBFFA0060
    -200220: DeviceNotFoundError,  # not found while the platform's device expert is installed
    -1074126845: ZuvexaTimeoutError,  # 0xBFFA2003, maximum time exceeded
}


class ZuvexaWarning(UserWarning):
    """A call succeeded with a warning status."""

    def __init__(self, status: int, description: str = "", function: str = "") -> None:
        self.status = status
        self.description = description
        self.function = function
        text = f"{function} returned warning {hex_status(status)}"
        super().__init__(f"{text}: {description}" if description else text)


def hex_status(status: int) -> str:
    """The status as the header writes it: 0xBFFA0060 for -1074134944."""
    return f"0x{status & 0xFFFFFFFF:08X}"


def error_for(status: int, description: str = "", function: str = "") -> ZuvexaError:
    """The exception of a failed call, of the class its status has."""
    return _ERROR_CLASSES.get(status, ZuvexaError)(status, description, function)


_TextCall = Callable[[int, Optional[ctypes.Array[ctypes.c_char]]], int]


def _read_text(call: _TextCall) -> str:
    """Runs a text call under the IVI buffer rule: ask the size, then read."""
    needed = call(0, None)
    if needed <= 1:
        return ""
    buffer = ctypes.create_string_buffer(needed)
    if call(needed, buffer) < 0:
        return ""
    return buffer.value.decode("utf-8", "replace")


def describe(status: int, session: int = 0) -> str:
    """The library's description of a status, in the session's language."""
    return _read_text(lambda size, buffer: int(library().zuVEXA_GetErrorMessage(session, status, size, buffer)))


def take_error(session: int = 0) -> tuple[int, str]:
    """The error recorded for the session (0: this thread) and its full text,
    elaboration included; clears it."""
    code = ViStatus(0)
    text = _read_text(lambda size, buffer: int(library().zuVEXA_GetError(session, ctypes.byref(code), size, buffer)))
    return code.value, text


def check(status: int, function: str, session: int = 0) -> int:
    """Raises the ZuvexaError of a negative status and warns of a positive one."""
    if status == 0:
        return status
    recorded, text = take_error(session)
    if recorded != status or not text:  # the recorded error is another one
        text = describe(status, session)
    if status < 0:
        raise error_for(status, text, function)
    warnings.warn(ZuvexaWarning(status, text, function), stacklevel=3)
    return status
