// A session playing a recording: tuned to the recording's carrier and rate,
// which it keeps, and the statuses and timestamps of its records.
#pragma once

#include <optional>

#include "Instrument.h"

namespace backendstandin {

// The recording the session plays, else null.
const Recording *ReplayOf(const SimulatedSession &session);

// Sets the carrier and IQ rate the recording was made at.
void TuneToRecording(SimulatedSession &session);

// VI_SUCCESS, or BACKENDSTANDIN_ERROR_RECORDING_TUNING with an elaboration
// naming both values when a replaying session is asked for another carrier
// (attribute::kCarrierFrequency) or IQ rate (attribute::kIqRate).
ViStatus CheckRecordingTuning(const SimulatedSession &session, ViAttr id, double value);

// The status of the recording's part in record `record` of `count`
// samples: BACKENDSTANDIN_WARN_RECORDING_WRAPPED when it restarts the
// recording, BACKENDSTANDIN_ERROR_RECORDING_ENDED (with an elaboration) when
// a recording that stops has run out, else VI_SUCCESS.
ViStatus RecordingStatus(const SimulatedSession &session, int64_t record, int64_t count);

// Seconds since 1970 of the record's first sample: the capture's date and
// time plus its position over the rate; none without a replay or a date.
std::optional<double> RecordingTime(const SimulatedSession &session, int64_t record);

} // namespace backendstandin
