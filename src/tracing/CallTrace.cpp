// The first half of a trace record: the placeholders and the parameters.
#include <cstdio>
#include <cstring>

#include "tracing/AttributeNames.h"
#include "tracing/SessionHooks.h"
#include "tracing/TraceSequence.h"

namespace zutrace {
namespace {

void SetCallTimeParam(Sequence &trace, const CallSite &site, int index, const ArgValue *args) {
  const ParamInfo &param = site.params[index];
  const ArgValue &arg = args[index];
  if (index == site.gxArrayIndex) return trace.Pointer(arg.address, param.name, kInt16Array);
  if (index == site.gxInfoIndex) return trace.Pointer(arg.address, param.name, kReal64Array);
  switch (param.role) {
  case Role::In:
    trace.Set(arg.address, param.valueSize, param.valueSize, param.name, param.callCode);
    break;
  case Role::Str:
    if (arg.address != nullptr)
      trace.Text(static_cast<const char *>(arg.address), param.name);
    else
      trace.Pointer(nullptr, param.name, kOpaquePointer);
    break;
  case Role::InArr: {
    const int64_t count = arg.address != nullptr ? CountOf(param, args) : 0;
    trace.Set(arg.address, param.elementSize, TotalSize(count, param.elementSize), param.name,
              param.callCode);
    break;
  }
  case Role::Out:
  case Role::OutArr:
  case Role::OutText:
    trace.Pointer(arg.address, param.name, param.callCode);
    break;
  case Role::Opaque:
  case Role::OutPtr:
    break;
  }
}

void SetSessionPlaceholders(Sequence &trace, const CallSite &site, Frame frame, ViSession vi,
                            TraceState &state) {
  trace.Pointer(state.errorText, "dummyerror", kOpaquePointer);
  const SessionHooks *hooks = GetSessionHooks();
  if (frame == Frame::Open || site.viIndex < 0) {
    trace.Pointer(state.sessionName, "dummysessn", kOpaquePointer);
  } else {
    if (hooks != nullptr) hooks->resourceDescriptor(vi, state.sessionName, sizeof state.sessionName);
    trace.Text(state.sessionName, "dummysessn");
  }
  if (frame == Frame::Call && vi != 0) trace.Pointer(&state.warnings, "dummyintch", kOpaquePointer);
}

void SetAttributeName(Sequence &trace, const CallSite &site, const ArgValue *args, TraceState &state) {
  const auto attributeId = static_cast<ViAttr>(args[site.attributeIndex].integer);
  std::snprintf(state.attributeName, sizeof state.attributeName, "%s", AttributeDisplayName(attributeId));
  trace.Text(state.attributeName, "dummyattr");
}

} // namespace

void BeginCall(const CallSite &site, Frame frame, ViSession vi, const ArgValue *args, TraceState &state) {
  state.record = BeginRecord(site.traceId, site.name);
  if (state.record == nullptr) return;
  std::memset(state.errorText, 0, sizeof state.errorText);
  std::memset(state.sessionName, 0, sizeof state.sessionName);
  Sequence trace(state.record, false);
  SetSessionPlaceholders(trace, site, frame, vi, state);
  for (int i = 0; i < site.paramCount; ++i) {
    SetCallTimeParam(trace, site, i, args);
    if (i == site.attributeAfter) SetAttributeName(trace, site, args, state);
  }
  EndParams(state.record, trace.Count());
}

} // namespace zutrace
