#!/usr/bin/python3
"""Shows how a failed call reaches a Python program: as an exception of the
class its status has, with the library's description in the session's
language.

    handle_errors.py

It needs the simulated analyzer "Analyzer1" of the demo system configuration.
"""
import sys

import zuvexa


def main():
    print("-- open a resource that names no device")
    try:
        zuvexa.Session("NoSuchAnalyzer")
    except zuvexa.DeviceNotFoundError as error:  # also a LookupError
        print(f"{error.function}: status 0x{error.status & 0xFFFFFFFF:08X}")
        print(f"  {error.description}")

    print("-- a session whose descriptions are in French")
    with zuvexa.Session("Analyzer1", options="Simulate=1,DriverSetup=Model:Q118;Language:fr") as session:
        try:
            session.set_attribute("IQ Rate", -1.0)
        except zuvexa.InvalidParameterError as error:  # also a ValueError
            print(f"{error.function}: status 0x{error.status & 0xFFFFFFFF:08X}")
            print(f"  {error.description}")

        print("-- a value the package refuses before calling the library")
        try:
            session.configure_iq(iq_rate=-1.0)
        except ValueError as error:
            print(f"ValueError: {error}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
