#include "Waveform.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace backendstandin {

namespace {

double PhaseOf(const ToneSignal &signal, int64_t record, int64_t sample) {
  const double index = static_cast<double>(record) * static_cast<double>(signal.samplesPerRecord) +
                       static_cast<double>(sample);
  return 2.0 * std::numbers::pi * signal.toneOffset * index / signal.iqRate;
}

template <class Element, class Convert>
void Fill(const ToneSignal &signal, int64_t record, int64_t count, Element *data, Convert convert) {
  for (int64_t k = 0; k < count; ++k) {
    const double phase = PhaseOf(signal, record, k);
    data[2 * k] = convert(kToneAmplitude * std::cos(phase));
    data[2 * k + 1] = convert(kToneAmplitude * std::sin(phase));
  }
}

template <class Element>
void FillSpectrum(const BackendStandinConfiguration &configuration, double toneOffset, int32_t count,
                  Element *data) {
  const auto [lines, start, spacing] = AxisOf(configuration);
  const double tone = configuration.carrierFrequency + toneOffset;
  const double peak = configuration.referenceLevel + 20.0 * std::log10(kToneAmplitude);
  const double floor = configuration.referenceLevel - kNoiseFloorBelowReference;
  const double halfWidth = configuration.resolutionBandwidth / 2.0;
  for (int32_t i = 0; i < std::min(count, lines); ++i) {
    const double distance = (start + i * spacing - tone) / halfWidth;
    data[i] = static_cast<Element>(std::max(floor, peak - 3.0103 * distance * distance));
  }
}

} // namespace

void FillRecord(const ToneSignal &signal, int64_t record, int64_t count, ViInt16 *data) {
  Fill(signal, record, count, data,
       [](double x) { return static_cast<ViInt16>(std::lround(x * kI16FullScale)); });
}

void FillRecord(const ToneSignal &signal, int64_t record, int64_t count, ViReal32 *data) {
  Fill(signal, record, count, data, [](double x) { return static_cast<ViReal32>(x); });
}

void FillRecord(const ToneSignal &signal, int64_t record, int64_t count, ViReal64 *data) {
  Fill(signal, record, count, data, [](double x) { return x; });
}

WaveformInfo RecordInfo(const ToneSignal &signal, int64_t count, double gain) {
  WaveformInfo info{};
  info.xIncrement = 1.0 / signal.iqRate;
  info.actualSamples = count;
  info.offset = 0.0;
  info.gain = gain;
  return info;
}

int32_t SpectralLines(const BackendStandinConfiguration &configuration) {
  const double lines = std::floor(configuration.spectrumSpan / configuration.resolutionBandwidth) + 1.0;
  return static_cast<int32_t>(
      std::clamp(lines, 1.0, static_cast<double>(std::numeric_limits<int32_t>::max())));
}

SpectrumAxis AxisOf(const BackendStandinConfiguration &configuration) {
  const int32_t lines = SpectralLines(configuration);
  const double spacing = lines > 1 ? configuration.spectrumSpan / (lines - 1) : 0.0;
  const double start = configuration.spectrumCenter - (lines > 1 ? configuration.spectrumSpan / 2.0 : 0.0);
  return {lines, start, spacing};
}

void FillPowerSpectrum(const BackendStandinConfiguration &configuration, double toneOffset, int32_t count,
                       ViReal64 *data) {
  FillSpectrum(configuration, toneOffset, count, data);
}

void FillPowerSpectrum(const BackendStandinConfiguration &configuration, double toneOffset, int32_t count,
                       ViReal32 *data) {
  FillSpectrum(configuration, toneOffset, count, data);
}

} // namespace backendstandin
