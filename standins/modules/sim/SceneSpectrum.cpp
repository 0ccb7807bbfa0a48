// Scene spectra, worked out from the signals rather than from records. A
// Gaussian resolution filter (3 dB wide as the resolution bandwidth) passes
// a tone as a Gaussian peak, white noise as density times the filter's
// noise bandwidth, and a pulse signal's Gaussian spectrum as the two
// Gaussians' convolution. The noise-like part of each line varies as an
// average of `averages` spectra would. A replayed recording adds the
// spectrum measured from its samples.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Random.h"
#include "RecordingSpectrum.h"
#include "SceneSignal.h"
#include "Waveform.h"

namespace backendstandin {

namespace {

constexpr int64_t kAveragesSummed = 16; // beyond, the average's Gaussian limit
constexpr double kSilenceMilliwatt = 1e-20;

double Milliwatt(double dbm) { return std::pow(10.0, dbm / 10.0); }

double Gaussian(double distance, double variance) {
  return std::exp(-distance * distance / (2.0 * variance));
}

// Variance of a pulse signal's power spectrum, in Hz^2: the pulse's deviation
// is a third of a symbol.
double SpectrumVariance(double symbolRate) {
  const double deviation = 3.0 * symbolRate / (2.0 * std::numbers::sqrt2 * std::numbers::pi);
  return deviation * deviation;
}

// Power of an average of `averages` spectra of noise of mean power 1: the
// mean of that many exponential draws, or near it a Gaussian.
double AveragedNoise(uint64_t key, int32_t line, int64_t averages) {
  if (averages > kAveragesSummed)
    return std::max(0.0, 1.0 + NearGaussian(RandomBits(key, static_cast<uint64_t>(line))) /
                                   std::sqrt(static_cast<double>(averages)));
  double sum = 0.0;
  for (int64_t a = 0; a < averages; ++a)
    sum -= std::log(Uniform(RandomBits(key, static_cast<uint64_t>(line) * kAveragesSummed + a)));
  return sum / static_cast<double>(averages);
}

struct LinePowers {
  double steady = 0.0;    // tones, mW
  double noiseLike = 0.0; // noise floor and pulse signals, mW
};

LinePowers PowersAt(const Scene &scene, double frequency, double filterVariance) {
  LinePowers powers;
  for (const SceneTone &tone : scene.tones)
    powers.steady += Milliwatt(tone.powerDbm) * Gaussian(frequency - tone.frequency, filterVariance);
  for (const ScenePulseSignal &signal : scene.pulseSignals) {
    const double variance = SpectrumVariance(signal.symbolRate) + filterVariance;
    powers.noiseLike += Milliwatt(signal.powerDbm) * std::sqrt(filterVariance / variance) *
                        Gaussian(frequency - signal.frequency, variance);
  }
  if (scene.noiseFloorDbmPerHz)
    powers.noiseLike +=
        Milliwatt(*scene.noiseFloorDbmPerHz) * std::sqrt(2.0 * std::numbers::pi * filterVariance);
  return powers;
}

// True when the signals within the span, with the noise over it, exceed
// the reference level.
bool Overloads(const Scene &scene, const BackendStandinConfiguration &configuration) {
  const auto inSpan = [&](double frequency) {
    return std::fabs(frequency - configuration.spectrumCenter) <= configuration.spectrumSpan / 2.0;
  };
  double total =
      scene.noiseFloorDbmPerHz ? Milliwatt(*scene.noiseFloorDbmPerHz) * configuration.spectrumSpan : 0.0;
  for (const SceneTone &tone : scene.tones)
    if (inSpan(tone.frequency)) total += Milliwatt(tone.powerDbm);
  for (const ScenePulseSignal &signal : scene.pulseSignals)
    if (inSpan(signal.frequency)) total += Milliwatt(signal.powerDbm);
  return total > Milliwatt(configuration.referenceLevel);
}

template <class Element>
bool Fill(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t averages,
          uint64_t replayStart, int32_t count, Element *data) {
  const SpectrumAxis axis = AxisOf(configuration);
  const double halfWidth = configuration.resolutionBandwidth / 2.0;
  const double filterVariance = halfWidth * halfWidth / (2.0 * std::numbers::ln2);
  const uint64_t key = Mix(scene.seed ^ 0x5EC7);
  const RecordingLines replayed =
      scene.replay ? MeasureRecordingLines(*scene.replay, configuration, replayStart, count)
                   : RecordingLines{};
  const double fullScale = Milliwatt(configuration.referenceLevel);
  for (int32_t i = 0; i < std::min(count, axis.lines); ++i) {
    const LinePowers powers = PowersAt(scene, axis.start + i * axis.spacing, filterVariance);
    double power = powers.steady + powers.noiseLike * AveragedNoise(key, i, averages);
    if (!replayed.powers.empty()) power += replayed.powers[static_cast<std::size_t>(i)] * fullScale;
    data[i] = static_cast<Element>(10.0 * std::log10(std::max(power, kSilenceMilliwatt)));
  }
  return Overloads(scene, configuration) || replayed.beyondFullScale;
}

} // namespace

bool FillSceneSpectrum(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t averages,
                       uint64_t replayStart, int32_t count, ViReal64 *data) {
  return Fill(scene, configuration, averages, replayStart, count, data);
}

bool FillSceneSpectrum(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t averages,
                       uint64_t replayStart, int32_t count, ViReal32 *data) {
  return Fill(scene, configuration, averages, replayStart, count, data);
}

} // namespace backendstandin
