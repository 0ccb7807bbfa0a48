// One refresh of the page: the power spectrum of the start of a record, its
// strongest tone and the first samples as the I/Q trace. A refresh moves
// these bounded points, never the whole record.
#pragma once

#include <complex>
#include <cstddef>
#include <span>
#include <string>

namespace zuvexapanel {

inline constexpr std::size_t kSpectrumPoints = 512; // FFT length: the points of one spectrum
inline constexpr std::size_t kAnalysedSamples =
    512;                                         // one segment: a refresh costs little beside a large fetch
inline constexpr std::size_t kToneSamples = 128; // the peak's search, exact for a steady tone
inline constexpr std::size_t kTracePoints = 512; // samples in the I/Q trace

// `head` is the start of a record of `recordSamples` samples, at least
// kAnalysedSamples of it when the record has them.
// The JSON text {"carrier", "rate", "samples", "spectrum": {"start", "step", "scale", "power": [...]},
//  "peak": {"offset", "power"}, "trace": {"interval", "scale", "i": [...], "q": [...]}};
// frequencies in hertz (the spectrum's absolute, the peak's from the carrier),
// powers in dBFS. The arrays hold integers, which are quick to write and read:
// value = integer * scale.
std::string MakeFrame(std::span<const std::complex<double>> head, std::size_t recordSamples,
                      double sampleRate, double carrier);

} // namespace zuvexapanel
