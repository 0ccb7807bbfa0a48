// Power spectrum of a record of complex samples, for the plot.
#pragma once

#include <complex>
#include <cstddef>
#include <span>
#include <vector>

namespace zuvexacli {

struct PowerSpectrum {
  std::vector<double> frequency; // hertz relative to the carrier, ascending
  std::vector<double> powerDbfs; // a tone of amplitude A reads 20 log10(A)
};

// Averages the Hann-windowed spectra of half-overlapping segments of at
// most `segmentSize` samples (a power of two no longer than the record).
// Fewer than two samples give an empty spectrum.
PowerSpectrum ComputePowerSpectrum(std::span<const std::complex<double>> samples, double sampleRate,
                                   std::size_t segmentSize = 4096);

} // namespace zuvexacli
