"""The zuvexa package over the library: sessions, errors, attributes."""
import ctypes
import gc
import math
import warnings

import numpy as np

import pytest

import zuvexa
from zuvexa._library import library
from conftest import SIMULATED, TOV

DEVICE_NOT_FOUND = -1074134944  # 0xBFFA0060
INVALID_PARAMETER = -1074135025  # 0xBFFA000F
WARNING = 0x3FFA0068  # the error queue is not read
TIMEOUT = -1074126845  # 0xBFFA2003


@pytest.mark.parametrize("use", [
    lambda session: session.initiate(),
    lambda session: session.get_attribute("serial_number"),
    lambda session: session.set_attribute("iq_rate", 1e6),
    lambda session: session.fetch_iq(samples=8),
    lambda session: session.clear_error(),
])
def test_a_closed_session_refuses_every_use(use):
    with zuvexa.Session("Analyzer1", options=SIMULATED) as session:
        assert session.handle != 0 and not session.closed
    assert session.handle == 0 and session.closed
    session.close()  # closing again does nothing
    with pytest.raises(zuvexa.SessionClosedError, match="'Analyzer1' is closed") as raised:
        use(session)
    assert isinstance(raised.value, ValueError) and not isinstance(raised.value, zuvexa.ZuvexaError)


def test_a_failed_open_raises_with_status_and_description():
    with pytest.raises(zuvexa.DeviceNotFoundError) as raised:
        zuvexa.Session("Nowhere")
    error = raised.value
    assert (error.status, error.function) == (DEVICE_NOT_FOUND, "zuVEXA_InitWithOptions")
    assert error.description == zuvexa.describe(DEVICE_NOT_FOUND) and "0xBFFA0060" in str(error)
    assert zuvexa.describe(0) == ""


def reported(call):
    """The Error or the one ZuvexaWarning a call ends with."""
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        try:
            call()
        except zuvexa.ZuvexaError as error:
            return error
    assert len(caught) == 1
    return caught[0].message


@pytest.mark.parametrize("entry, status", [("Initiate", WARNING), ("Abort", DEVICE_NOT_FOUND)])
def test_a_status_is_reported_with_its_own_description(session, backend, entry, status):
    # An older error, left recorded for the session, must not lend its text.
    assert library().zuVEXA_ConfigureIQRate(session.handle, b"", -5.0) == INVALID_PARAMETER
    assert backend.BackendStandin_ScriptStatus(TOV, entry.encode(), status, 0) == 0
    call = getattr(session, entry.lower())
    outcome = reported(call)
    assert (outcome.status, outcome.function) == (status, f"zuVEXA_{entry}")
    assert outcome.description == zuvexa.describe(status) != zuvexa.describe(INVALID_PARAMETER)
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        call()  # the script applied once


@pytest.mark.parametrize("status, raised", [
    (INVALID_PARAMETER, zuvexa.InvalidParameterError),
    (DEVICE_NOT_FOUND, zuvexa.DeviceNotFoundError),
    (-200220, zuvexa.DeviceNotFoundError),
    (TIMEOUT, zuvexa.ZuvexaTimeoutError),
    (-1074135023, zuvexa.ZuvexaError),  # 0xBFFA0011, a status of no class of its own
])
def test_a_status_raises_the_class_it_belongs_to(session, backend, status, raised):
    assert backend.BackendStandin_ScriptStatus(TOV, b"FetchIQSingleRecordComplexF64", status, 0) == 0
    with pytest.raises(zuvexa.ZuvexaError) as caught:
        session.fetch_iq(samples=8)
    assert type(caught.value) is raised and caught.value.status == status


@pytest.mark.parametrize("call, message", [
    (lambda session: session.fetch_iq(), "needs samples=N"),
    (lambda session: session.fetch_iq(samples=-1), "samples must be an integer of at least 1, got -1"),
    (lambda session: session.fetch_iq(samples=8, record=-2), "record must be .* at least 0, got -2"),
    (lambda session: session.fetch_iq(samples=8, timeout=-5), "timeout must be .*, got -5"),
    (lambda session: session.fetch_iq(samples=8, dtype=np.float32), "dtype .*, got float32"),
    (lambda session: session.fetch_iq_records(records=True, samples=8), "records must be .*, got True"),
    (lambda session: session.configure_iq(iq_rate=-5), "iq_rate must be a positive finite number, got -5"),
    (lambda session: session.configure_iq(carrier_frequency=math.nan), "carrier_frequency .*, got nan"),
    (lambda session: session.configure_iq(samples=2.5), "samples .*, got 2.5"),
    (lambda session: session.configure_spectrum(1e9, span=0), "span .*, got 0"),
    (lambda session: session.configure_spectrum(1e9, 1e6, resolution_bandwidth=0), "resolution_bandwidth .*, got 0"),
    (lambda session: session.configure_reference_level(True), "level .*, got True"),
])
def test_bad_arguments_are_named_before_the_library_is_called(session, call, message):
    with pytest.raises(ValueError, match=message) as raised:
        call(session)
    assert not isinstance(raised.value, zuvexa.ZuvexaError)


@pytest.mark.parametrize("every_call", [False, True])
def test_a_warning_from_a_text_read_is_no_buffer_size(session, backend, every_call):
    session.set_attribute("serial_number", "SN-0042")
    assert backend.BackendStandin_ScriptStatus(TOV, b"GetAttributeViString", WARNING, every_call) == 0
    with pytest.warns(zuvexa.ZuvexaWarning) as caught:
        assert session.get_attribute("serial_number") == "SN-0042"
    assert [warning.message.status for warning in caught] == [WARNING]


@pytest.mark.parametrize("name, value", [
    ("reference_level", -12.5),
    ("Reference Level", -3.0),
    (1150004, 7.25),
    ("number_of_samples", 4096),
    ("preamp_enabled", True),
    ("start_trigger_type", 604),
    ("driver_setup", "Model:Q118"),
])
def test_attributes_by_name_display_name_and_id(session, name, value):
    session.set_attribute(name, value)
    read = session.get_attribute(name)
    assert read == value and type(read) is type(value)


def test_attribute_names_that_cannot_be_used(session):
    with pytest.raises(KeyError):
        session.get_attribute("no_such_attribute")
    for untyped in (1234567, "Digital Gain"):  # unknown id; a catalogue attribute of no known type
        with pytest.raises(ValueError, match="needs a value_type"):
            session.get_attribute(untyped)
    session.set_attribute(1234567, 42, value_type="int64", channel="0")
    assert session.get_attribute(1234567, value_type="int64", channel="0") == 42
    assert session.get_attribute(1234567, value_type="int64") == 0  # another channel


@pytest.mark.parametrize("recorded", [(DEVICE_NOT_FOUND, ""), (INVALID_PARAMETER, "another error")])
def test_a_status_without_its_own_recorded_text_is_described(monkeypatch, recorded):
    monkeypatch.setattr(zuvexa._errors, "take_error", lambda session=0: recorded)
    monkeypatch.setattr(zuvexa._errors, "describe", lambda status, session=0: "described")
    with pytest.raises(zuvexa.ZuvexaError) as raised:
        zuvexa._errors.check(DEVICE_NOT_FOUND, "f")
    assert raised.value.description == "described"


def test_a_session_dropped_without_close_is_closed(backend):
    backend.BackendStandin_SessionCount.restype = ctypes.c_int32
    before = backend.BackendStandin_SessionCount()
    session = zuvexa.Session("Analyzer1", options=SIMULATED)
    assert backend.BackendStandin_SessionCount() == before + 1
    del session
    gc.collect()
    assert backend.BackendStandin_SessionCount() == before
