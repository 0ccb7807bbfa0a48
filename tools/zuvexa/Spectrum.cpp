#include "Spectrum.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "IqAnalysis.h"

namespace zuvexacli {

namespace {

std::size_t SegmentLength(std::size_t available, std::size_t largest) {
  std::size_t length = 1;
  while (length * 2 <= std::min(available, largest)) length *= 2;
  return length;
}

std::vector<double> HannWindow(std::size_t length) {
  std::vector<double> window(length);
  for (std::size_t n = 0; n < length; ++n)
    window[n] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(n) / double(length));
  return window;
}

} // namespace

PowerSpectrum ComputePowerSpectrum(std::span<const std::complex<double>> samples, double sampleRate,
                                   std::size_t segmentSize) {
  PowerSpectrum spectrum;
  if (samples.size() < 2 || sampleRate <= 0.0) return spectrum;
  const std::size_t length = SegmentLength(samples.size(), std::max<std::size_t>(segmentSize, 2));
  const std::vector<double> window = HannWindow(length);
  double windowSum = 0.0;
  for (double w : window) windowSum += w;

  std::vector<double> power(length, 0.0);
  std::size_t segments = 0;
  for (std::size_t start = 0; start + length <= samples.size(); start += length / 2, ++segments) {
    std::vector<std::complex<double>> segment(length);
    for (std::size_t n = 0; n < length; ++n) segment[n] = samples[start + n] * window[n];
    zuvexaiq::Fft(segment);
    for (std::size_t k = 0; k < length; ++k) power[k] += std::norm(segment[k]);
  }

  spectrum.frequency.resize(length);
  spectrum.powerDbfs.resize(length);
  const double scale = 1.0 / (double(segments) * windowSum * windowSum);
  for (std::size_t i = 0; i < length; ++i) { // negative frequencies first
    const std::size_t bin = (i + length / 2) % length;
    const double value = power[bin] * scale;
    spectrum.frequency[i] = (double(i) - double(length / 2)) * sampleRate / double(length);
    spectrum.powerDbfs[i] = value > 0.0 ? 10.0 * std::log10(value) : -std::numeric_limits<double>::infinity();
  }
  return spectrum;
}

} // namespace zuvexacli
