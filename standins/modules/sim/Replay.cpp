#include "Replay.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "Settings.h"
#include "platform/IviEngine.h"

namespace backendstandin {

namespace {

// "100 MHz", "2.5 MS/s": the value in the largest unit it reaches.
std::string WithUnit(double value, const char *unit) {
  const struct {
    double scale;
    const char *prefix;
  } prefixes[] = {{1e9, "G"}, {1e6, "M"}, {1e3, "k"}, {1.0, ""}};
  for (const auto &[scale, prefix] : prefixes)
    if (std::fabs(value) >= scale || scale == 1.0) {
      char text[64];
      std::snprintf(text, sizeof text, "%.10g %s%s", value / scale, prefix, unit);
      return text;
    }
  return {};
}

bool Same(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::fabs(b); }

ViStatus Fail(const SimulatedSession &session, ViStatus status, const std::string &elaboration) {
  Ivi_SetErrorInfo(session.vi, VI_TRUE, status, 0, elaboration.c_str());
  return status;
}

uint64_t FirstSample(const SimulatedSession &session, int64_t record) {
  return static_cast<uint64_t>(record) * static_cast<uint64_t>(session.configuration.samplesPerRecord);
}

} // namespace

const Recording *ReplayOf(const SimulatedSession &session) {
  return session.scene != nullptr ? session.scene->replay.get() : nullptr;
}

void TuneToRecording(SimulatedSession &session) {
  const Recording *recording = ReplayOf(session);
  if (recording == nullptr) return;
  if (recording->carrierFrequency) session.configuration.carrierFrequency = *recording->carrierFrequency;
  if (recording->sampleRate) session.configuration.iqRate = *recording->sampleRate;
}

ViStatus CheckRecordingTuning(const SimulatedSession &session, ViAttr id, double value) {
  const Recording *recording = ReplayOf(session);
  if (recording == nullptr) return VI_SUCCESS;
  if (id == attribute::kCarrierFrequency && recording->carrierFrequency &&
      !Same(value, *recording->carrierFrequency))
    return Fail(session, BACKENDSTANDIN_ERROR_RECORDING_TUNING,
                "the recording \"" + recording->metaPath + "\" is at " +
                    WithUnit(*recording->carrierFrequency, "Hz") + ", the analyzer is tuned to " +
                    WithUnit(value, "Hz"));
  if (id == attribute::kIqRate && recording->sampleRate && !Same(value, *recording->sampleRate))
    return Fail(session, BACKENDSTANDIN_ERROR_RECORDING_TUNING,
                "the recording \"" + recording->metaPath + "\" was sampled at " +
                    WithUnit(*recording->sampleRate, "S/s") + ", the analyzer's IQ rate is " +
                    WithUnit(value, "S/s"));
  return VI_SUCCESS;
}

ViStatus RecordingStatus(const SimulatedSession &session, int64_t record, int64_t count) {
  const Recording *recording = ReplayOf(session);
  if (recording == nullptr || count <= 0) return VI_SUCCESS;
  const uint64_t first = FirstSample(session, record), last = first + static_cast<uint64_t>(count) - 1;
  const uint64_t length = recording->Length();
  if (recording->end == Recording::End::kStop) {
    if (last < length) return VI_SUCCESS;
    return Fail(session, BACKENDSTANDIN_ERROR_RECORDING_ENDED,
                "the recording \"" + recording->metaPath + "\" holds " + std::to_string(length) +
                    " samples; record " + std::to_string(record) + " needs samples " + std::to_string(first) +
                    " to " + std::to_string(last));
  }
  // The first sample of a repeat, at a multiple of the length, lies within.
  const uint64_t repeat = std::max<uint64_t>(1, (first + length - 1) / length) * length;
  return repeat <= last ? BACKENDSTANDIN_WARN_RECORDING_WRAPPED : VI_SUCCESS;
}

std::optional<double> RecordingTime(const SimulatedSession &session, int64_t record) {
  const Recording *recording = ReplayOf(session);
  if (recording == nullptr) return std::nullopt;
  const uint64_t first = FirstSample(session, record);
  if (recording->end == Recording::End::kStop && first >= recording->Length()) return std::nullopt;
  return recording->TimeAt(first % recording->Length());
}

} // namespace backendstandin
