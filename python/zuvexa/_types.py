"""The C types of the library's interface (zuVEXAtypes.h) as ctypes types."""
import ctypes

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
    """The record a fetch fills for each record."""

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

    def __repr__(self):
        return (f"WaveformInfo(x_increment={self.x_increment!r}, actual_samples={self.actual_samples}, "
                f"gain={self.gain!r}, offset={self.offset!r})")


class ZUComplexNumber(ctypes.Structure):
    _fields_ = [("real", ViReal64), ("imaginary", ViReal64)]


class ZUTimestamp(ctypes.Structure):
    """Seconds since 1904 and a fraction of a second in units of 2**-64 s."""

    _fields_ = [("fraction", ViUInt64), ("seconds", ViInt64)]
