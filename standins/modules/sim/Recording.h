// Recordings the simulated analyzer plays as its input: a SigMF pair,
// NAME.sigmf-meta describing NAME.sigmf-data (cf64_le, cf32_le or ci16_le,
// one channel). Samples are relative to full scale; ci16 values are scaled
// by 1 / 32767 like the analyzer's own.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace backendstandin {

struct RecordingCapture {
  uint64_t sampleStart;
  std::optional<double> time; // of sampleStart, seconds since 1970-01-01 UTC
};

struct Recording {
  enum class End { kLoop, kStop };
  std::string metaPath;
  End end = End::kLoop;
  std::optional<double> carrierFrequency; // Hz, from the captures
  std::optional<double> sampleRate;
  // Interleaved I/Q as stored: cf64, cf32 or ci16.
  std::variant<std::vector<double>, std::vector<float>, std::vector<int16_t>> values;
  std::vector<RecordingCapture> captures; // by sample start
  bool beyondFullScale = false;           // any value: records from it clip

  uint64_t Length() const {
    return std::visit([](const auto &stored) { return uint64_t{stored.size() / 2}; }, values);
  }
  // Time of a sample position (below Length()) from the capture holding it;
  // none when that capture has no date or the rate is unknown.
  std::optional<double> TimeAt(uint64_t position) const;
};

// A stored value relative to full scale.
inline double FullScaleValue(double value) { return value; }
inline double FullScaleValue(float value) { return value; }
inline double FullScaleValue(int16_t value) { return value * (1.0 / 32767.0); }

// Thrown with a message naming the file and the fault.
struct RecordingError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads a recording by the name of its meta file, its data file or their
// common stem.
Recording LoadRecording(const std::string &path, Recording::End end);

// "2024-01-02T03:04:05.25Z" as seconds since 1970; none when malformed.
std::optional<double> ParseUtcDateTime(const std::string &text);

} // namespace backendstandin
