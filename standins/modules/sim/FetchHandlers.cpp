// Fetch and read entries of the C form: the tone of the session's
// configuration, or its scene, into the caller's arrays, with a WaveformInfo
// per record. Null outputs and negative counts give
// BACKENDSTANDIN_ERROR_INVALID_ARGUMENT; a scene that overloads the input
// gives BACKENDSTANDIN_WARN_OVERLOAD with the clipped samples; a replayed
// recording adds its own statuses and timestamps (Replay.h), and its
// spectrum is measured from the record last fetched or read.
#include <algorithm>
#include <limits>
#include <optional>

#include "Handlers.h"
#include "Replay.h"
#include "SceneSignal.h"
#include "Waveform.h"

namespace backendstandin {

namespace {

ToneSignal SignalOf(const Instrument &instrument, const SimulatedSession &session) {
  return {session.configuration.iqRate, instrument.ToneOffset(), session.configuration.samplesPerRecord};
}

ViStatus OverloadStatus(bool overloaded) { return overloaded ? BACKENDSTANDIN_WARN_OVERLOAD : VI_SUCCESS; }

// The error if either is one, else the higher warning.
ViStatus Worse(ViStatus a, ViStatus b) { return a < 0 || b < 0 ? std::min(a, b) : std::max(a, b); }

WaveformInfo SessionRecordInfo(const Instrument &instrument, const SimulatedSession &session, int64_t record,
                               int64_t count, double gain) {
  WaveformInfo info = RecordInfo(SignalOf(instrument, session), count, gain);
  info.absoluteInitialX = RecordingTime(session, record).value_or(0.0);
  return info;
}

// Record `record` of the session's signal; the overload status.
template <class Element>
ViStatus FillSessionRecord(const Instrument &instrument, SimulatedSession &session, int64_t record,
                           int64_t count, Element *data) {
  session.lastRecordStart =
      static_cast<uint64_t>(record) * static_cast<uint64_t>(session.configuration.samplesPerRecord);
  if (session.scene != nullptr)
    return Worse(RecordingStatus(session, record, count),
                 OverloadStatus(FillSceneRecord(*session.scene, session.configuration, record, count, data)));
  FillRecord(SignalOf(instrument, session), record, count, data);
  return VI_SUCCESS;
}

// -1 asks for the whole record; any other count is cut to the record length.
std::optional<ViInt64> SamplesToReturn(ViInt64 requested, ViInt64 recordLength) {
  if (requested == -1) return recordLength;
  if (requested < 0) return std::nullopt;
  return std::min(requested, recordLength);
}

template <class Element>
ViStatus FetchSingleRecord(const Instrument &instrument, SimulatedSession &session, const EntryCall &call) {
  Element *data = call.Output<Element>("data");
  WaveformInfo *info = call.Output<WaveformInfo>("wfmInfo");
  const ViInt64 record = call.Int("recordNumber");
  const auto count = SamplesToReturn(call.Int("numberOfSamples"), session.configuration.samplesPerRecord);
  if (data == nullptr || info == nullptr || record < 0 || !count)
    return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  *info = SessionRecordInfo(instrument, session, record, *count, SampleGain(data));
  return FillSessionRecord(instrument, session, record, *count, data);
}

// Records follow each other in `data`, each 2 * count elements long.
template <class Element>
ViStatus FetchMultiRecord(const Instrument &instrument, SimulatedSession &session, const EntryCall &call) {
  Element *data = call.Output<Element>("data");
  WaveformInfo *info = call.Output<WaveformInfo>("wfmInfo");
  const ViInt64 first = call.Int("startingRecord");
  const ViInt64 records = call.Int("numberOfRecords");
  const auto count = SamplesToReturn(call.Int("numberOfSamples"), session.configuration.samplesPerRecord);
  if (data == nullptr || info == nullptr || first < 0 || records < 0 || !count)
    return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  ViStatus status = VI_SUCCESS;
  for (ViInt64 r = 0; r < records; ++r) {
    info[r] = SessionRecordInfo(instrument, session, first + r, *count, SampleGain(data));
    status = Worse(status, FillSessionRecord(instrument, session, first + r, *count, data + 2 * r * *count));
  }
  return status;
}

// A read acquires afresh and returns record 0.
ViStatus ReadSingleRecord(const Instrument &instrument, SimulatedSession &session, const EntryCall &call) {
  ViReal64 *data = call.Output<ViReal64>("data");
  WaveformInfo *info = call.Output<WaveformInfo>("wfmInfo");
  const ViInt64 size = call.Int("dataArraySizeInSamples");
  if (data == nullptr || info == nullptr || size < 0) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  const ViInt64 count = std::min(size, session.configuration.samplesPerRecord);
  *info = SessionRecordInfo(instrument, session, 0, count, 1.0);
  return FillSessionRecord(instrument, session, 0, count, data);
}

// Nothing is ever fetched away: the whole record is always available.
ViStatus GetFetchBacklog(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  ViInt64 *backlog = call.Output<ViInt64>("backlog");
  if (backlog == nullptr || call.Int("recordNumber") < 0) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  *backlog = session.configuration.samplesPerRecord;
  return VI_SUCCESS;
}

template <class Element>
ViStatus ReadPowerSpectrum(const Instrument &instrument, SimulatedSession &session, const EntryCall &call) {
  Element *data = call.Output<Element>("powerSpectrumData");
  const ViInt64 size = call.Int("dataArraySize");
  if (data == nullptr || size < 0) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  const auto count = static_cast<int32_t>(std::min<ViInt64>(size, std::numeric_limits<int32_t>::max()));
  if (session.scene != nullptr)
    return OverloadStatus(FillSceneSpectrum(*session.scene, session.configuration, session.extras.averages,
                                            session.lastRecordStart, count, data));
  FillPowerSpectrum(session.configuration, instrument.ToneOffset(), count, data);
  return VI_SUCCESS;
}

constexpr NamedHandler kHandlers[] = {
    {"FetchIQSingleRecordComplexI16", OnSession<FetchSingleRecord<ViInt16>>},
    {"FetchIQSingleRecordComplexF32", OnSession<FetchSingleRecord<ViReal32>>},
    {"FetchIQSingleRecordComplexF64", OnSession<FetchSingleRecord<ViReal64>>},
    {"FetchIQMultiRecordComplexI16", OnSession<FetchMultiRecord<ViInt16>>},
    {"FetchIQMultiRecordComplexF32", OnSession<FetchMultiRecord<ViReal32>>},
    {"FetchIQMultiRecordComplexF64", OnSession<FetchMultiRecord<ViReal64>>},
    {"ReadIQSingleRecordComplexF64", OnSession<ReadSingleRecord>},
    {"GetFetchBacklog", OnSession<GetFetchBacklog>},
    {"ReadPowerSpectrumF64", OnSession<ReadPowerSpectrum<ViReal64>>},
    {"ReadPowerSpectrumF32", OnSession<ReadPowerSpectrum<ViReal32>>},
};

} // namespace

std::span<const NamedHandler> FetchHandlers() { return kHandlers; }

} // namespace backendstandin
