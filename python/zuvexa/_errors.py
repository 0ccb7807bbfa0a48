"""Statuses of the library as Python exceptions and warnings."""
import ctypes
import warnings

from ._library import library
from ._types import ViStatus


class Error(Exception):
    """A library call failed: the status and the library's description of it."""

    def __init__(self, status, description="", function=""):
        self.status = status
        self.description = description
        self.function = function
        text = f"{function} failed with status {hex_status(status)}" if function else f"status {hex_status(status)}"
        super().__init__(f"{text}: {description}" if description else text)


class ZuvexaWarning(UserWarning):
    """A call succeeded with a warning status."""

    def __init__(self, status, description="", function=""):
        self.status = status
        self.description = description
        self.function = function
        text = f"{function} returned warning {hex_status(status)}"
        super().__init__(f"{text}: {description}" if description else text)


def hex_status(status):
    """0xBFFA0060 for -1074134944."""
    return f"0x{status & 0xFFFFFFFF:08X}"


def _read_text(call):
    """Runs a text call under the IVI buffer rule: ask the size, then read."""
    needed = call(0, None)
    if needed <= 1:
        return ""
    buffer = ctypes.create_string_buffer(needed)
    if call(needed, buffer) < 0:
        return ""
    return buffer.value.decode("utf-8", "replace")


def describe(status, session=0):
    """The library's description of a status, in the session's language."""
    return _read_text(lambda size, buffer: library().zuVEXA_GetErrorMessage(session, status, size, buffer))


def take_error(session=0):
    """The error recorded for the session (0: this thread) and its text; clears it."""
    code = ViStatus(0)
    text = _read_text(lambda size, buffer: library().zuVEXA_GetError(session, ctypes.byref(code), size, buffer))
    return code.value, text


def check(status, function, session=0):
    """Raises Error for a negative status and warns for a positive one."""
    if status == 0:
        return status
    recorded, text = take_error(session)
    if recorded != status or not text:  # the recorded error is another one
        text = describe(status, session)
    if status < 0:
        raise Error(status, text, function)
    warnings.warn(ZuvexaWarning(status, text, function), stacklevel=3)
    return status
