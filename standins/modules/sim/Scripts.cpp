#include "Scripts.h"

#include <utility>

namespace backendstandin {

void Scripts::AddStatus(ViUInt32 kindOrAll, std::string entryName, ViStatus status, bool everyCall) {
  statuses_.push_back({kindOrAll, std::move(entryName), status, everyCall});
}

std::optional<ViStatus> Scripts::TakeStatus(const LoggedCall &call) {
  for (auto script = statuses_.begin(); script != statuses_.end(); ++script) {
    if (!call.Matches(script->kind, script->entryName)) continue;
    const ViStatus status = script->status;
    if (!script->everyCall) statuses_.erase(script);
    return status;
  }
  return std::nullopt;
}

std::optional<InitScript> Scripts::TakeInit(ViUInt32 kind) {
  for (auto script = inits_.begin(); script != inits_.end(); ++script) {
    if (script->kind != BACKENDSTANDIN_ALL_KINDS && script->kind != kind) continue;
    const InitScript taken = *script;
    inits_.erase(script);
    return taken;
  }
  return std::nullopt;
}

void Scripts::Clear() {
  statuses_.clear();
  inits_.clear();
}

} // namespace backendstandin
