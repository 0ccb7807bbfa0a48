// The trace steps of the call frame. Until the call-tracing library is
// supported, tracing is never enabled and every step compiles to nothing;
// tracing lands here without touching the frame.
#pragma once

#include "dvlShared/ErrorText.h"
#include "zuVEXAtypes.h"

namespace zutrace {

// What a traced exported function tells the trace about itself.
struct CallSite {
  int traceId;      // the function's trace identifier; kUntraced for none
  const char *name; // exported name without "GX_"
};
inline constexpr int kUntraced = -1;

inline bool Enabled() { return false; }

// One traced call: begins a trace record on construction when tracing is
// enabled, and records the results with Finish.
class CallTrace {
public:
  template <class... Args>
  CallTrace(const CallSite &site, ViSession vi, const Args &...args) {}

  // The record of a failed call carries the session's full error text.
  template <class... Args>
  void Finish(ViStatus status, ViSession vi, const Args &...args) {
    if (!Enabled() || status == VI_SUCCESS) return;
    char errorText[dvlShared::kErrorTextAreaSize] = "";
    dvlShared::GetErrorText(vi, nullptr, sizeof errorText, errorText);
  }
};

// Runs the work of one exported function between the trace steps.
template <class Work, class... Args>
ViStatus Traced(const CallSite &site, ViSession vi, Work &&work, const Args &...args) {
  CallTrace trace(site, vi, args...);
  ViStatus status = work();
  trace.Finish(status, vi, args...);
  return status;
}

} // namespace zutrace
