// The second half of a trace record: the error text, the interchange
// warnings, the outputs and the status. An output is read only where the
// callee can have written it: no data after a failure, arrays no longer than
// the caller's capacity, texts within their buffer.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "dvlShared/ErrorText.h"
#include "tracing/SessionHooks.h"
#include "tracing/TraceSequence.h"

namespace zutrace {
namespace {

// The IVI size of a text buffer whose function states no size.
constexpr int64_t kDefaultTextSize = 256;
// The longest text read from a buffer of unchecked (negative) size.
constexpr int64_t kUncheckedTextLimit = 65536;
constexpr int64_t kComplexParts = 2;
// This function never writes its message buffer.
constexpr std::string_view kUnwrittenMessageFunction = "zuVEXA_error_query";

const WaveformInfo *WaveformOf(const CallSite &site, const ArgValue *args) {
  return site.waveformIndex < 0 ? nullptr
                                : static_cast<const WaveformInfo *>(args[site.waveformIndex].address);
}

// Elements of an output array to trace: none after a failure; interleaved
// samples of the first record for a fetch; never more than the capacity.
int64_t ArrayCount(const CallSite &site, const ParamInfo &param, const ArgValue *args, ViStatus status) {
  if (status < 0) return 0;
  const int64_t capacity = CountOf(param, args);
  if (site.waveformIndex < 0) return capacity;
  const WaveformInfo *info = WaveformOf(site, args);
  const int64_t samples = info != nullptr ? NonNegative(info->actualSamples) : 0;
  return std::min(TotalSize(samples, kComplexParts), TotalSize(capacity, kComplexParts));
}

// Length of the text in an output buffer, or -1 when it is not to be read:
// after a failure, or for a size query.
int64_t TextLength(const ParamInfo &param, const char *text, const ArgValue *args, ViStatus status) {
  if (status < 0) return -1;
  int64_t size = param.countIndex < 0 ? kDefaultTextSize : args[param.countIndex].integer;
  if (size == 0) return -1;
  if (size < 0) size = kUncheckedTextLimit;
  return static_cast<int64_t>(strnlen(text, static_cast<size_t>(size)));
}

void SetText(Sequence &trace, const CallSite &site, const ParamInfo &param, const ArgValue &arg,
             const ArgValue *args, ViStatus status) {
  const auto *text = static_cast<const char *>(arg.address);
  if (status < 0 && site.name == kUnwrittenMessageFunction)
    return trace.Pointer(text, param.name, kOpaquePointer);
  const int64_t length = TextLength(param, text, args, status);
  if (length >= 0) trace.Text(text, length, param.name);
}

void SetOutput(Sequence &trace, const CallSite &site, int index, const ArgValue *args, ViStatus status) {
  const ParamInfo &param = site.params[index];
  const ArgValue &arg = args[index];
  if (arg.address == nullptr || index == site.waveformIndex || index == site.gxInfoIndex) return;
  if (index == site.gxArrayIndex) return SetGxArray(trace, site, args, status);
  switch (param.role) {
  case Role::Out:
    trace.Set(arg.address, param.elementSize, param.elementSize, param.starName, param.returnCode);
    break;
  case Role::OutArr: {
    const int64_t count = ArrayCount(site, param, args, status);
    trace.Set(arg.address, param.elementSize, TotalSize(count, param.elementSize), param.name,
              param.returnCode);
    break;
  }
  case Role::OutText:
    SetText(trace, site, param, arg, args, status);
    break;
  default:
    break;
  }
}

void SetOutputs(Sequence &trace, const CallSite &site, const ArgValue *args, ViStatus status) {
  if (const WaveformInfo *info = WaveformOf(site, args)) SetWaveformFields(trace, info, false);
  SetGxInfoFields(trace, site, args);
  for (int i = 0; i < site.paramCount; ++i) SetOutput(trace, site, i, args, status);
}

// An open returns the resource name as the session's name and the new handle.
void SetOpenResults(Sequence &trace, const CallSite &site, const ArgValue *args, TraceState &state) {
  const int newVi = IndexOf(site.params, site.paramCount, "newVi");
  const int resource = IndexOf(site.params, site.paramCount, "resourceName");
  if (newVi < 0 || args[newVi].address == nullptr) return;
  const auto *name = resource < 0 ? nullptr : static_cast<const char *>(args[resource].address);
  std::snprintf(state.sessionName, sizeof state.sessionName, "%s", name != nullptr ? name : "(null)");
  trace.Text(state.sessionName, "dummysessn");
  trace.Set(args[newVi].address, sizeof(ViSession), sizeof(ViSession), "*newVi", kSession);
}

void SetResults(const CallSite &site, Frame frame, ViSession vi, const ArgValue *args, ViStatus status,
                TraceState &state) {
  Sequence trace(state.record, true);
  if (status < 0) dvlShared::GetErrorText(vi, nullptr, sizeof state.errorText, state.errorText);
  trace.Text(state.errorText, "dummyerror");
  const SessionHooks *hooks = GetSessionHooks();
  if (frame == Frame::Call && vi != 0) {
    if (hooks != nullptr) state.warnings = hooks->collectWarnings(vi);
    trace.Text(state.warnings != nullptr ? state.warnings : "", "dummyintch");
  }
  if (frame == Frame::Open)
    SetOpenResults(trace, site, args, state);
  else
    SetOutputs(trace, site, args, status);
  SetFunctionReturn(state.record, trace.Count(), &status, status >= 0 ? 1 : 0);
  EndReturns(&state.record, trace.Count() + 1);
}

} // namespace

void EndCall(const CallSite &site, Frame frame, ViSession vi, const ArgValue *args, ViStatus status,
             bool enabled, TraceState &state) {
  if (enabled) SetResults(site, frame, vi, args, status, state);
  // A record begun while tracing was on is released even when the tool
  // switched tracing off meanwhile.
  if (state.record != nullptr) FreeRecord(state.record);
  const SessionHooks *hooks = GetSessionHooks();
  if (state.warnings != nullptr && hooks != nullptr) hooks->releaseWarnings(state.warnings);
}

} // namespace zutrace
