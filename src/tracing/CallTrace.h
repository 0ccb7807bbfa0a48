// The trace steps of the call frame. When the call-tracing tool has tracing
// switched on, an exported function's call, parameters, outputs and status
// become one trace record; when it is off, the steps cost two reads of the
// tool's mode integer and nothing else.
#pragma once

#include <type_traits>

#include "tracing/CallSites.h"
#include "tracing/PeekLibrary.h"
#include "zuVEXAtypes.h"

namespace zutrace {

// How a frame traces around its own parameters: an ordinary call, an open
// (placeholders for the session; the new session on return) or a close (no
// interchange warnings: the session is gone when the results are traced).
enum class Frame { Call, Open, Close };

// One argument as the trace reads it: where it lives (a pointer argument:
// where it points) and its value when it is an integer.
struct ArgValue {
  const void *address;
  int64_t integer;
};

template <class T> ArgValue ValueOf(const T &arg) {
  if constexpr (std::is_pointer_v<T>)
    return {reinterpret_cast<const void *>(arg), 0};
  else if constexpr (std::is_arithmetic_v<T>)
    return {&arg, static_cast<int64_t>(arg)};
  else
    return {&arg, 0};
}

// The trace of one call; lives on the stack of the exported function. Its
// buffers are filled only when a record was begun.
struct TraceState {
  PeekRecord record = nullptr;
  const char *warnings = nullptr;
  char errorText[1024];
  char sessionName[256];
  char attributeName[256];
};

// Begins the record and sets the parameters (tracing is on).
void BeginCall(const CallSite &site, Frame frame, ViSession vi, const ArgValue *args, TraceState &state);
// Sets the returns when tracing is still on, then frees the record.
void EndCall(const CallSite &site, Frame frame, ViSession vi, const ArgValue *args, ViStatus status,
             bool enabled, TraceState &state);

// Runs the work of one exported function between the trace steps. `args`
// are all the parameters of the function's catalogue row, in order.
template <const CallSite &Site, Frame Kind = Frame::Call, class Work, class... Args>
[[gnu::always_inline]] inline ViStatus Traced(ViSession vi, Work &&work, const Args &...args) {
  static_assert(sizeof...(Args) == Site.paramCount, "trace every parameter of the catalogue row");
  if constexpr (Site.traceId == kUntraced) return work();
  TraceState state;
  if (TracingEnabled()) [[unlikely]] {
    const ArgValue values[] = {ValueOf(args)..., {}};
    BeginCall(Site, Kind, vi, values, state);
  }
  const ViStatus status = work();
  const bool enabled = TracingEnabled();
  if (state.record != nullptr) [[unlikely]] {
    const ArgValue values[] = {ValueOf(args)..., {}};
    EndCall(Site, Kind, vi, values, status, enabled, state);
  }
  return status;
}

} // namespace zutrace
