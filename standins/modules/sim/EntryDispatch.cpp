// Every module export arrives here: the call is logged, the scripts are
// applied and the simulated instrument does the entry's work, all under the
// simulator's mutex.
#include <cstdio>
#include <exception>
#include <new>

#include "Catalogue.h"
#include "Handlers.h"
#include "Simulator.h"

namespace backendstandin {

namespace {

ViStatus RunEntry(Instrument &instrument, const EntryCall &call) {
  const EntryHandler handler = FindHandler(call.Slot());
  return handler != nullptr ? handler(instrument, call) : VI_SUCCESS;
}

// A scripted status that is no error replaces the work's result, unless the
// work failed.
ViStatus AfterWork(ViStatus scripted, ViStatus workStatus) { return workStatus < 0 ? workStatus : scripted; }

ViStatus RunWithStatus(Instrument &instrument, const EntryCall &call, ViStatus scripted) {
  if (scripted < 0) return scripted;
  return AfterWork(scripted, RunEntry(instrument, call));
}

ViStatus ApplyInitScript(Instrument &instrument, const EntryCall &call, const InitScript &script) {
  if (!script.writeHandle) return RunWithStatus(instrument, call, script.status);
  if (ViSession *newVi = call.Output<ViSession>("newVi")) *newVi = script.handle;
  return script.status;
}

ViStatus RunScripted(Simulator &simulator, const EntryCall &call, const LoggedCall &logged) {
  if (IsInitEntry(call.Slot()))
    if (const std::optional<InitScript> script = simulator.scripts.TakeInit(call.Kind()))
      return ApplyInitScript(simulator.instrument, call, *script);
  if (const std::optional<ViStatus> scripted = simulator.scripts.TakeStatus(logged))
    return RunWithStatus(simulator.instrument, call, *scripted);
  return RunEntry(simulator.instrument, call);
}

ViStatus Enter(ViUInt32 kind, ViUInt32 slot, const char *exportName,
               std::span<const BackendStandinArgument> arguments) {
  if (slot >= kSlotCount || !IsModuleKind(kind) || arguments.size() != kCatalogue[slot].parameterCount)
    return BACKENDSTANDIN_ERROR_UNEXPECTED;
  Simulator &simulator = TheSimulator();
  const std::lock_guard lock(simulator.mutex);
  const LoggedCall &logged = simulator.log.Append(kind, slot, exportName, arguments);
  return RunScripted(simulator, EntryCall(kind, slot, arguments), logged);
}

} // namespace

} // namespace backendstandin

extern "C" ViStatus BackendStandin_EnterEntryPoint(ViUInt32 kind, ViUInt32 slot, const char *exportName,
                                                   const BackendStandinArgument *arguments,
                                                   ViUInt32 argumentCount) noexcept {
  try {
    if (arguments == nullptr) return BACKENDSTANDIN_ERROR_UNEXPECTED;
    return backendstandin::Enter(kind, slot, exportName, {arguments, argumentCount});
  } catch (const std::bad_alloc &) {
    return BACKENDSTANDIN_ERROR_OUT_OF_MEMORY;
  } catch (const std::exception &error) {
    std::fprintf(stderr, "backend stand-in: %s\n", error.what());
    return BACKENDSTANDIN_ERROR_UNEXPECTED;
  } catch (...) {
    return BACKENDSTANDIN_ERROR_UNEXPECTED;
  }
}
