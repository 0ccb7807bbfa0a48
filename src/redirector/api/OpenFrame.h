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

// core(bool& fromCache) -> ViStatus performs one open attempt.
template <class Core>
ViStatus RunOpenFrame(const zutrace::CallSite &site, ViConstString resourceName, ViSession *newVi,
                      Core &&core) {
  return zutrace::Traced(
      site, 0,
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
      resourceName, newVi);
}

} // namespace zuapi
