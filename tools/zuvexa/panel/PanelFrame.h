// One refresh of the page: the power spectrum of the start of a record, its
// strongest tone and the first samples as the I/Q trace. A refresh moves
// these bounded points, never the whole record.
#pragma once

#include <complex>
#include <cstddef>
#include <span>

#include <nlohmann/json.hpp>

namespace zuvexapanel {

inline constexpr std::size_t kSpectrumPoints = 1024;   // FFT length: the points of one spectrum
inline constexpr std::size_t kAnalysedSamples = 4096;  // spectra averaged over at most these samples
inline constexpr std::size_t kTracePoints = 1024;      // samples in the I/Q trace

// {"carrier", "rate", "samples", "spectrum": {"start", "step", "power": [...]},
//  "peak": {"offset", "power"}, "trace": {"interval", "i": [...], "q": [...]}};
// frequencies in hertz (the spectrum's absolute, the peak's from the carrier),
// powers in dBFS.
nlohmann::json MakeFrame(std::span<const std::complex<double>> record, double sampleRate, double carrier);

} // namespace zuvexapanel
