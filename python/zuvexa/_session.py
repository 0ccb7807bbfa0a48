"""An analyzer session: open, configure, fetch into numpy arrays, close."""
import ctypes

import numpy as np

from . import _attributes
from ._errors import Error, check, take_error
from ._library import library
from ._types import ViBoolean, ViInt32, ViInt64, ViReal64, ViSession, WaveformInfo

_C_TYPES = {
    _attributes.INT32: ViInt32,
    _attributes.INT64: ViInt64,
    _attributes.REAL64: ViReal64,
    _attributes.BOOLEAN: ViBoolean,
}
_SUFFIX = {
    _attributes.INT32: "ViInt32",
    _attributes.INT64: "ViInt64",
    _attributes.REAL64: "ViReal64",
    _attributes.BOOLEAN: "ViBoolean",
    _attributes.STRING: "ViString",
}


# The IVI buffer rule: a positive result above the buffer size and no larger
# than this is the size the text needs; any other positive one is a warning.
_LONGEST_TEXT = 1 << 24
_FIRST_GUESS = 256  # buffer for a text whose size query answered with a warning


def _text(value):
    return b"" if value is None else value.encode()


class Session:
    """One session on an analyzer, opened by resource name (device name,
    alias or IVI logical name) and option string:

        with zuvexa.Session("Analyzer1", options="Simulate=1") as session:
            session.configure_iq(carrier_frequency=2.4e9, iq_rate=10e6, samples=1000)
            session.initiate()
            samples, info = session.fetch_iq()
    """

    def __init__(self, resource, options="", id_query=False, reset=False):
        self.resource = resource
        self.options = options
        handle = ViSession(0)
        status = library().zuVEXA_InitWithOptions(_text(resource), id_query, reset, _text(options),
                                                  ctypes.byref(handle))
        check(status, "zuVEXA_InitWithOptions")
        self._vi = handle.value
        self._samples = None  # samples per record last configured here

    @property
    def handle(self):
        """The session handle (0 once closed)."""
        return self._vi

    def close(self):
        """Closes the session; closing again does nothing."""
        vi, self._vi = self._vi, 0
        if vi:
            check(library().zuVEXA_close(vi), "zuVEXA_close")

    def __enter__(self):
        return self

    def __exit__(self, *exc_info):
        self.close()
        return False

    def __del__(self):
        """A session dropped without close() is closed; failures are silent."""
        vi = getattr(self, "_vi", 0)
        if vi:
            try:
                library().zuVEXA_close(vi)
            except Exception:  # the interpreter may be shutting down
                pass

    def __repr__(self):
        return f"Session({self.resource!r}, options={self.options!r}, handle={self._vi})"

    def _call(self, name, *arguments):
        if not self._vi:
            raise Error(0, "the session is closed", name)
        return check(getattr(library(), name)(self._vi, *arguments), name, self._vi)

    # ---- attributes -------------------------------------------------------
    def get_attribute(self, attribute, value_type=None, channel=""):
        """Value of an attribute given by name ("iq_rate", "IQ Rate") or id."""
        ident, kind = _attributes.resolve(attribute, value_type)
        if kind == _attributes.STRING:
            return self._get_string(ident, channel)
        value = _C_TYPES[kind]()
        self._call(f"zuVEXA_GetAttribute{_SUFFIX[kind]}", _text(channel), ident, ctypes.byref(value))
        return bool(value.value) if kind == _attributes.BOOLEAN else value.value

    def _get_string(self, ident, channel):
        """Reads a text under the IVI buffer rule: size 0 asks for the size,
        then the text is read, again with a larger buffer while it grows. A
        warning is reported once the text is read; a warning to the size
        query leaves the size unknown, so a guessed buffer is tried."""
        name = "zuVEXA_GetAttributeViString"
        size, buffer, warning = 0, None, 0
        while True:
            if not self._vi:
                raise Error(0, "the session is closed", name)
            status = library().zuVEXA_GetAttributeViString(self._vi, _text(channel), ident, size, buffer)
            if size < status <= _LONGEST_TEXT:
                size = status
            elif status > 0 and buffer is None:
                size, warning = _FIRST_GUESS, status
            else:
                check(status or warning, name, self._vi)
                return buffer.value.decode("utf-8", "replace") if buffer is not None else ""
            buffer = ctypes.create_string_buffer(size)

    def set_attribute(self, attribute, value, value_type=None, channel=""):
        """Sets an attribute given by name or id."""
        ident, kind = _attributes.resolve(attribute, value_type)
        converted = _text(value) if kind == _attributes.STRING else value
        self._call(f"zuVEXA_SetAttribute{_SUFFIX[kind]}", _text(channel), ident, converted)

    # ---- configuration and acquisition ------------------------------------
    def configure_iq(self, carrier_frequency=None, iq_rate=None, samples=None, records=None, channel=""):
        """Sets what is given of carrier (Hz), I/Q rate (S/s), samples per
        record and number of records."""
        if carrier_frequency is not None:
            self._call("zuVEXA_ConfigureIQCarrierFrequency", _text(channel), carrier_frequency)
        if iq_rate is not None:
            self._call("zuVEXA_ConfigureIQRate", _text(channel), iq_rate)
        if samples is not None:
            self._call("zuVEXA_ConfigureNumberOfSamples", _text(channel), True, samples)
            self._samples = samples
        if records is not None:
            self._call("zuVEXA_ConfigureNumberOfRecords", _text(channel), True, records)

    def configure_reference_level(self, level, channel=""):
        self._call("zuVEXA_ConfigureReferenceLevel", _text(channel), level)

    def configure_spectrum(self, center_frequency, span, resolution_bandwidth=None, channel=""):
        self._call("zuVEXA_ConfigureSpectrumFrequencyCenterSpan", _text(channel), center_frequency, span)
        if resolution_bandwidth is not None:
            self._call("zuVEXA_ConfigureResolutionBandwidth", _text(channel), resolution_bandwidth)

    def initiate(self):
        self._call("zuVEXA_Initiate")

    def abort(self):
        self._call("zuVEXA_Abort")

    def commit(self):
        self._call("zuVEXA_Commit")

    def reset(self):
        self._call("zuVEXA_reset")

    # ---- data -------------------------------------------------------------
    def fetch_iq(self, samples=None, record=0, timeout=10.0, dtype=np.complex128, channel=""):
        """One record as a numpy array and its WaveformInfo.

        dtype complex128 gives scaled complex samples; int16 gives the raw
        values as an (n, 2) array of I and Q (scaled value = raw * info.gain
        + info.offset). `samples` defaults to the number configure_iq set."""
        if samples is None:
            samples = self._samples
        if samples is None or samples < 1:
            raise ValueError("fetch_iq needs samples (or configure_iq(samples=...) first)")
        info = WaveformInfo()
        if np.dtype(dtype) == np.int16:
            data = np.zeros((samples, 2), dtype=np.int16)
            name = "zuVEXA_FetchIQSingleRecordComplexI16"
        else:
            data = np.zeros(samples, dtype=np.complex128)
            name = "zuVEXA_FetchIQSingleRecordComplexF64"
        self._call(name, _text(channel), record, samples, timeout, data.ctypes.data, ctypes.byref(info))
        fetched = max(0, min(info.actual_samples, samples))
        return data[:fetched].astype(dtype, copy=False), info

    def fetch_iq_records(self, records, samples, first_record=0, timeout=10.0, channel=""):
        """`records` records of `samples` samples: a (records, samples)
        complex array and one WaveformInfo per record."""
        data = np.zeros((records, samples), dtype=np.complex128)
        infos = (WaveformInfo * records)()
        self._call("zuVEXA_FetchIQMultiRecordComplexF64", _text(channel), first_record, records, samples, timeout,
                   data.ctypes.data, ctypes.cast(infos, ctypes.c_void_p))
        return data, list(infos)

    def read_power_spectrum(self, timeout=10.0, channel=""):
        """Acquires a power spectrum: the values in dBm as a numpy array."""
        lines = ViInt32(0)
        self._call("zuVEXA_GetNumberOfSpectralLines", _text(channel), ctypes.byref(lines))
        data = np.zeros(lines.value, dtype=np.float64)
        self._call("zuVEXA_ReadPowerSpectrumF64", _text(channel), timeout, data.ctypes.data, lines.value, None)
        return data

    def clear_error(self):
        """Forgets the error information of the session."""
        take_error(self._vi)
