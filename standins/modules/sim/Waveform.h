// The simulated signal: a complex tone at the carrier plus the tone offset,
// amplitude 0.5 of full scale, phase continuous across records, and the
// power spectrum it gives.
#pragma once

#include <cstdint>

#include "backend_standin.h"

namespace backendstandin {

inline constexpr double kToneAmplitude = 0.5;
inline constexpr double kI16FullScale = 32767.0;
inline constexpr double kNoiseFloorBelowReference = 100.0; // dB

struct ToneSignal {
  double iqRate;
  double toneOffset;
  int64_t samplesPerRecord; // record r starts at sample r * samplesPerRecord
};

// Interleaved I/Q of `count` samples of record `record` (ViInt16 scaled by
// 32767, ViReal32, ViReal64).
void FillRecord(const ToneSignal &signal, int64_t record, int64_t count, ViInt16 *data);
void FillRecord(const ToneSignal &signal, int64_t record, int64_t count, ViReal32 *data);
void FillRecord(const ToneSignal &signal, int64_t record, int64_t count, ViReal64 *data);

// Scaling gain of the samples FillRecord writes for an element type.
inline double SampleGain(const ViInt16 *) { return 1.0 / kI16FullScale; }
inline double SampleGain(const void *) { return 1.0; }

WaveformInfo RecordInfo(const ToneSignal &signal, int64_t count, double gain);

// Lines of the spectrum: span / resolution bandwidth + 1, at least 1.
int32_t SpectralLines(const BackendStandinConfiguration &configuration);

// Line i lies at start + i * spacing (one line: at the centre).
struct SpectrumAxis {
  int32_t lines;
  double start;
  double spacing;
};
SpectrumAxis AxisOf(const BackendStandinConfiguration &configuration);

// Power in dBm of the first `count` lines over the configured span: the tone
// at reference level - 6 dB (amplitude 0.5) with a peak one resolution
// bandwidth wide, on a floor 100 dB below the reference level.
void FillPowerSpectrum(const BackendStandinConfiguration &configuration, double toneOffset, int32_t count,
                       ViReal64 *data);
void FillPowerSpectrum(const BackendStandinConfiguration &configuration, double toneOffset, int32_t count,
                       ViReal32 *data);

} // namespace backendstandin
