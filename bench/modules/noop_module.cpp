// A tov backend module whose entries do next to nothing, so that the
// benchmarks show the library's own cost. Init creates an IVI session and
// close disposes of it, as a backend does; Commit and Initiate do nothing; the F64 fetch
// writes a rotating phasor into the caller's buffer.
#include <cstdint>

#include "platform/IviEngine.h"
#include "zuVEXA.h"

#define NOOP_EXPORT extern "C" __attribute__((visibility("default")))

using CloseCallback = ViStatus (*)(ViSession);

// Tells the benchmarks that they drive this module and not a stand-in.
NOOP_EXPORT const char zuvexa_bench_noop_module[] = "noop";

NOOP_EXPORT ViStatus zuVEXAtov_InitWithOptions3(ViConstString resourceName, ViUInt64 productId,
                                                ViBoolean idQuery, ViBoolean reset,
                                                ViConstString optionString, ViConstString backendText,
                                                CloseCallback closeCallback, ViBoolean graphical,
                                                ViSession *newVi) {
  if (newVi == nullptr) return ZUVEXA_ERROR_INVALID_PARAMETER;
  return Ivi_SpecificDriverNew("zuVEXAtov", optionString, newVi);
}

NOOP_EXPORT ViStatus zuVEXAtov_close(ViSession vi) { return Ivi_Dispose(vi); }

NOOP_EXPORT ViStatus zuVEXAtov_Commit(ViSession vi) { return VI_SUCCESS; }

NOOP_EXPORT ViStatus zuVEXAtov_Initiate(ViSession vi) { return VI_SUCCESS; }

NOOP_EXPORT ViStatus zuVEXAtov_FetchIQSingleRecordComplexF64(ViSession vi, ViConstString channelList,
                                                             ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                             ViReal64 timeout, ViReal64 *data,
                                                             WaveformInfo *wfmInfo) {
  if (data == nullptr || wfmInfo == nullptr || numberOfSamples < 0) return ZUVEXA_ERROR_INVALID_PARAMETER;
  // A tone of a quarter of the sample rate: the phasor turns by 90 degrees.
  double i = 0.5, q = 0.0;
  for (ViInt64 n = 0; n < numberOfSamples; ++n) {
    data[2 * n] = i;
    data[2 * n + 1] = q;
    const double turned = -q;
    q = i;
    i = turned;
  }
  *wfmInfo = WaveformInfo{};
  wfmInfo->xIncrement = 1e-6;
  wfmInfo->gain = 1.0;
  wfmInfo->actualSamples = numberOfSamples;
  return VI_SUCCESS;
}
