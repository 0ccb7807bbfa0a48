#!/usr/bin/python3
"""Checks SigMF recordings: `zuvexa fetch` writes one in each data type, the
Python package reads it back, and so does a plain reader below that knows
only the SigMF format (the meta file's fields and the data file); the
package's own recordings read back the same way.

    sigmf_recordings.py ZUVEXA_PROGRAM WORK_FOLDER"""
import json
import subprocess
import sys

import numpy as np

import zuvexa.sigmf

CARRIER, RATE, SAMPLES, RECORDS, TONE = 2.4e9, 10e6, 1000, 3, 100e3


def plain_read(base):
    """The samples of BASE.sigmf-data as the meta file describes them."""
    with open(base + ".sigmf-meta", encoding="utf-8") as file:
        meta = json.load(file)
    kind, _, endian = meta["global"]["core:datatype"].partition("_")
    element = {"cf64": "f8", "cf32": "f4", "ci16": "i2"}[kind]
    raw = np.fromfile(base + ".sigmf-data", dtype=("<" if endian == "le" else ">") + element)
    scale = 32767.0 if kind == "ci16" else 1.0
    return (raw[0::2] + 1j * raw[1::2]) / scale, meta


def expected(count):
    return 0.5 * np.exp(2j * np.pi * TONE / RATE * np.arange(count))


def check(base, datatype, samples, meta, records):
    tolerance = {"cf64_le": 1e-9, "cf32_le": 1e-6, "ci16_le": 1e-4}[datatype]
    g = meta["global"]
    assert g["core:datatype"] == datatype and g["core:sample_rate"] == RATE and g["core:version"], g
    starts = [capture["core:sample_start"] for capture in meta["captures"]]
    assert starts == [n * SAMPLES for n in range(records)], starts
    # a capture's date is there when the instrument reports a time
    assert all(c["core:frequency"] == CARRIER and c.get("core:datetime", "Z").endswith("Z")
               for c in meta["captures"])
    error = float(np.max(np.abs(samples - expected(len(samples)))))
    assert len(samples) == records * SAMPLES and error < tolerance, (base, len(samples), error)
    print(f"{base}: {datatype}, {len(samples)} samples, {records} captures, largest error {error:.1e}")


def main(program, folder):
    for option, datatype in (("f64", "cf64_le"), ("", "cf32_le"), ("i16", "ci16_le")):
        base = f"{folder}/fetched-{datatype}"
        command = [program, "fetch", "--carrier", "2.4G", "--rate", "10M", "--samples", str(SAMPLES),
                   "--records", str(RECORDS), "--output", base + ".sigmf-data", "--quiet"]
        subprocess.run(command + (["--format", option] if option else []), check=True)
        for samples, meta in (zuvexa.sigmf.read(base + ".sigmf-data"), plain_read(base)):
            check(base, datatype, samples, meta, RECORDS)
        assert "libzuvexa" in meta["global"]["core:recorder"] and meta["global"]["core:hw"]
        copy = f"{folder}/written-{datatype}"
        zuvexa.sigmf.write(copy, samples, RATE, CARRIER, datatype,
                           captures=[(n * SAMPLES, 0.0) for n in range(RECORDS)])
        check(copy, datatype, *plain_read(copy), RECORDS)
    print("recordings: ok")


if __name__ == "__main__":
    main(*sys.argv[1:3])
