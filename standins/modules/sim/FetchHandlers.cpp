// Fetch and read entries of the C form: the tone of the session's
// configuration into the caller's arrays, with a WaveformInfo per record.
// Null outputs and negative counts give BACKENDSTANDIN_ERROR_INVALID_ARGUMENT.
#include <algorithm>
#include <optional>

#include "Handlers.h"
#include "Waveform.h"

namespace backendstandin {

namespace {

ToneSignal SignalOf(const Instrument &instrument, const SimulatedSession &session) {
  return {session.configuration.iqRate, instrument.ToneOffset(), session.configuration.samplesPerRecord};
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
  const ToneSignal signal = SignalOf(instrument, session);
  FillRecord(signal, record, *count, data);
  *info = RecordInfo(signal, *count, SampleGain(data));
  return VI_SUCCESS;
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
  const ToneSignal signal = SignalOf(instrument, session);
  for (ViInt64 r = 0; r < records; ++r) {
    FillRecord(signal, first + r, *count, data + 2 * r * *count);
    info[r] = RecordInfo(signal, *count, SampleGain(data));
  }
  return VI_SUCCESS;
}

// A read acquires afresh and returns record 0.
ViStatus ReadSingleRecord(const Instrument &instrument, SimulatedSession &session, const EntryCall &call) {
  ViReal64 *data = call.Output<ViReal64>("data");
  WaveformInfo *info = call.Output<WaveformInfo>("wfmInfo");
  const ViInt64 size = call.Int("dataArraySizeInSamples");
  if (data == nullptr || info == nullptr || size < 0) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  const ViInt64 count = std::min(size, session.configuration.samplesPerRecord);
  const ToneSignal signal = SignalOf(instrument, session);
  FillRecord(signal, 0, count, data);
  *info = RecordInfo(signal, count, 1.0);
  return VI_SUCCESS;
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
  FillPowerSpectrum(session.configuration, instrument.ToneOffset(), static_cast<int32_t>(size), data);
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
