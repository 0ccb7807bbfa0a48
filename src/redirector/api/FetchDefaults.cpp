// The fetches whose WaveformInfo the library presets, so that a caller sees
// defined values even when the session is unknown or the entry is missing.
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"

namespace zuapi {
namespace {

using zumodules::EntryPointSlots;

constexpr zutrace::CallSite kIQComplexI16Site{97, "zuVEXA_FetchIQSingleRecordComplexI16"};
constexpr zutrace::CallSite kIFDataI16Site{104, "zuVEXA_FetchIFDataSingleRecordI16"};
constexpr zutrace::CallSite kDirectDMASite{83, "zuVEXA_FetchIQSingleRecordDirectDMA"};

void SetWaveformDefaults(WaveformInfo *wfmInfo) {
  if (wfmInfo == nullptr) return;
  *wfmInfo = WaveformInfo{};
  wfmInfo->xIncrement = 1.0;
  wfmInfo->gain = 1.0;
}

// The traced frame, with the defaults stored between the trace's
// parameters and the session lookup.
template <auto Slot, class... Args>
ViStatus FetchWithDefaults(const zutrace::CallSite &site, WaveformInfo *wfmInfo, ViSession vi, Args... args) {
  return Guard([&] {
    return zutrace::Traced(
        site, vi,
        [&] {
          SetWaveformDefaults(wfmInfo);
          return ForwardUntraced<Slot>(vi, args...);
        },
        args...);
  });
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_FetchIQSingleRecordComplexI16(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                              ViInt64 numberOfSamples, ViReal64 timeout, ViInt16 *data,
                                              WaveformInfo *wfmInfo) {
  return FetchWithDefaults<&EntryPointSlots::FetchIQSingleRecordComplexI16>(
      kIQComplexI16Site, wfmInfo, vi, channelList, recordNumber, numberOfSamples, timeout, data, wfmInfo);
}

ViStatus zuVEXA_FetchIFDataSingleRecordI16(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                           ViInt64 numberOfSamples, ViReal64 timeout, ViInt16 *data,
                                           WaveformInfo *wfmInfo) {
  return FetchWithDefaults<&EntryPointSlots::FetchIFDataSingleRecordI16>(
      kIFDataI16Site, wfmInfo, vi, channelList, recordNumber, numberOfSamples, timeout, data, wfmInfo);
}

ViStatus zuVEXA_FetchIQSingleRecordDirectDMA(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                             ViInt64 numberOfSamples, ViReal64 timeout, ViInt64 bufferSize,
                                             void *destinationAddress, WaveformInfo *wfmInfo, void *data1) {
  return FetchWithDefaults<&EntryPointSlots::FetchIQSingleRecordDirectDMA>(
      kDirectDMASite, wfmInfo, vi, channelList, recordNumber, numberOfSamples, timeout, bufferSize,
      destinationAddress, wfmInfo, data1);
}
