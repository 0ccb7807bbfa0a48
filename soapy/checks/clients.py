#!/usr/bin/python3
"""Checks the SoapySDR module with clients written elsewhere: Debian's
SoapySDR Python binding ("binding") and a headless GNU Radio flowgraph
("gnuradio"). Both open the simulated analyzer, tune 2.4 GHz at 10 MS/s,
read 1 M samples in CF32 and expect the +100 kHz tone at -6 dBFS with the
phase advancing by the same step from every sample to the next (no sample
lost or repeated, across reads and records)."""
import sys

import numpy as np

CARRIER, RATE, TONE, SAMPLES = 2.4e9, 10e6, 100e3, 1_000_000
ARGS = "driver=zuvexa,simulate=1"


def check_tone(samples):
    spectrum = np.fft.fft(samples)
    peak = int(np.argmax(np.abs(spectrum)))
    frequency = np.fft.fftfreq(len(samples), 1 / RATE)[peak]
    power = 10 * np.log10(np.mean(np.abs(samples) ** 2))
    steps = np.angle(samples[1:] * np.conj(samples[:-1]))
    jump = float(np.max(np.abs(steps - 2 * np.pi * TONE / RATE)))
    print(f"{len(samples)} samples, tone {frequency / 1e3:+.3f} kHz at {power:.2f} dBFS, phase step error {jump:.2e} rad")
    assert len(samples) == SAMPLES, "sample count"
    assert abs(frequency - TONE) < RATE / len(samples) * 2, "tone frequency"
    assert abs(power + 6.02) < 0.1, "tone power"
    assert jump < 1e-3, "a sample was lost or repeated"


def read_all(device, stream, dtype, chunk):
    import SoapySDR
    out = np.zeros(SAMPLES, dtype)
    got, times = 0, []
    while got < SAMPLES:
        result = device.readStream(stream, [out[got:]], min(chunk, SAMPLES - got), timeoutUs=1_000_000)
        assert result.ret > 0, f"readStream returned {result.ret}"
        assert result.flags & SoapySDR.SOAPY_SDR_HAS_TIME, "no time"
        times.append(result.timeNs)
        got += result.ret
    return out, times


def binding():
    import SoapySDR
    from SoapySDR import SOAPY_SDR_RX, SOAPY_SDR_CF32, SOAPY_SDR_CS16
    device = SoapySDR.Device(ARGS)
    device.setFrequency(SOAPY_SDR_RX, 0, CARRIER)
    device.setSampleRate(SOAPY_SDR_RX, 0, RATE)
    assert device.getFrequency(SOAPY_SDR_RX, 0) == CARRIER and device.getSampleRate(SOAPY_SDR_RX, 0) == RATE
    stream = device.setupStream(SOAPY_SDR_RX, SOAPY_SDR_CF32, [0])
    device.activateStream(stream)
    samples, times = read_all(device, stream, np.complex64, 10_000)  # reads cross record boundaries
    device.deactivateStream(stream)
    device.closeStream(stream)
    check_tone(samples.astype(np.complex128))
    assert times[1] - times[0] == 1_000_000, f"time step {times[1] - times[0]} ns for 10,000 samples"

    stream = device.setupStream(SOAPY_SDR_RX, SOAPY_SDR_CS16, [0])
    device.activateStream(stream, 0, 0, 4096)  # finite: one burst
    raw = np.zeros(2 * 4096, np.int16)
    result = device.readStream(stream, [raw], 4096)
    assert result.ret == 4096 and result.flags & SoapySDR.SOAPY_SDR_END_BURST, "finite CS16 burst"
    assert device.readStream(stream, [raw], 4096, timeoutUs=1000).ret == SoapySDR.SOAPY_SDR_TIMEOUT
    device.closeStream(stream)
    cs16 = (raw[0::2] + 1j * raw[1::2]) / 32767
    assert np.max(np.abs(cs16 - samples[:4096])) < 1e-4, "CS16 full scale"

    device.setGain(SOAPY_SDR_RX, 0, 40)
    assert device.getGain(SOAPY_SDR_RX, 0) == 40
    device.writeSetting("Reference Level", "-20")
    assert device.getGain(SOAPY_SDR_RX, 0) == 50 and float(device.readSetting("Reference Level")) == -20
    keys = [info.key for info in device.getSettingInfo()]
    assert "IQ Rate" in keys and "Number of Samples" in keys and len(keys) > 200, "catalogue settings"
    for bad in (lambda: device.setSampleRate(SOAPY_SDR_RX, 0, -5), lambda: device.readSetting("No Such")):
        try:
            bad()
        except (RuntimeError, ValueError) as error:
            print("error as expected:", error)
        else:
            raise AssertionError("no error")
    print("binding: ok")


def gnuradio():
    from gnuradio import blocks, gr, soapy
    flowgraph = gr.top_block()
    source = soapy.source(ARGS, "fc32", 1, "", "", [""], [""])
    source.set_sample_rate(0, RATE)
    source.set_frequency(0, CARRIER)
    head = blocks.head(gr.sizeof_gr_complex, SAMPLES)
    sink = blocks.vector_sink_c()
    flowgraph.connect(source, head, sink)
    flowgraph.run()
    check_tone(np.array(sink.data(), np.complex128))
    print("gnuradio: ok")


if __name__ == "__main__":
    {"binding": binding, "gnuradio": gnuradio}[sys.argv[1]]()
