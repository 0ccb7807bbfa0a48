// The BackendStandin_* control functions.
#include <cmath>
#include <cstdint>
#include <limits>

#include "BufferRule.h"
#include "Catalogue.h"
#include "Simulator.h"

using namespace backendstandin;

namespace {

// Runs `work` on the simulator under its mutex; `fallback` if it throws.
template <class Result, class Work> Result Guarded(Result fallback, Work &&work) noexcept {
  try {
    Simulator &simulator = TheSimulator();
    const std::lock_guard lock(simulator.mutex);
    return work(simulator);
  } catch (...) {
    return fallback;
  }
}

const LoggedArgument *ArgumentAt(const CallLog &log, ViInt32 call, ViInt32 argument) {
  const LoggedCall *logged = log.At(call);
  if (logged == nullptr || argument < 0 || static_cast<std::size_t>(argument) >= logged->arguments.size())
    return nullptr;
  return &logged->arguments[static_cast<std::size_t>(argument)];
}

bool IsKindOrAll(ViUInt32 kind) { return kind == BACKENDSTANDIN_ALL_KINDS || IsModuleKind(kind); }

ViInt64 IntegerOf(const BackendStandinArgument &value) {
  switch (value.type) {
  case BACKENDSTANDIN_ARG_INTEGER:
    return value.integer;
  case BACKENDSTANDIN_ARG_REAL:
    return std::isfinite(value.real) && std::fabs(value.real) < 0x1p63 ? static_cast<ViInt64>(value.real) : 0;
  default:
    return static_cast<ViInt64>(reinterpret_cast<std::intptr_t>(value.pointer));
  }
}

} // namespace

extern "C" {

ViInt32 BackendStandin_CallCount(void) {
  return Guarded<ViInt32>(0, [](Simulator &s) { return static_cast<ViInt32>(s.log.Size()); });
}

void BackendStandin_ClearCalls(void) {
  Guarded(0, [](Simulator &s) { return s.log.Clear(), 0; });
}

ViInt32 BackendStandin_FindCall(ViUInt32 kind, ViConstString entryName, ViInt32 from) {
  if (entryName == nullptr) return -1;
  return Guarded<ViInt32>(-1, [&](Simulator &s) {
    const auto found = s.log.Find(kind, entryName, from > 0 ? static_cast<std::size_t>(from) : 0);
    return found ? static_cast<ViInt32>(*found) : -1;
  });
}

ViUInt32 BackendStandin_CallKind(ViInt32 call) {
  return Guarded<ViUInt32>(0, [&](Simulator &s) {
    const LoggedCall *logged = s.log.At(call);
    return logged != nullptr ? logged->kind : 0u;
  });
}

ViInt32 BackendStandin_CallSlot(ViInt32 call) {
  return Guarded<ViInt32>(-1, [&](Simulator &s) {
    const LoggedCall *logged = s.log.At(call);
    return logged != nullptr ? static_cast<ViInt32>(logged->slot) : -1;
  });
}

ViStatus BackendStandin_CallSymbol(ViInt32 call, ViInt32 bufferSize, ViChar buffer[]) {
  return Guarded(BACKENDSTANDIN_ERROR_OUT_OF_MEMORY, [&](Simulator &s) {
    const LoggedCall *logged = s.log.At(call);
    return logged != nullptr ? CopyText(logged->Symbol(), bufferSize, buffer)
                             : BACKENDSTANDIN_ERROR_NO_SUCH_CALL;
  });
}

ViStatus BackendStandin_CallExportName(ViInt32 call, ViInt32 bufferSize, ViChar buffer[]) {
  return Guarded(BACKENDSTANDIN_ERROR_OUT_OF_MEMORY, [&](Simulator &s) {
    const LoggedCall *logged = s.log.At(call);
    return logged != nullptr ? CopyText(logged->exportName, bufferSize, buffer)
                             : BACKENDSTANDIN_ERROR_NO_SUCH_CALL;
  });
}

ViInt32 BackendStandin_CallArgumentCount(ViInt32 call) {
  return Guarded<ViInt32>(-1, [&](Simulator &s) {
    const LoggedCall *logged = s.log.At(call);
    return logged != nullptr ? static_cast<ViInt32>(logged->arguments.size()) : -1;
  });
}

ViInt32 BackendStandin_CallArgumentType(ViInt32 call, ViInt32 argument) {
  return Guarded<ViInt32>(BACKENDSTANDIN_ARG_NONE, [&](Simulator &s) {
    const LoggedArgument *logged = ArgumentAt(s.log, call, argument);
    return logged != nullptr ? logged->value.type : BACKENDSTANDIN_ARG_NONE;
  });
}

ViInt64 BackendStandin_CallArgumentInt(ViInt32 call, ViInt32 argument) {
  return Guarded<ViInt64>(0, [&](Simulator &s) {
    const LoggedArgument *logged = ArgumentAt(s.log, call, argument);
    return logged != nullptr ? IntegerOf(logged->value) : 0;
  });
}

ViReal64 BackendStandin_CallArgumentReal(ViInt32 call, ViInt32 argument) {
  return Guarded<ViReal64>(0.0, [&](Simulator &s) {
    const LoggedArgument *logged = ArgumentAt(s.log, call, argument);
    if (logged == nullptr) return 0.0;
    return logged->value.type == BACKENDSTANDIN_ARG_REAL ? logged->value.real
                                                         : static_cast<ViReal64>(IntegerOf(logged->value));
  });
}

const void *BackendStandin_CallArgumentPointer(ViInt32 call, ViInt32 argument) {
  return Guarded<const void *>(nullptr, [&](Simulator &s) {
    const LoggedArgument *logged = ArgumentAt(s.log, call, argument);
    return logged != nullptr ? logged->value.pointer : nullptr;
  });
}

ViStatus BackendStandin_CallArgumentText(ViInt32 call, ViInt32 argument, ViInt32 bufferSize,
                                         ViChar buffer[]) {
  return Guarded(BACKENDSTANDIN_ERROR_OUT_OF_MEMORY, [&](Simulator &s) {
    const LoggedArgument *logged = ArgumentAt(s.log, call, argument);
    if (logged == nullptr) return BACKENDSTANDIN_ERROR_NO_SUCH_CALL;
    return logged->text ? CopyText(*logged->text, bufferSize, buffer) : BACKENDSTANDIN_ERROR_NOT_TEXT;
  });
}

ViStatus BackendStandin_ScriptStatus(ViUInt32 kind, ViConstString entryName, ViStatus status,
                                     ViBoolean everyCall) {
  if (!IsKindOrAll(kind) || entryName == nullptr || !IsKnownEntryName(entryName))
    return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  return Guarded(BACKENDSTANDIN_ERROR_OUT_OF_MEMORY, [&](Simulator &s) {
    s.scripts.AddStatus(kind, entryName, status, everyCall != VI_FALSE);
    return VI_SUCCESS;
  });
}

ViStatus BackendStandin_ScriptNextInit(ViUInt32 kind, ViBoolean writeHandle, ViSession handle,
                                       ViStatus status) {
  if (!IsKindOrAll(kind)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  return Guarded(BACKENDSTANDIN_ERROR_OUT_OF_MEMORY, [&](Simulator &s) {
    s.scripts.AddInit({kind, writeHandle != VI_FALSE, handle, status});
    return VI_SUCCESS;
  });
}

void BackendStandin_ClearScripts(void) {
  Guarded(0, [](Simulator &s) { return s.scripts.Clear(), 0; });
}

void BackendStandin_Reset(void) {
  Guarded(0, [](Simulator &s) {
    s.log.Clear();
    s.scripts.Clear();
    s.instrument.Reset();
    return 0;
  });
}

ViUInt32 BackendStandin_TLSIndex(ViUInt32 kind) {
  return Guarded<ViUInt32>(0xFFFFFFFFu, [&](Simulator &s) { return s.instrument.TlsIndex(kind).index; });
}

ViInt32 BackendStandin_TLSIndexCount(ViUInt32 kind) {
  return Guarded<ViInt32>(0, [&](Simulator &s) { return s.instrument.TlsIndex(kind).count; });
}

void BackendStandin_SetToneOffset(ViReal64 hertz) {
  if (!std::isfinite(hertz)) return;
  Guarded(0, [&](Simulator &s) { return s.instrument.SetToneOffset(hertz), 0; });
}

ViInt32 BackendStandin_SessionCount(void) {
  return Guarded<ViInt32>(0, [](Simulator &s) { return s.instrument.SessionCount(); });
}

ViUInt32 BackendStandin_SessionKind(ViSession vi) {
  return Guarded<ViUInt32>(0, [&](Simulator &s) {
    const SimulatedSession *session = s.instrument.Find(vi);
    return session != nullptr ? session->kind : 0u;
  });
}

ViStatus BackendStandin_GetConfiguration(ViSession vi, BackendStandinConfiguration *configuration) {
  if (configuration == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  return Guarded(BACKENDSTANDIN_ERROR_OUT_OF_MEMORY, [&](Simulator &s) {
    const SimulatedSession *session = s.instrument.Find(vi);
    if (session == nullptr) return BACKENDSTANDIN_ERROR_INVALID_SESSION;
    *configuration = session->configuration;
    return VI_SUCCESS;
  });
}

// The callback re-enters the library, which may call back into a module:
// it runs without the simulator's mutex.
ViStatus BackendStandin_InvokeCloseCallback(ViSession vi) {
  ZUCloseSessionCallback callback = nullptr;
  const ViStatus found = Guarded(BACKENDSTANDIN_ERROR_OUT_OF_MEMORY, [&](Simulator &s) {
    const SimulatedSession *session = s.instrument.Find(vi);
    if (session == nullptr) return BACKENDSTANDIN_ERROR_INVALID_SESSION;
    callback = session->closeCallback;
    return callback != nullptr ? VI_SUCCESS : BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  });
  return found == VI_SUCCESS ? callback(vi) : found;
}

} // extern "C"
