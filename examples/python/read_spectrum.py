#!/usr/bin/python3
"""Reads a power spectrum around the simulated tone and prints its strongest line.

    read_spectrum.py [RESOURCE [OPTIONS]]

Without arguments it opens the simulated analyzer "Analyzer1". The tone lies
100 kHz above the I/Q carrier; the spectrum is centred on it, 1 MHz wide,
with a 10 kHz resolution bandwidth.
"""
import sys

import numpy as np

import zuvexa


def main(argv):
    resource = argv[1] if len(argv) > 1 else "Analyzer1"
    options = argv[2] if len(argv) > 2 else "Simulate=1,DriverSetup=Model:Q118"
    with zuvexa.Session(resource, options=options) as session:
        session.configure_iq(carrier_frequency=2.4e9)
        session.configure_spectrum(center_frequency=2.4001e9, span=1e6, resolution_bandwidth=10e3)
        powers, frequencies = session.read_power_spectrum()
    peak = int(np.argmax(powers))
    print(f"{len(powers)} lines from {frequencies[0] / 1e9:.6f} to {frequencies[-1] / 1e9:.6f} GHz")
    print(f"peak at {frequencies[peak] / 1e9:.6f} GHz: {powers[peak]:.2f} dBm")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
