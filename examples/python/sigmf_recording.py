#!/usr/bin/python3
"""Records two I/Q records of the simulated analyzer as a SigMF recording and
reads it back: the samples and the meta data.

    sigmf_recording.py [FOLDER]

The recording is written to FOLDER (default: the current folder) as
tone.sigmf-data and tone.sigmf-meta.
"""
import os
import sys

import numpy as np

import zuvexa
import zuvexa.sigmf


def main(argv):
    name = os.path.join(argv[1] if len(argv) > 1 else ".", "tone")
    with zuvexa.Session("Analyzer1", options="Simulate=1,DriverSetup=Model:Q118") as session:
        session.configure_iq(carrier_frequency=2.4e9, iq_rate=10e6)
        session.initiate()
        records, infos = session.fetch_iq_records(records=2, samples=1000)
    # One capture per record: where it starts and when it was taken (0: the
    # instrument reported no time, and the capture has no date).
    captures = [(index * 1000, info.absolute_initial_x) for index, info in enumerate(infos)]
    zuvexa.sigmf.write(name, records.reshape(-1), sample_rate=10e6, frequency=2.4e9, captures=captures,
                       hw="Analyzer1 (simulated)")

    samples, meta = zuvexa.sigmf.read(name)
    print("data type  ", meta["global"]["core:datatype"])
    print("sample rate", meta["global"]["core:sample_rate"], "S/s")
    print("captures   ", [capture["core:sample_start"] for capture in meta["captures"]])
    print("samples    ", len(samples))
    print(f"mean power  {10 * np.log10(np.mean(np.abs(samples) ** 2)):.2f} dBFS")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
