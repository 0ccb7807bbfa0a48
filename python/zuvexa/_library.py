"""Loading libzuvexa and declaring the C functions the package calls."""
import ctypes
import ctypes.util
import os

ViStatus = ctypes.c_int32
ViSession = ctypes.c_uint32
ViInt16 = ctypes.c_int16
ViInt32 = ctypes.c_int32
ViInt64 = ctypes.c_int64
ViReal64 = ctypes.c_double
ViBoolean = ctypes.c_uint16
ViAttr = ctypes.c_uint32
ViString = ctypes.c_char_p


class WaveformInfo(ctypes.Structure):
    """The record a fetch fills for each record (zuVEXAtypes.h)."""

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


_P = ctypes.POINTER
_PROTOTYPES = {
    "zuVEXA_InitWithOptions": (ViString, ViBoolean, ViBoolean, ViString, _P(ViSession)),
    "zuVEXA_close": (ViSession,),
    "zuVEXA_GetError": (ViSession, _P(ViStatus), ViInt32, ctypes.c_char_p),
    "zuVEXA_GetErrorMessage": (ViSession, ViStatus, ViInt32, ctypes.c_char_p),
    "zuVEXA_ClearError": (ViSession,),
    "zuVEXA_reset": (ViSession,),
    "zuVEXA_Initiate": (ViSession,),
    "zuVEXA_Abort": (ViSession,),
    "zuVEXA_Commit": (ViSession,),
    "zuVEXA_ConfigureIQCarrierFrequency": (ViSession, ViString, ViReal64),
    "zuVEXA_ConfigureIQRate": (ViSession, ViString, ViReal64),
    "zuVEXA_ConfigureNumberOfSamples": (ViSession, ViString, ViBoolean, ViInt64),
    "zuVEXA_ConfigureNumberOfRecords": (ViSession, ViString, ViBoolean, ViInt64),
    "zuVEXA_ConfigureReferenceLevel": (ViSession, ViString, ViReal64),
    "zuVEXA_ConfigureSpectrumFrequencyCenterSpan": (ViSession, ViString, ViReal64, ViReal64),
    "zuVEXA_ConfigureResolutionBandwidth": (ViSession, ViString, ViReal64),
    "zuVEXA_GetNumberOfSpectralLines": (ViSession, ViString, _P(ViInt32)),
    "zuVEXA_FetchIQSingleRecordComplexF64":
        (ViSession, ViString, ViInt64, ViInt64, ViReal64, ctypes.c_void_p, _P(WaveformInfo)),
    "zuVEXA_FetchIQSingleRecordComplexI16":
        (ViSession, ViString, ViInt64, ViInt64, ViReal64, ctypes.c_void_p, _P(WaveformInfo)),
    "zuVEXA_FetchIQMultiRecordComplexF64":
        (ViSession, ViString, ViInt64, ViInt64, ViInt64, ViReal64, ctypes.c_void_p, ctypes.c_void_p),
    "zuVEXA_ReadPowerSpectrumF64": (ViSession, ViString, ViReal64, ctypes.c_void_p, ViInt32, ctypes.c_void_p),
}
for _name in ("ViInt32", "ViInt64", "ViReal64", "ViBoolean"):
    _type = globals()[_name]
    _PROTOTYPES[f"zuVEXA_SetAttribute{_name}"] = (ViSession, ViString, ViAttr, _type)
    _PROTOTYPES[f"zuVEXA_GetAttribute{_name}"] = (ViSession, ViString, ViAttr, _P(_type))
_PROTOTYPES["zuVEXA_SetAttributeViString"] = (ViSession, ViString, ViAttr, ViString)
_PROTOTYPES["zuVEXA_GetAttributeViString"] = (ViSession, ViString, ViAttr, ViInt32, ctypes.c_char_p)

_library = None


def library_path():
    """The file the package loads: $ZUVEXA_LIBRARY, else libzuvexa by soname."""
    explicit = os.environ.get("ZUVEXA_LIBRARY")
    if explicit:
        return explicit
    return "libzuvexa.so.0"


def library():
    """The loaded libzuvexa with every used function declared (loaded once)."""
    global _library
    if _library is None:
        try:
            loaded = ctypes.CDLL(library_path())
        except OSError:
            found = ctypes.util.find_library("zuvexa")
            if found is None:
                raise
            loaded = ctypes.CDLL(found)
        for name, argtypes in _PROTOTYPES.items():
            function = getattr(loaded, name)
            function.argtypes = argtypes
            function.restype = ViStatus
        _library = loaded
    return _library
