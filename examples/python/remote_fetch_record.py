#!/usr/bin/python3
"""Acquires one I/Q record from an analyzer on another host, through the
zuvexa-server there, and prints what is in it.

    remote_fetch_record.py HOST:PORT TOKEN_FILE [RESOURCE [OPTIONS]]

Without RESOURCE it opens the server's simulated analyzer "Analyzer1" with
the options "Simulate=1,DriverSetup=Model:Q118". It needs libzuvexa-remote
where the loader finds it (or its file named by connect(library=...)).
"""
import sys

import numpy as np

import zuvexa
import zuvexa.remote


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    address, token_file = argv[1], argv[2]
    resource = argv[3] if len(argv) > 3 else "Analyzer1"
    options = argv[4] if len(argv) > 4 else "Simulate=1,DriverSetup=Model:Q118"
    zuvexa.remote.connect(address, token_file=token_file)
    try:
        with zuvexa.Session(resource, options=options) as session:
            session.configure_iq(carrier_frequency=2.4e9, iq_rate=10e6, samples=1000)
            session.initiate()
            samples, info = session.fetch_iq()
    except zuvexa.ZuvexaError as error:
        print(error, file=sys.stderr)
        return 1
    power = np.mean(np.abs(samples) ** 2)
    print(f"fetched {len(samples)} samples from {address}, {info.x_increment * 1e6:.3f} us apart")
    print(f"mean power {10 * np.log10(power):.2f} dBFS")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
