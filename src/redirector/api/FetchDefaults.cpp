// The fetches whose WaveformInfo the library presets, so that a caller sees
// defined values even when the session is unknown or the entry is missing.
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"

namespace zuapi {
namespace {

using zumodules::EntryPointSlots;

void SetWaveformDefaults(WaveformInfo *wfmInfo) {
  if (wfmInfo == nullptr) return;
  *wfmInfo = WaveformInfo{};
  wfmInfo->xIncrement = 1.0;
  wfmInfo->gain = 1.0;
}

// The traced frame, with the defaults stored between the trace's
// parameters and the session lookup.
template <auto Slot, const zutrace::CallSite &Site, class... Args>
ViStatus FetchWithDefaults(WaveformInfo *wfmInfo, ViSession vi, Args... args) {
  return Guard([&] {
    return zutrace::Traced<Site>(
        vi,
        [&] {
          SetWaveformDefaults(wfmInfo);
          return ForwardUntraced<Slot>(vi, args...);
        },
        vi, args...);
  });
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_FetchIQSingleRecordComplexI16(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                              ViInt64 numberOfSamples, ViReal64 timeout, ViInt16 *data,
                                              WaveformInfo *wfmInfo) {
  return FetchWithDefaults<&EntryPointSlots::FetchIQSingleRecordComplexI16,
                           zutrace::sites::zuVEXA_FetchIQSingleRecordComplexI16>(
      wfmInfo, vi, channelList, recordNumber, numberOfSamples, timeout, data, wfmInfo);
}

ViStatus zuVEXA_FetchIFDataSingleRecordI16(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                           ViInt64 numberOfSamples, ViReal64 timeout, ViInt16 *data,
                                           WaveformInfo *wfmInfo) {
  return FetchWithDefaults<&EntryPointSlots::FetchIFDataSingleRecordI16,
                           zutrace::sites::zuVEXA_FetchIFDataSingleRecordI16>(
      wfmInfo, vi, channelList, recordNumber, numberOfSamples, timeout, data, wfmInfo);
}

ViStatus zuVEXA_FetchIQSingleRecordDirectDMA(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                             ViInt64 numberOfSamples, ViReal64 timeout, ViInt64 bufferSize,
                                             void *destinationAddress, WaveformInfo *wfmInfo, void *data1) {
  return FetchWithDefaults<&EntryPointSlots::FetchIQSingleRecordDirectDMA,
                           zutrace::sites::zuVEXA_FetchIQSingleRecordDirectDMA>(
      wfmInfo, vi, channelList, recordNumber, numberOfSamples, timeout, bufferSize, destinationAddress,
      wfmInfo, data1);
}
