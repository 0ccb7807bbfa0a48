// The frame shared by the open functions: save the thread's IVI error
// information, run the open once, and when it failed with a device taken
// from the cache, forget that device, restore the error information and try
// once more.
#pragma once

#include "redirector/api/ErrorInfoSnapshot.h"
#include "tracing/CallTrace.h"
#include "zuVEXAtypes.h"

namespace zuapi {

// The retry step: forgets the cached device and restores the snapshot.
// Returns 0 when the open may run again, else the status to report.
ViStatus PrepareRetry(ViConstString resourceName, const ErrorInfoSnapshot &snapshot, ViStatus coreStatus);

// Records a non-zero status for the calling thread (session 0).
void RecordForThread(ViStatus status);

// core(bool& fromCache) -> ViStatus performs one open attempt; `args` are
// the open function's parameters, for the trace.
template <const zutrace::CallSite &Site, class Core, class... Args>
ViStatus RunOpenFrame(ViConstString resourceName, Core &&core, const Args &...args) {
  return zutrace::Traced<Site, zutrace::Frame::Open>(
      0,
      [&] {
        ErrorInfoSnapshot snapshot;
        ViStatus status = snapshot.Save();
        RecordForThread(status);
        if (status < 0) return status;
        bool fromCache = false;
        status = core(fromCache);
        if (status < 0 && fromCache) {
          ViStatus retry = PrepareRetry(resourceName, snapshot, status);
          status = retry == VI_SUCCESS ? core(fromCache) : retry;
        }
        return status;
      },
      args...);
}

} // namespace zuapi
