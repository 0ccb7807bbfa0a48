#include "IqAnalysis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zuvexaiq {

namespace {

constexpr double kSilenceDb = -std::numeric_limits<double>::infinity();

double ToDb(double power) { return power > 0.0 ? 10.0 * std::log10(power) : kSilenceDb; }

std::size_t PaddedSize(std::size_t count) {
  std::size_t size = 1;
  while (size < 2 * count) // at least twice: bins of half the resolution
    size *= 2;
  return size;
}

// Magnitude of the record's spectrum at `cycles` cycles per sample.
double SpectrumMagnitude(std::span<const std::complex<double>> samples, double cycles) {
  const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi * cycles);
  std::complex<double> rotation = 1.0, sum = 0.0;
  for (std::size_t n = 0; n < samples.size(); ++n) {
    sum += samples[n] * rotation;
    rotation *= step;
    if (n % 1024 == 1023) // keep the rotation on the unit circle
      rotation /= std::abs(rotation);
  }
  return std::abs(sum);
}

// Cycles per sample of the largest bin of the zero-padded FFT.
double CoarsePeak(std::span<const std::complex<double>> samples, std::size_t paddedSize) {
  std::vector<std::complex<double>> spectrum(samples.begin(), samples.end());
  spectrum.resize(paddedSize);
  Fft(spectrum);
  const auto largest = std::max_element(spectrum.begin(), spectrum.end(),
                                        [](auto a, auto b) { return std::norm(a) < std::norm(b); });
  const double bin = double(largest - spectrum.begin());
  return (bin < paddedSize / 2.0 ? bin : bin - double(paddedSize)) / double(paddedSize);
}

// Golden-section search for the spectrum's maximum in [low, high], down to
// a millionth of the starting interval.
double RefinePeak(std::span<const std::complex<double>> samples, double low, double high) {
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  const double tolerance = (high - low) * 1e-6;
  double a = high - ratio * (high - low), b = low + ratio * (high - low);
  double magnitudeA = SpectrumMagnitude(samples, a), magnitudeB = SpectrumMagnitude(samples, b);
  while (high - low > tolerance) {
    if (magnitudeA < magnitudeB) {
      low = a;
      a = b, magnitudeA = magnitudeB;
      b = low + ratio * (high - low), magnitudeB = SpectrumMagnitude(samples, b);
    } else {
      high = b;
      b = a, magnitudeB = magnitudeA;
      a = high - ratio * (high - low), magnitudeA = SpectrumMagnitude(samples, a);
    }
  }
  return (low + high) / 2.0;
}

} // namespace

std::vector<std::complex<double>> ToComplex(std::span<const double> interleaved) {
  std::vector<std::complex<double>> samples(interleaved.size() / 2);
  for (std::size_t n = 0; n < samples.size(); ++n) samples[n] = {interleaved[2 * n], interleaved[2 * n + 1]};
  return samples;
}

double MeanPowerDbfs(std::span<const std::complex<double>> samples) {
  if (samples.empty()) return kSilenceDb;
  double sum = 0.0;
  for (const auto &sample : samples) sum += std::norm(sample);
  return ToDb(sum / double(samples.size()));
}

Tone FindStrongestTone(std::span<const std::complex<double>> samples, double sampleRate) {
  if (samples.empty()) return {0.0, kSilenceDb};
  const std::size_t padded = PaddedSize(samples.size());
  const double coarse = CoarsePeak(samples, padded);
  const double binWidth = 1.0 / double(padded);
  const double cycles = RefinePeak(samples, coarse - binWidth, coarse + binWidth);
  const double amplitude = SpectrumMagnitude(samples, cycles) / double(samples.size());
  return {cycles * sampleRate, ToDb(amplitude * amplitude)};
}

void Fft(std::vector<std::complex<double>> &values) {
  const std::size_t size = values.size();
  for (std::size_t i = 1, j = 0; i < size; ++i) { // bit-reversed order
    std::size_t bit = size >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(values[i], values[j]);
  }
  for (std::size_t length = 2; length <= size; length *= 2) {
    const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi / double(length));
    for (std::size_t start = 0; start < size; start += length) {
      std::complex<double> twiddle = 1.0;
      for (std::size_t k = 0; k < length / 2; ++k, twiddle *= step) {
        const auto even = values[start + k], odd = values[start + k + length / 2] * twiddle;
        values[start + k] = even + odd;
        values[start + k + length / 2] = even - odd;
      }
    }
  }
}

} // namespace zuvexaiq
