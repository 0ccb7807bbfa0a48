// A scene: the signals at the simulated analyzer's input, at absolute RF
// frequencies and powers in dBm, read from the file the DriverSetup's Scene
// key names. Full scale (0 dBFS) is the reference level.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Recording.h"

namespace backendstandin {

struct SceneTone {
  double frequency; // Hz
  double powerDbm;
};

// Symbols at symbolRate shaped by a Gaussian pulse (standard deviation a
// third of a symbol): a QPSK signal, or with complex Gaussian symbols a noise
// band. Either has a Gaussian power spectrum around its frequency.
struct ScenePulseSignal {
  enum class Symbols { kQpsk, kGaussian };
  double frequency; // Hz, centre
  double symbolRate;
  double powerDbm; // total
  uint64_t seed;
  Symbols symbols;
};

// A carrier frequency-modulated by a tone: its frequency swings
// +-deviation around `frequency`, `modulating` times a second, starting at
// the top of the swing at sample 0.
struct SceneFmSignal {
  double frequency; // Hz, centre
  double powerDbm;
  double deviation;  // Hz, peak
  double modulating; // Hz
};

// 3 dB bandwidth of a pulse signal's spectrum per symbol rate.
inline constexpr double kBandwidthPerSymbolRate = 0.7950;

struct Scene {
  std::string path;
  uint64_t seed = 1;                        // of the noise floor
  std::optional<double> noiseFloorDbmPerHz; // none: no noise
  std::vector<SceneTone> tones;
  std::vector<ScenePulseSignal> pulseSignals; // bands and QPSK signals
  std::vector<SceneFmSignal> fmSignals;
  std::shared_ptr<const Recording> replay; // played under the signals; null: none
};

// Thrown with a message naming the file and the fault.
struct SceneError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads and checks a scene file (JSON, see the module README); a replay
// it names that cannot be played throws RecordingError.
Scene LoadScene(const std::string &path);

} // namespace backendstandin
