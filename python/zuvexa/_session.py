"""An analyzer session: open, configure, fetch into numpy arrays, close."""
from __future__ import annotations

import ctypes
import math
import numbers
from types import TracebackType
from typing import Any, Optional, Union

import numpy as np
import numpy.typing as npt

from . import _attributes
from ._attributes import Attribute
from ._errors import SessionClosedError, check, take_error
from ._library import library
from ._types import PowerSpectrum, ViBoolean, ViInt32, ViInt64, ViReal64, ViSession, WaveformInfo

AttributeValue = Union[int, float, bool, str]
"""A value of an attribute: int32/int64 int, real64 float, boolean bool, string str."""

_C_TYPES: dict[str, Any] = {
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
_SPECTRUM_RANGE = (_attributes.identifier("center_frequency"), _attributes.identifier("span"))

# The IVI buffer rule: a positive result above the buffer size and no larger
# than this is the size the text needs; any other positive one is a warning.
_LONGEST_TEXT = 1 << 24
_FIRST_GUESS = 256  # buffer for a text whose size query answered with a warning
_WAIT_FOREVER = -1.0  # the timeout that waits as long as the acquisition takes


def _text(value: Optional[str]) -> bytes:
    return b"" if value is None else value.encode()


def _count(name: str, value: int, least: int = 1) -> int:
    """`value` as an int, if it is an integer of at least `least`."""
    if isinstance(value, bool) or not isinstance(value, numbers.Integral) or value < least:
        raise ValueError(f"{name} must be an integer of at least {least}, got {value!r}")
    return int(value)


def _number(value: float) -> float:
    """`value` as a float; NaN for what is not a real number."""
    return float(value) if isinstance(value, numbers.Real) and not isinstance(value, bool) else math.nan


def _real(name: str, value: float, positive: bool = False) -> float:
    """`value` as a float, if it is a finite number (and above 0 if `positive`)."""
    number = _number(value)
    if not math.isfinite(number) or (positive and number <= 0.0):
        kind = "a positive finite number" if positive else "a finite number"
        raise ValueError(f"{name} must be {kind}, got {value!r}")
    return number


def _timeout(value: float) -> float:
    """A timeout in seconds: at least 0, or -1 to wait as long as it takes."""
    number = _number(value)
    if number == _WAIT_FOREVER or (math.isfinite(number) and number >= 0.0):
        return number
    raise ValueError(f"timeout must be seconds of at least 0 or -1 (wait as long as it takes), got {value!r}")


class Session:
    """One session on an analyzer, opened by resource name (device name,
    alias or IVI logical name) and option string:

        with zuvexa.Session("Analyzer1", options="Simulate=1") as session:
            session.configure_iq(carrier_frequency=2.4e9, iq_rate=10e6, samples=1000)
            session.initiate()
            samples, info = session.fetch_iq()

    Any method but close() raises SessionClosedError once it is closed.
    """

    def __init__(self, resource: str, options: str = "", id_query: bool = False, reset: bool = False) -> None:
        self.resource = resource
        self.options = options
        self._vi = 0
        handle = ViSession(0)
        status = library().zuVEXA_InitWithOptions(_text(resource), id_query, reset, _text(options),
                                                  ctypes.byref(handle))
        check(status, "zuVEXA_InitWithOptions")
        self._vi = handle.value
        self._samples: Optional[int] = None  # samples per record last configured here
        self._spectrum: dict[str, tuple[float, float]] = {}  # centre and span configured here, by channel

    @property
    def handle(self) -> int:
        """The session handle (0 once closed)."""
        return self._vi

    @property
    def closed(self) -> bool:
        """Whether the session is closed."""
        return not self._vi

    def close(self) -> None:
        """Closes the session; closing again does nothing."""
        vi, self._vi = self._vi, 0
        if vi:
            check(library().zuVEXA_close(vi), "zuVEXA_close")

    def __enter__(self) -> Session:
        return self

    def __exit__(self, kind: Optional[type[BaseException]], value: Optional[BaseException],
                 traceback: Optional[TracebackType]) -> None:
        self.close()

    def __del__(self) -> None:
        """A session dropped without close() is closed; failures are silent."""
        vi = getattr(self, "_vi", 0)
        if vi:
            try:
                library().zuVEXA_close(vi)
            except Exception:  # the interpreter may be shutting down
                pass

    def __repr__(self) -> str:
        return f"Session({self.resource!r}, options={self.options!r}, handle={self._vi})"

    def _open_handle(self, name: str) -> int:
        if not self._vi:
            raise SessionClosedError(f"{name}: the session on {self.resource!r} is closed")
        return self._vi

    def _call(self, name: str, *arguments: Any) -> int:
        vi = self._open_handle(name)
        return check(int(getattr(library(), name)(vi, *arguments)), name, vi)

    # ---- attributes -------------------------------------------------------
    def get_attribute(self, attribute: Attribute, value_type: Optional[str] = None,
                      channel: str = "") -> AttributeValue:
        """Value of an attribute given by name ("iq_rate", "IQ Rate") or id;
        `value_type` (int32, int64, real64, boolean, string) for one the
        package has no type of."""
        ident, kind = _attributes.resolve(attribute, value_type)
        if kind == _attributes.STRING:
            return self._get_string(ident, channel)
        value = _C_TYPES[kind]()
        self._call(f"zuVEXA_GetAttribute{_SUFFIX[kind]}", _text(channel), ident, ctypes.byref(value))
        return bool(value.value) if kind == _attributes.BOOLEAN else value.value

    def _get_string(self, ident: int, channel: str) -> str:
        """Reads a text under the IVI buffer rule: size 0 asks for the size,
        then the text is read, again with a larger buffer while it grows. A
        warning is reported once the text is read; a warning to the size
        query leaves the size unknown, so a guessed buffer is tried."""
        name = "zuVEXA_GetAttributeViString"
        size, warning = 0, 0
        buffer: Optional[ctypes.Array[ctypes.c_char]] = None
        while True:
            vi = self._open_handle(name)
            status = int(library().zuVEXA_GetAttributeViString(vi, _text(channel), ident, size, buffer))
            if size < status <= _LONGEST_TEXT:
                size = status
            elif status > 0 and buffer is None:
                size, warning = _FIRST_GUESS, status
            else:
                check(status or warning, name, vi)
                return buffer.value.decode("utf-8", "replace") if buffer is not None else ""
            buffer = ctypes.create_string_buffer(size)

    def set_attribute(self, attribute: Attribute, value: AttributeValue, value_type: Optional[str] = None,
                      channel: str = "") -> None:
        """Sets an attribute given by name or id (`value_type` as for
        get_attribute)."""
        ident, kind = _attributes.resolve(attribute, value_type)
        converted = _text(str(value)) if kind == _attributes.STRING else value
        self._call(f"zuVEXA_SetAttribute{_SUFFIX[kind]}", _text(channel), ident, converted)
        if ident in _SPECTRUM_RANGE:
            self._spectrum.pop(channel, None)  # read back from the instrument

    # ---- configuration and acquisition ------------------------------------
    def configure_iq(self, carrier_frequency: Optional[float] = None, iq_rate: Optional[float] = None,
                     samples: Optional[int] = None, records: Optional[int] = None, channel: str = "") -> None:
        """Sets what is given of carrier (Hz), I/Q rate (S/s), samples per
        record and number of records."""
        if carrier_frequency is not None:
            carrier = _real("carrier_frequency", carrier_frequency)
            self._call("zuVEXA_ConfigureIQCarrierFrequency", _text(channel), carrier)
        if iq_rate is not None:
            self._call("zuVEXA_ConfigureIQRate", _text(channel), _real("iq_rate", iq_rate, positive=True))
        if samples is not None:
            count = _count("samples", samples)
            self._call("zuVEXA_ConfigureNumberOfSamples", _text(channel), True, count)
            self._samples = count
        if records is not None:
            self._call("zuVEXA_ConfigureNumberOfRecords", _text(channel), True, _count("records", records))

    def configure_reference_level(self, level: float, channel: str = "") -> None:
        """Sets the reference level, the largest expected input power, in dBm."""
        self._call("zuVEXA_ConfigureReferenceLevel", _text(channel), _real("level", level))

    def configure_spectrum(self, center_frequency: float, span: float, resolution_bandwidth: Optional[float] = None,
                           channel: str = "") -> None:
        """Sets the spectrum's centre frequency and span (Hz) and, if given,
        its resolution bandwidth (Hz)."""
        center = _real("center_frequency", center_frequency)
        width = _real("span", span, positive=True)
        self._call("zuVEXA_ConfigureSpectrumFrequencyCenterSpan", _text(channel), center, width)
        self._spectrum[channel] = (center, width)
        if resolution_bandwidth is not None:
            bandwidth = _real("resolution_bandwidth", resolution_bandwidth, positive=True)
            self._call("zuVEXA_ConfigureResolutionBandwidth", _text(channel), bandwidth)

    def initiate(self) -> None:
        """Starts the acquisition configured."""
        self._call("zuVEXA_Initiate")

    def abort(self) -> None:
        """Stops the acquisition in progress."""
        self._call("zuVEXA_Abort")

    def commit(self) -> None:
        """Sends the configuration to the instrument without acquiring."""
        self._call("zuVEXA_Commit")

    def reset(self) -> None:
        """Resets the instrument to its default configuration."""
        self._call("zuVEXA_reset")
        self._samples = None
        self._spectrum.clear()

    # ---- data -------------------------------------------------------------
    def fetch_iq(self, samples: Optional[int] = None, record: int = 0, timeout: float = 10.0,
                 dtype: npt.DTypeLike = np.complex128, channel: str = "") -> tuple[npt.NDArray[Any], WaveformInfo]:
        """One record as a numpy array and its WaveformInfo.

        dtype complex128 gives scaled complex samples; int16 gives the raw
        values as an (n, 2) array of I and Q (scaled value = raw * info.gain
        + info.offset). `samples` defaults to the number configure_iq set;
        `timeout` is in seconds, -1 waits as long as the acquisition takes."""
        requested = samples if samples is not None else self._samples
        if requested is None:
            raise ValueError("fetch_iq needs samples=N (or configure_iq(samples=N) first)")
        count = _count("samples", requested)
        record, timeout = _count("record", record, least=0), _timeout(timeout)
        info = WaveformInfo()
        kind = np.dtype(dtype)
        if kind == np.int16:
            data: npt.NDArray[Any] = np.zeros((count, 2), dtype=np.int16)
            name = "zuVEXA_FetchIQSingleRecordComplexI16"
        elif kind.kind == "c":
            data = np.zeros(count, dtype=np.complex128)
            name = "zuVEXA_FetchIQSingleRecordComplexF64"
        else:
            raise ValueError(f"dtype must be a complex type or int16, got {kind}")
        self._call(name, _text(channel), record, count, timeout, data.ctypes.data, ctypes.byref(info))
        fetched = max(0, min(info.actual_samples, count))
        return data[:fetched].astype(kind, copy=False), info

    def fetch_iq_records(self, records: int, samples: int, first_record: int = 0, timeout: float = 10.0,
                         channel: str = "") -> tuple[npt.NDArray[np.complex128], list[WaveformInfo]]:
        """`records` records of `samples` samples: a (records, samples)
        complex array and one WaveformInfo per record."""
        records, samples = _count("records", records), _count("samples", samples)
        first_record, timeout = _count("first_record", first_record, least=0), _timeout(timeout)
        data = np.zeros((records, samples), dtype=np.complex128)
        infos = (WaveformInfo * records)()
        self._call("zuVEXA_FetchIQMultiRecordComplexF64", _text(channel), first_record, records, samples, timeout,
                   data.ctypes.data, ctypes.cast(infos, ctypes.c_void_p))
        return data, list(infos)

    def read_power_spectrum(self, timeout: float = 10.0, channel: str = "") -> PowerSpectrum:
        """Acquires a power spectrum: the powers in dBm with the frequency of
        each line, spread over the centre and span configure_spectrum set
        (else over those the instrument reports)."""
        timeout = _timeout(timeout)
        lines = ViInt32(0)
        self._call("zuVEXA_GetNumberOfSpectralLines", _text(channel), ctypes.byref(lines))
        powers = np.zeros(lines.value, dtype=np.float64)
        self._call("zuVEXA_ReadPowerSpectrumF64", _text(channel), timeout, powers.ctypes.data, lines.value, None)
        center, span = self._spectrum_range(channel)
        if lines.value > 1:
            frequencies = np.linspace(center - span / 2.0, center + span / 2.0, lines.value)
        else:
            frequencies = np.full(lines.value, center)
        return PowerSpectrum(powers, frequencies)

    def _spectrum_range(self, channel: str) -> tuple[float, float]:
        known = self._spectrum.get(channel)
        if known is not None:
            return known
        center = self.get_attribute("center_frequency", channel=channel)
        span = self.get_attribute("span", channel=channel)
        assert isinstance(center, float) and isinstance(span, float)
        return center, span

    def clear_error(self) -> None:
        """Forgets the error information of the session."""
        take_error(self._open_handle("zuVEXA_GetError"))
