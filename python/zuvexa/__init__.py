"""Python interface of libzuvexa, the C library that drives the RF signal
analyzer.

    import zuvexa
    with zuvexa.Session("Analyzer1", options="Simulate=1,DriverSetup=Model:Q118") as session:
        session.configure_iq(carrier_frequency=2.4e9, iq_rate=10e6, samples=1000)
        session.initiate()
        samples, info = session.fetch_iq()      # numpy complex128 array

A failed call raises a zuvexa.ZuvexaError (.status, .description,
.function), of a subclass for an invalid parameter, a device not found and a
timeout; a warning status becomes a zuvexa.ZuvexaWarning. The library is
loaded from $ZUVEXA_LIBRARY when set, else from the library folder of the
install the package belongs to, else by its soname libzuvexa.so.0; when
none loads, zuvexa.LibraryNotFoundError (an OSError) lists what was tried.
"""
from ._attributes import Attribute
from ._catalogue import ATTRIBUTES
from ._errors import (DeviceNotFoundError, Error, InvalidParameterError, SessionClosedError, ZuvexaError,
                      ZuvexaTimeoutError, ZuvexaWarning, describe, hex_status)
from ._library import LibraryNotFoundError, library_path
from ._session import AttributeValue, Session
from ._types import PowerSpectrum, WaveformInfo
from . import sigmf

__all__ = ["ATTRIBUTES", "Attribute", "AttributeValue", "DeviceNotFoundError", "Error", "InvalidParameterError",
           "LibraryNotFoundError", "PowerSpectrum", "Session", "SessionClosedError", "WaveformInfo", "ZuvexaError",
           "ZuvexaTimeoutError", "ZuvexaWarning", "describe", "hex_status", "library_path", "sigmf"]
__version__ = "0.1.0"
