#!/usr/bin/python3
"""Opens an analyzer session, acquires one I/Q record and prints what is in it.

    fetch_record.py [RESOURCE [OPTIONS]]

Without arguments it opens the simulated analyzer "Analyzer1" with the
options "Simulate=1,DriverSetup=Model:Q118". It needs the installed package,
or from the checkout the one the build writes: PYTHONPATH=build/python.
"""
import sys

import numpy as np

import zuvexa


def main(argv):
    resource = argv[1] if len(argv) > 1 else "Analyzer1"
    options = argv[2] if len(argv) > 2 else "Simulate=1,DriverSetup=Model:Q118"
    try:
        with zuvexa.Session(resource, options=options) as session:
            session.configure_iq(carrier_frequency=2.4e9, iq_rate=10e6, samples=1000)
            session.set_attribute("reference_level", -10.0)
            print("reference level", session.get_attribute("Reference Level"), "dBm")
            session.initiate()
            samples, info = session.fetch_iq(samples=1000)
    except zuvexa.ZuvexaError as error:
        print(error, file=sys.stderr)
        return 1
    power = np.mean(np.abs(samples) ** 2)
    print(f"fetched {len(samples)} samples, {info.x_increment * 1e6:.3f} us apart")
    print(f"first sample I {samples[0].real:+.6f} Q {samples[0].imag:+.6f}")
    print(f"mean power {10 * np.log10(power):.2f} dBFS")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
