#!/usr/bin/python3
"""Reads the simulated analyzer through SoapyRemote (remote.sh starts the
server; the device arguments are the first argument). Over a TCP and a UDP
stream and with CS16 samples on the wire: 1 M samples in CF32 with the
+100 kHz tone at -6 dBFS and its phase continuous across reads; meanwhile control calls, which the server answers
while its stream thread keeps reading the device, each return promptly."""
import faulthandler
import os
import sys
import traceback

import numpy as np
import SoapySDR
from SoapySDR import SOAPY_SDR_CF32, SOAPY_SDR_RX

from clients import CARRIER, RATE, check_tone, read_all

PROMPT = 3.0  # seconds a call may take


def promptly(call, *args):
    """call(*args), which must return within PROMPT seconds: one that hangs
    ends the process with every thread's traceback."""
    faulthandler.dump_traceback_later(PROMPT, exit=True)
    value = call(*args)
    faulthandler.cancel_dump_traceback_later()
    return value


def control_calls(device):
    assert promptly(device.getFrequency, SOAPY_SDR_RX, 0) == CARRIER
    assert promptly(device.getSampleRate, SOAPY_SDR_RX, 0) == RATE
    assert promptly(device.getGain, SOAPY_SDR_RX, 0) >= 0
    float(promptly(device.readSensor, "Device Temperature"))


def read_over(device, stream_args):
    stream = promptly(device.setupStream, SOAPY_SDR_RX, SOAPY_SDR_CF32, [0], stream_args)
    control_calls(device)  # the server's stream thread reads the inactive stream meanwhile
    promptly(device.activateStream, stream)
    samples, _ = read_all(device, stream, np.complex64, 8192)
    control_calls(device)
    promptly(device.deactivateStream, stream)
    promptly(device.closeStream, stream)
    print(",".join(f"{key}={value}" for key, value in stream_args.items()), end=": ")
    check_tone(samples.astype(np.complex128))


def main(args):
    device = SoapySDR.Device(args)
    promptly(device.setFrequency, SOAPY_SDR_RX, 0, CARRIER)
    promptly(device.setSampleRate, SOAPY_SDR_RX, 0, RATE)
    for stream_args in ({"remote:prot": "tcp"}, {"remote:prot": "udp"},
                        {"remote:format": "CS16", "remote:scale": "32767"}):  # the module's CS16 full scale
        read_over(device, stream_args)
    print("SoapyRemote binding: ok")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except Exception:
        traceback.print_exc()
        os._exit(1)  # without releasing the device: a server that failed may never answer
