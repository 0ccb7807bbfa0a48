#include "PanelFrame.h"

#include <algorithm>
#include <cmath>

#include "IqAnalysis.h"
#include "Spectrum.h"

namespace zuvexapanel {

namespace {

constexpr double kFloorDbfs = -300.0; // silence, which JSON cannot carry as -infinity

// Rounded to 1/scale, so that the page receives short numbers.
double Rounded(double value, double scale) {
  if (!std::isfinite(value)) return kFloorDbfs;
  return std::round(value * scale) / scale;
}

nlohmann::json SpectrumJson(std::span<const std::complex<double>> analysed, double sampleRate, double carrier) {
  const zuvexacli::PowerSpectrum spectrum = zuvexacli::ComputePowerSpectrum(analysed, sampleRate, kSpectrumPoints);
  nlohmann::json power = nlohmann::json::array();
  for (double value : spectrum.powerDbfs) power.push_back(std::max(Rounded(value, 100), kFloorDbfs));
  const std::size_t points = spectrum.frequency.size();
  return {{"start", points ? carrier + spectrum.frequency.front() : carrier},
          {"step", points > 1 ? spectrum.frequency[1] - spectrum.frequency[0] : 0.0},
          {"power", std::move(power)}};
}

nlohmann::json TraceJson(std::span<const std::complex<double>> record, double sampleRate) {
  nlohmann::json i = nlohmann::json::array(), q = nlohmann::json::array();
  for (const std::complex<double> &sample : record.first(std::min(record.size(), kTracePoints))) {
    i.push_back(Rounded(sample.real(), 1e6));
    q.push_back(Rounded(sample.imag(), 1e6));
  }
  return {{"interval", sampleRate > 0 ? 1.0 / sampleRate : 0.0}, {"i", std::move(i)}, {"q", std::move(q)}};
}

} // namespace

nlohmann::json MakeFrame(std::span<const std::complex<double>> record, double sampleRate, double carrier) {
  const auto analysed = record.first(std::min(record.size(), kAnalysedSamples));
  const zuvexaiq::Tone tone = zuvexaiq::FindStrongestTone(analysed.first(std::min(analysed.size(), kSpectrumPoints)),
                                                          sampleRate);
  return {{"carrier", carrier},
          {"rate", sampleRate},
          {"samples", record.size()},
          {"spectrum", SpectrumJson(analysed, sampleRate, carrier)},
          {"peak", {{"offset", Rounded(tone.frequency, 1000)}, {"power", Rounded(tone.powerDbfs, 100)}}},
          {"trace", TraceJson(record, sampleRate)}};
}

} // namespace zuvexapanel
