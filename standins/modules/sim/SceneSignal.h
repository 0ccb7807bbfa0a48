// What a scene gives with a session's settings: I/Q records relative to full
// scale (the reference level), clipped there, and power spectra in dBm.
#pragma once

#include <cstdint>

#include "Scene.h"
#include "backend_standin.h"

namespace backendstandin {

// Average power of a pulse signal with unit symbols, relative to a symbol's
// (the Gaussian pulse's energy per symbol: sqrt(pi) / 3).
inline constexpr double kPulseSignalPower = 0.5908179503;

// Writes `count` samples of record `record` the way FillRecord does; true
// when any sample was clipped at full scale. Only signals whose frequency
// lies within +-rate/2 of the carrier appear.
bool FillSceneRecord(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t record,
                     int64_t count, ViInt16 *data);
bool FillSceneRecord(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t record,
                     int64_t count, ViReal32 *data);
bool FillSceneRecord(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t record,
                     int64_t count, ViReal64 *data);

// The first min(count, lines) lines in dBm, each the power a Gaussian
// resolution filter passes, the noise-like part an average of `averages`
// spectra, plus the spectrum of a replayed recording measured from position
// `replayStart` on; true when the signals in the span add up above the
// reference level or the recording's measured samples lie beyond full scale.
bool FillSceneSpectrum(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t averages,
                       uint64_t replayStart, int32_t count, ViReal64 *data);
bool FillSceneSpectrum(const Scene &scene, const BackendStandinConfiguration &configuration, int64_t averages,
                       uint64_t replayStart, int32_t count, ViReal32 *data);

} // namespace backendstandin
