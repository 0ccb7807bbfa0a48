"""The C types of the library's interface (zuVEXAtypes.h) as ctypes types,
and the small result types of the package."""
from __future__ import annotations

import ctypes
from typing import NamedTuple

import numpy as np
import numpy.typing as npt

ViStatus = ctypes.c_int32
ViSession = ctypes.c_uint32
ViAttr = ctypes.c_uint32
ViBoolean = ctypes.c_uint16
ViByte = ctypes.c_ubyte
ViInt16 = ctypes.c_int16
ViInt32 = ctypes.c_int32
ViInt64 = ctypes.c_int64
ViUInt8 = ctypes.c_uint8
ViUInt32 = ctypes.c_uint32
ViUInt64 = ctypes.c_uint64
ViReal32 = ctypes.c_float
ViReal64 = ctypes.c_double
ViConstString = ctypes.c_char_p


class WaveformInfo(ctypes.Structure):
    """What a fetch reports of each record: the time of the first sample
    (absolute and relative to the trigger, in s), the sample spacing
    x_increment (s), the number of samples delivered, and the offset and
    gain that scale raw int16 values (scaled = raw * gain + offset)."""

    _fields_ = [
        ("absolute_initial_x", ViReal64),
        ("relative_initial_x", ViReal64),
        ("x_increment", ViReal64),
        ("actual_samples", ViInt64),
        ("offset", ViReal64),
        ("gain", ViReal64),
        ("reserved1", ViReal64),
        ("reserved2", ViReal64),
    ]
    absolute_initial_x: float
    relative_initial_x: float
    x_increment: float
    actual_samples: int
    offset: float
    gain: float

    def __repr__(self) -> str:
        return (f"WaveformInfo(x_increment={self.x_increment!r}, actual_samples={self.actual_samples}, "
                f"gain={self.gain!r}, offset={self.offset!r})")


class ZUComplexNumber(ctypes.Structure):
    """A complex number as the library passes it: real and imaginary part."""

    _fields_ = [("real", ViReal64), ("imaginary", ViReal64)]


class ZUTimestamp(ctypes.Structure):
    """Seconds since 1904 and a fraction of a second in units of 2**-64 s."""

    _fields_ = [("fraction", ViUInt64), ("seconds", ViInt64)]


class PowerSpectrum(NamedTuple):
    """A power spectrum: the power of each line in dBm and the frequency of
    each line in Hz, equally spaced over the configured span."""

    powers: npt.NDArray[np.float64]
    frequencies: npt.NDArray[np.float64]
