"""The zuvexa package over the library: sessions, errors, attributes."""
import ctypes
import warnings

import pytest

import zuvexa
from conftest import SIMULATED, TOV

DEVICE_NOT_FOUND = -1074134944  # 0xBFFA0060
INVALID_PARAMETER = -1074135025  # 0xBFFA000F


def test_context_manager_closes_the_session_once():
    with zuvexa.Session("Analyzer1", options=SIMULATED) as session:
        assert session.handle != 0
    assert session.handle == 0
    session.close()  # closing again does nothing
    with pytest.raises(zuvexa.Error, match="session is closed"):
        session.initiate()


def test_a_failed_open_raises_with_status_and_description():
    with pytest.raises(zuvexa.Error) as raised:
        zuvexa.Session("Nowhere")
    error = raised.value
    assert error.status == DEVICE_NOT_FOUND
    assert error.function == "zuVEXA_InitWithOptions"
    assert isinstance(error.description, str)
    assert "0xBFFA0060" in str(error)


def test_a_failed_call_raises_and_leaves_no_error_behind(session):
    with pytest.raises(zuvexa.Error) as raised:
        session.configure_iq(iq_rate=-5)
    assert (raised.value.status, raised.value.function) == (INVALID_PARAMETER, "zuVEXA_ConfigureIQRate")
    session.configure_iq(iq_rate=1e6)  # the session goes on


def test_warnings_and_scripted_errors_of_the_instrument(session, backend):
    assert backend.BackendStandin_ScriptStatus(TOV, b"Initiate", 0x3FFA0068, 0) == 0
    with pytest.warns(zuvexa.ZuvexaWarning) as caught:
        session.initiate()
    assert caught[0].message.status == 0x3FFA0068
    assert backend.BackendStandin_ScriptStatus(TOV, b"Abort", DEVICE_NOT_FOUND, 0) == 0
    with pytest.raises(zuvexa.Error) as raised:
        session.abort()
    assert raised.value.status == DEVICE_NOT_FOUND
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        session.abort()  # the script applied once


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
    with pytest.raises(ValueError, match="needs a value_type"):
        session.get_attribute(1234567)
    session.set_attribute(1234567, 42, value_type="int64", channel="0")
    assert session.get_attribute(1234567, value_type="int64", channel="0") == 42
    assert session.get_attribute(1234567, value_type="int64") == 0  # another channel


def test_describe_and_hex_status():
    assert zuvexa.describe(0) == ""
    assert isinstance(zuvexa.describe(DEVICE_NOT_FOUND), str)
    assert zuvexa.hex_status(DEVICE_NOT_FOUND) == "0xBFFA0060"


@pytest.mark.parametrize("recorded", [(DEVICE_NOT_FOUND, ""), (INVALID_PARAMETER, "another error")])
def test_a_status_without_its_own_recorded_text_is_described(monkeypatch, recorded):
    monkeypatch.setattr(zuvexa._errors, "take_error", lambda session=0: recorded)
    monkeypatch.setattr(zuvexa._errors, "describe", lambda status, session=0: "described")
    with pytest.raises(zuvexa.Error) as raised:
        zuvexa._errors.check(DEVICE_NOT_FOUND, "f")
    assert raised.value.description == "described"


def test_a_session_dropped_without_close_is_closed(backend):
    import gc

    backend.BackendStandin_SessionCount.restype = ctypes.c_int32
    before = backend.BackendStandin_SessionCount()
    session = zuvexa.Session("Analyzer1", options=SIMULATED)
    assert backend.BackendStandin_SessionCount() == before + 1
    del session
    gc.collect()
    assert backend.BackendStandin_SessionCount() == before
