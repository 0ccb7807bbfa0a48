// Scene records, generated in chunks: a replayed recording's samples are
// copied into a chunk of complex samples, noise, tones, FM and pulse
// signals added to them, which is then clipped at full
// scale and converted. Oscillators restart from their exact phase at every
// chunk, so rounding cannot build up over long records.
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>
#include <span>
#include <type_traits>
#include <vector>

#include "Random.h"
#include "SceneSignal.h"
#include "Waveform.h"

namespace backendstandin {

namespace {

constexpr int64_t kChunk = 2048;
constexpr double kPulseReach = 2.0;               // symbols either side where a pulse counts
constexpr std::size_t kPulseStepsPerSymbol = 256; // of the pulse table
// A pulse signal with more symbols per sample is left out of records: it
// would only alias, and its symbol times would lose their fractions.
constexpr double kMostSymbolsPerSample = 1e6;

struct Complex {
  double re = 0.0;
  double im = 0.0;
};

Complex Times(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

// e^(j 2 pi cycles), scaled.
Complex Turn(double cycles, double scale = 1.0) {
  const double angle = 2.0 * std::numbers::pi * (cycles - std::floor(cycles));
  return {scale * std::cos(angle), scale * std::sin(angle)};
}

// Power in dBm relative to full scale, which is the reference level.
double RelativePower(double dbm, double referenceLevel) {
  return std::pow(10.0, (dbm - referenceLevel) / 10.0);
}

struct ToneOscillator {
  double cyclesPerSample;
  double amplitude;
};

struct FmOscillator {
  double cyclesPerSample;
  double amplitude;
  double index;               // peak phase swing in cycles: deviation / (2 pi modulating)
  double modulatingPerSample; // cycles of the modulating tone
};

struct PulseOscillator {
  double cyclesPerSample;
  double amplitude; // per unit symbol
  double symbolsPerSample;
  uint64_t key;
  ScenePulseSignal::Symbols symbols;
};

// The scene as the record at this carrier and rate sees it.
struct RecordPlan {
  std::vector<ToneOscillator> tones;
  std::vector<PulseOscillator> pulses;
  std::vector<FmOscillator> fms;
  const Recording *replay = nullptr;
  double noiseDeviation = 0.0; // of I and of Q
  uint64_t noiseKey = 0;
};

RecordPlan PlanOf(const Scene &scene, const BackendStandinConfiguration &configuration) {
  RecordPlan plan;
  const double rate = configuration.iqRate;
  const double reference = configuration.referenceLevel;
  const auto visible = [&](double frequency) {
    return std::fabs(frequency - configuration.carrierFrequency) < rate / 2.0;
  };
  for (const SceneTone &tone : scene.tones)
    if (visible(tone.frequency))
      plan.tones.push_back({(tone.frequency - configuration.carrierFrequency) / rate,
                            std::sqrt(RelativePower(tone.powerDbm, reference))});
  for (const ScenePulseSignal &signal : scene.pulseSignals)
    if (visible(signal.frequency) && signal.symbolRate <= kMostSymbolsPerSample * rate)
      plan.pulses.push_back({(signal.frequency - configuration.carrierFrequency) / rate,
                             std::sqrt(RelativePower(signal.powerDbm, reference) / kPulseSignalPower),
                             signal.symbolRate / rate, Mix(signal.seed), signal.symbols});
  for (const SceneFmSignal &fm : scene.fmSignals)
    if (visible(fm.frequency))
      plan.fms.push_back({(fm.frequency - configuration.carrierFrequency) / rate,
                          std::sqrt(RelativePower(fm.powerDbm, reference)),
                          fm.deviation / (2.0 * std::numbers::pi * fm.modulating), fm.modulating / rate});
  plan.replay = scene.replay.get();
  if (scene.noiseFloorDbmPerHz) {
    const double power = RelativePower(*scene.noiseFloorDbmPerHz + 10.0 * std::log10(rate), reference);
    plan.noiseDeviation = std::sqrt(power / 2.0);
    plan.noiseKey = Mix(scene.seed);
  }
  return plan;
}

// Calls copy(values, first, run) for each run of `count` samples from
// position `start` on, `values` the stored ones from the run's first,
// `first` the index of the run's first sample in the output; returns the
// samples copied (fewer than count when a recording that stops runs out).
template <class Copy>
int64_t ForEachRun(const Recording &recording, uint64_t start, int64_t count, Copy &&copy) {
  const uint64_t length = recording.Length();
  int64_t done = 0;
  while (done < count) {
    const uint64_t position = start + static_cast<uint64_t>(done);
    const uint64_t at = recording.end == Recording::End::kLoop ? position % length : position;
    if (at >= length) break;
    const auto run =
        static_cast<int64_t>(std::min<uint64_t>(static_cast<uint64_t>(count - done), length - at));
    std::visit([&](const auto &values) { copy(values.data() + 2 * at, done, run); }, recording.values);
    done += run;
  }
  return done;
}

// The recording's samples from position `start` on, from its beginning
// again past its end when it loops, else zero there.
void CopyReplay(const Recording &recording, uint64_t start, std::span<Complex> samples) {
  ForEachRun(recording, start, static_cast<int64_t>(samples.size()),
             [&](const auto *from, int64_t first, int64_t run) {
               for (int64_t k = 0; k < run; ++k)
                 samples[first + k] = {FullScaleValue(from[2 * k]), FullScaleValue(from[2 * k + 1])};
             });
}

void AddNoise(const RecordPlan &plan, uint64_t start, std::span<Complex> samples) {
  if (plan.noiseDeviation == 0.0) return;
  for (std::size_t k = 0; k < samples.size(); ++k) {
    const uint64_t n = start + k;
    samples[k].re += plan.noiseDeviation * NearGaussian(RandomBits(plan.noiseKey, 2 * n));
    samples[k].im += plan.noiseDeviation * NearGaussian(RandomBits(plan.noiseKey, 2 * n + 1));
  }
}

void AddTone(const ToneOscillator &tone, uint64_t start, std::span<Complex> samples) {
  Complex phasor = Turn(tone.cyclesPerSample * static_cast<double>(start), tone.amplitude);
  const Complex step = Turn(tone.cyclesPerSample);
  for (Complex &sample : samples) {
    sample.re += phasor.re;
    sample.im += phasor.im;
    phasor = Times(phasor, step);
  }
}

// Each sample's phase from its index, so that records far out stay exact.
void AddFm(const FmOscillator &fm, uint64_t start, std::span<Complex> samples) {
  for (std::size_t k = 0; k < samples.size(); ++k) {
    const auto n = static_cast<double>(start + k);
    const double modulation = std::sin(2.0 * std::numbers::pi * std::fmod(fm.modulatingPerSample * n, 1.0));
    const Complex value = Turn(std::fmod(fm.cyclesPerSample * n, 1.0) + fm.index * modulation, fm.amplitude);
    samples[k].re += value.re;
    samples[k].im += value.im;
  }
}

// The weights exp(-4.5 x^2) of a Gaussian pulse whose deviation is a third
// of a symbol, x the distance in symbols, for the four symbols floor(t) - 1
// to floor(t) + 2 around a time t: tabled by the fraction t - floor(t) and
// interpolated.
class PulseTable {
public:
  PulseTable() {
    const auto weight = [](std::size_t step, int d) {
      const double x = static_cast<double>(step) / kPulseStepsPerSymbol + 1.0 - d;
      return std::exp(-4.5 * x * x);
    };
    for (std::size_t i = 0; i < kPulseStepsPerSymbol; ++i)
      for (int d = 0; d < 4; ++d) {
        values_[i][d] = weight(i, d);
        slopes_[i][d] = weight(i + 1, d) - values_[i][d];
      }
  }
  // The four weights, in the order of the symbols, times the symbols, added.
  Complex Weigh(double fraction, const std::array<Complex, 4> &symbols) const {
    const double position = fraction * kPulseStepsPerSymbol;
    const auto i = static_cast<std::size_t>(position); // below the steps: fraction < 1
    const double t = position - static_cast<double>(i);
    std::array<double, 4> w;
    for (int d = 0; d < 4; ++d) w[d] = values_[i][d] + t * slopes_[i][d];
    return {(w[0] * symbols[0].re + w[1] * symbols[1].re) + (w[2] * symbols[2].re + w[3] * symbols[3].re),
            (w[0] * symbols[0].im + w[1] * symbols[1].im) + (w[2] * symbols[2].im + w[3] * symbols[3].im)};
  }

private:
  std::array<std::array<double, 4>, kPulseStepsPerSymbol> values_{};
  std::array<std::array<double, 4>, kPulseStepsPerSymbol> slopes_{};
};

Complex SymbolOf(const PulseOscillator &signal, int64_t symbol) {
  const uint64_t bits = RandomBits(signal.key, static_cast<uint64_t>(symbol));
  if (signal.symbols == ScenePulseSignal::Symbols::kQpsk) {
    constexpr double kLevel = std::numbers::sqrt2 / 2.0;
    return {bits & 1 ? kLevel : -kLevel, bits & 2 ? kLevel : -kLevel};
  }
  constexpr double kHalf = std::numbers::sqrt2 / 2.0;
  return {kHalf * NearGaussian(bits), kHalf * NearGaussian(Mix(bits))};
}

// The four symbols within the pulse's reach of a time t (in symbols),
// floor(t) - 1 to floor(t) + 2, kept while t stays between two symbols.
class SymbolWindow {
public:
  explicit SymbolWindow(const PulseOscillator &signal) : signal_(signal) {}

  const std::array<Complex, 4> &At(int64_t base) {
    if (base == base_ + 1) {
      std::copy(symbols_.begin() + 1, symbols_.end(), symbols_.begin());
      symbols_[3] = SymbolOf(signal_, base + 2);
    } else if (base != base_) {
      for (int64_t d = 0; d < 4; ++d) symbols_[d] = SymbolOf(signal_, base - 1 + d);
    }
    base_ = base;
    return symbols_;
  }

private:
  const PulseOscillator &signal_;
  int64_t base_ = INT64_MIN;
  std::array<Complex, 4> symbols_{};
};

// The symbols within the pulse's reach of each sample, weighted by the
// pulse, then moved to the signal's frequency.
void AddPulseSignal(const PulseOscillator &signal, uint64_t start, std::span<Complex> samples) {
  static const PulseTable pulse;
  SymbolWindow window(signal);
  Complex phasor = Turn(signal.cyclesPerSample * static_cast<double>(start), signal.amplitude);
  const Complex step = Turn(signal.cyclesPerSample);
  // Time in symbols, kept below 2^52 so that whole symbols stay exact; the
  // symbols repeat after that many.
  const double first = std::fmod(static_cast<double>(start) * signal.symbolsPerSample, 0x1p52);
  for (std::size_t k = 0; k < samples.size(); ++k) {
    const double time = first + static_cast<double>(k) * signal.symbolsPerSample;
    const auto base = static_cast<int64_t>(time); // its floor: time is not negative
    const Complex baseband = pulse.Weigh(time - static_cast<double>(base), window.At(base));
    const Complex moved = Times(baseband, phasor);
    samples[k].re += moved.re;
    samples[k].im += moved.im;
    phasor = Times(phasor, step);
  }
}

// Clips at full scale; true when any part was beyond it.
bool Clip(double &value) {
  if (std::fabs(value) <= 1.0) return false;
  value = std::copysign(1.0, value);
  return true;
}

// Copies n values, clipped at full scale and converted; non-zero when any
// was beyond it. cf32 into F32 stays in float: twice the values per vector.
template <class Element, class Convert, class Stored>
unsigned CopyClipped(const Stored *from, Element *out, int64_t n, Convert convert) {
  using Work =
      std::conditional_t<std::is_same_v<Stored, float> && std::is_same_v<Element, float>, float, double>;
  unsigned over = 0;
  for (int64_t i = 0; i < n; ++i) {
    const auto value = static_cast<Work>(FullScaleValue(from[i]));
    over |= static_cast<unsigned>(value > Work{1}) | static_cast<unsigned>(value < Work{-1});
    out[i] = convert(std::max(Work{-1}, std::min(Work{1}, value)));
  }
  return over;
}

// A scene that is only a recording, straight from it.
template <class Element, class Convert>
bool FillFromReplay(const Recording &recording, uint64_t first, int64_t count, Element *data,
                    Convert convert) {
  unsigned clipped = 0;
  const int64_t copied = ForEachRun(recording, first, count, [&](const auto *from, int64_t at, int64_t run) {
    // Within full scale, values stored as the record's type come out as stored.
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(*from)>, Element>)
      if (!recording.beyondFullScale) {
        std::memcpy(data + 2 * at, from, static_cast<std::size_t>(2 * run) * sizeof(Element));
        return;
      }
    clipped |= CopyClipped(from, data + 2 * at, 2 * run, convert);
  });
  std::fill(data + 2 * copied, data + 2 * count, convert(0.0));
  return clipped != 0;
}

bool OnlyReplay(const RecordPlan &plan) {
  return plan.replay != nullptr && plan.tones.empty() && plan.pulses.empty() && plan.fms.empty() &&
         plan.noiseDeviation == 0.0;
}

template <class Element, class Convert>
bool Fill(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t record, int64_t count,
          Element *data, Convert convert) {
  const RecordPlan plan = PlanOf(scene, configuration);
  // Sample indices wrap rather than overflow for records far out.
  const uint64_t first =
      static_cast<uint64_t>(record) * static_cast<uint64_t>(configuration.samplesPerRecord);
  if (OnlyReplay(plan)) return FillFromReplay(*plan.replay, first, count, data, convert);
  std::vector<Complex> chunk(static_cast<std::size_t>(std::clamp<int64_t>(count, 0, kChunk)));
  bool clipped = false;
  for (int64_t done = 0; done < count; done += kChunk) {
    const std::span<Complex> samples(chunk.data(), static_cast<std::size_t>(std::min(kChunk, count - done)));
    std::fill(samples.begin(), samples.end(), Complex{});
    const uint64_t start = first + static_cast<uint64_t>(done);
    if (plan.replay != nullptr) CopyReplay(*plan.replay, start, samples);
    AddNoise(plan, start, samples);
    for (const FmOscillator &fm : plan.fms) AddFm(fm, start, samples);
    for (const ToneOscillator &tone : plan.tones) AddTone(tone, start, samples);
    for (const PulseOscillator &signal : plan.pulses) AddPulseSignal(signal, start, samples);
    Element *out = data + 2 * done;
    for (Complex &sample : samples) {
      clipped = Clip(sample.re) | Clip(sample.im) | clipped;
      *out++ = convert(sample.re);
      *out++ = convert(sample.im);
    }
  }
  return clipped;
}

} // namespace

bool FillSceneRecord(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t record,
                     int64_t count, ViInt16 *data) {
  return Fill(scene, configuration, record, count, data,
              [](double x) { return static_cast<ViInt16>(std::lround(x * kI16FullScale)); });
}

bool FillSceneRecord(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t record,
                     int64_t count, ViReal32 *data) {
  return Fill(scene, configuration, record, count, data, [](double x) { return static_cast<ViReal32>(x); });
}

bool FillSceneRecord(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t record,
                     int64_t count, ViReal64 *data) {
  return Fill(scene, configuration, record, count, data, [](double x) { return x; });
}

} // namespace backendstandin
