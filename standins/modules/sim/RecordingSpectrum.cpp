// A window w(t) = exp(-t^2 / (2 s^2)) has |W(f)|^2 = exp(-f^2 / (2 v)) with
// v = 1 / (8 pi^2 s^2): the window of the resolution filter's variance v.
// It reaches 6 s either side of its centre; the transform is zero-padded to
// at least four times the window, so that bins lie less than a quarter of
// the filter's deviation apart. A line takes the bins either side of it,
// interpolated in log power: a tone's log power is a parabola in frequency,
// which the straight line between them misses by 0.03 dB at most.
#include "RecordingSpectrum.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <numbers>

#include "Waveform.h"

namespace backendstandin {

namespace {

using Complex = std::complex<double>;

constexpr double kReach = 6.0; // deviations either side of the window's centre
// Deviations in samples: below the least the window is a few samples, above
// the most the transform grows past 2^19 points, and the resolution filter
// is wider than asked.
constexpr double kLeastDeviation = 0.5, kMostDeviation = 8192.0;
constexpr std::size_t kPaddingFactor = 4;
constexpr double kSilence = 1e-300; // a bin's power where the recording is silent

// Deviation of the window in samples for the resolution filter.
double WindowDeviation(const BackendStandinConfiguration &configuration) {
  const double filterDeviation =
      configuration.resolutionBandwidth / 2.0 / std::sqrt(2.0 * std::numbers::ln2); // Hz
  const double samples =
      configuration.iqRate / (2.0 * std::numbers::sqrt2 * std::numbers::pi * filterDeviation);
  return std::clamp(samples, kLeastDeviation, kMostDeviation);
}

std::vector<double> GaussianWindow(double deviation) {
  const auto half = static_cast<std::size_t>(std::ceil(kReach * deviation));
  std::vector<double> window(2 * half + 1);
  for (std::size_t n = 0; n < window.size(); ++n) {
    const double t = (static_cast<double>(n) - static_cast<double>(half)) / deviation;
    window[n] = std::exp(-0.5 * t * t);
  }
  return window;
}

// Radix-2 transform in place; the size is a power of two.
void Transform(std::vector<Complex> &x) {
  const std::size_t n = x.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; (j & bit) != 0; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(x[i], x[j]);
  }
  std::vector<Complex> turns(n / 2);
  for (std::size_t k = 0; k < turns.size(); ++k)
    turns[k] = std::polar(1.0, -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n));
  for (std::size_t size = 2; size <= n; size <<= 1)
    for (std::size_t first = 0; first < n; first += size)
      for (std::size_t k = 0; k < size / 2; ++k) {
        const Complex t = turns[k * (n / size)] * x[first + k + size / 2];
        x[first + k + size / 2] = x[first + k] - t;
        x[first + k] += t;
      }
}

// The windowed samples from `start` on, zero-padded; true in `beyond` when
// one of them lies beyond full scale.
std::vector<Complex> Windowed(const Recording &recording, uint64_t start, const std::vector<double> &window,
                              bool &beyond) {
  std::vector<Complex> samples(std::bit_ceil(kPaddingFactor * window.size()));
  const uint64_t length = recording.Length();
  const bool loops = recording.end == Recording::End::kLoop;
  std::visit(
      [&](const auto &values) {
        for (std::size_t n = 0; n < window.size(); ++n) {
          const uint64_t at = loops ? (start + n) % length : start + n;
          if (at >= length) break; // a recording that stops is silent after its end
          const double i = FullScaleValue(values[2 * at]), q = FullScaleValue(values[2 * at + 1]);
          beyond = beyond || !(std::fabs(i) <= 1.0 && std::fabs(q) <= 1.0);
          samples[n] = window[n] * Complex(i, q);
        }
      },
      recording.values);
  return samples;
}

// Power at a bin position (negative: below the carrier), between the log
// powers of the bins either side.
double PowerBetweenBins(const std::vector<Complex> &bins, double position) {
  const auto size = static_cast<int64_t>(bins.size());
  const double below = std::floor(position), above = position - below;
  const auto logPower = [&](int64_t bin) {
    return std::log(
        std::max(std::norm(bins[static_cast<std::size_t>((bin % size + size) % size)]), kSilence));
  };
  const auto first = static_cast<int64_t>(below);
  return std::exp((1.0 - above) * logPower(first) + above * logPower(first + 1));
}

} // namespace

RecordingLines MeasureRecordingLines(const Recording &recording,
                                     const BackendStandinConfiguration &configuration, uint64_t start,
                                     int32_t count) {
  const std::vector<double> window = GaussianWindow(WindowDeviation(configuration));
  RecordingLines lines;
  std::vector<Complex> bins = Windowed(recording, start, window, lines.beyondFullScale);
  Transform(bins);
  double gain = 0.0; // a tone's amplitude in its bin
  for (double weight : window) gain += weight;
  const double rate = configuration.iqRate;
  const SpectrumAxis axis = AxisOf(configuration);
  lines.powers.assign(static_cast<std::size_t>(std::max(0, std::min(count, axis.lines))), 0.0);
  for (std::size_t i = 0; i < lines.powers.size(); ++i) {
    const double offset = axis.start + static_cast<double>(i) * axis.spacing - configuration.carrierFrequency;
    if (!(std::fabs(offset) < rate / 2.0)) continue;
    lines.powers[i] =
        PowerBetweenBins(bins, offset / rate * static_cast<double>(bins.size())) / (gain * gain);
  }
  return lines;
}

} // namespace backendstandin
