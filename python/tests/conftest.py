"""Sessions on the simulated analyzers of the demo system configuration.

The test run (CTest) sets ZUVEXA_LIBRARY to the library being built, the
loader path to the stand-in modules and system configuration, and
ZUVEXA_BACKEND_SIM to the simulator whose control functions script statuses."""
import ctypes
import os

import pytest

import zuvexa

SIMULATED = "Simulate=1,DriverSetup=Model:Q118"
TOV = 5  # module kind of the Q118


@pytest.fixture
def session():
    with zuvexa.Session("Analyzer1", options=SIMULATED) as opened:
        yield opened


@pytest.fixture
def backend():
    """The simulator's control interface; its scripts are cleared afterwards."""
    sim = ctypes.CDLL(os.environ["ZUVEXA_BACKEND_SIM"])
    sim.BackendStandin_ScriptStatus.argtypes = (ctypes.c_uint32, ctypes.c_char_p, ctypes.c_int32, ctypes.c_uint16)
    sim.BackendStandin_ScriptStatus.restype = ctypes.c_int32
    yield sim
    sim.BackendStandin_ClearScripts()
