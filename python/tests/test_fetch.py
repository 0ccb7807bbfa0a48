"""Fetches and reads returning numpy arrays (the simulator sends a tone of
amplitude 0.5 at 100 kHz above the carrier)."""
import numpy as np
import pytest

import zuvexa

RATE = 1.024e6
TONE = 100e3


def tone(first_sample, count):
    n = np.arange(first_sample, first_sample + count)
    return 0.5 * np.exp(2j * np.pi * TONE * n / RATE)


@pytest.fixture
def configured(session):
    session.configure_iq(carrier_frequency=2.4e9, iq_rate=RATE, samples=1024, records=3)
    session.initiate()
    return session


def test_fetch_returns_the_complex_record_and_its_info(configured):
    samples, info = configured.fetch_iq()
    assert samples.dtype == np.complex128 and samples.shape == (1024,)
    assert info.actual_samples == 1024 and info.x_increment == pytest.approx(1 / RATE)
    np.testing.assert_allclose(samples, tone(0, 1024), atol=1e-9)
    assert np.fft.fftfreq(1024, 1 / RATE)[np.argmax(np.abs(np.fft.fft(samples)))] == pytest.approx(TONE)


def test_fewer_samples_than_asked_are_cut_to_what_came(configured):
    samples, info = configured.fetch_iq(samples=4096, record=1, timeout=0)  # 0: only what is there
    assert info.actual_samples == 1024 and samples.shape == (1024,)
    np.testing.assert_allclose(samples, tone(1024, 1024), atol=1e-9)


def test_raw_int16_samples_scale_to_the_complex_ones(configured):
    raw, info = configured.fetch_iq(samples=256, dtype=np.int16)
    assert raw.dtype == np.int16 and raw.shape == (256, 2)
    scaled = (raw[:, 0] + 1j * raw[:, 1]) * info.gain + info.offset
    np.testing.assert_allclose(scaled, tone(0, 256), atol=2 * info.gain)


def test_several_records_at_once(configured):
    assert [configured.get_attribute(name) for name in ("iq_rate", "number_of_samples", "number_of_records")] == \
        [RATE, 1024, 3], "configure_iq sets what the attributes read"
    data, infos = configured.fetch_iq_records(records=3, samples=1024)
    assert data.shape == (3, 1024) and len(infos) == 3
    np.testing.assert_allclose(data.ravel(), tone(0, 3 * 1024), atol=1e-9)


def test_power_spectrum_peaks_at_the_tone_on_its_frequency_axis(session):
    session.configure_iq(carrier_frequency=2.4e9)
    session.configure_reference_level(0.0)
    session.configure_spectrum(center_frequency=2.4e9 + 0.3e6, span=1e6, resolution_bandwidth=10e3)
    powers, frequencies = session.read_power_spectrum(timeout=-1)
    assert powers.dtype == frequencies.dtype == np.float64 and powers.shape == frequencies.shape == (101,)
    assert (frequencies[0], frequencies[-1]) == (2.4e9 - 0.2e6, 2.4e9 + 0.8e6)
    assert frequencies[np.argmax(powers)] == pytest.approx(2.4e9 + TONE)
    assert powers.max() == pytest.approx(-6.02, abs=0.01) and powers.min() == pytest.approx(-100.0, abs=1.0)
    # A range set through attributes is read back from the instrument.
    session.set_attribute("span", 4e6)
    session.set_attribute("center_frequency", 5e9)
    assert session.read_power_spectrum().frequencies[[0, -1]].tolist() == [4.998e9, 5.002e9]
