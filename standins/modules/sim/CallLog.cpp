#include "CallLog.h"

#include "Catalogue.h"

namespace backendstandin {

const char *LoggedCall::Symbol() const { return kCatalogue[slot].symbol; }

bool LoggedCall::Matches(ViUInt32 kindOrAll, std::string_view entryName) const {
  if (kindOrAll != BACKENDSTANDIN_ALL_KINDS && kindOrAll != kind) return false;
  return entryName == Symbol() || entryName == exportName;
}

const LoggedCall &CallLog::Append(ViUInt32 kind, ViUInt32 slot, const char *exportName,
                                  std::span<const BackendStandinArgument> arguments) {
  LoggedCall call{kind, slot, exportName != nullptr ? exportName : "", {}};
  call.arguments.reserve(arguments.size());
  for (const BackendStandinArgument &argument : arguments) {
    LoggedArgument logged{argument, std::nullopt};
    if (argument.type == BACKENDSTANDIN_ARG_TEXT && argument.pointer != nullptr)
      logged.text = static_cast<const char *>(argument.pointer);
    call.arguments.push_back(std::move(logged));
  }
  calls_.push_back(std::move(call));
  return calls_.back();
}

const LoggedCall *CallLog::At(ViInt32 index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= calls_.size()) return nullptr;
  return &calls_[static_cast<std::size_t>(index)];
}

std::optional<std::size_t> CallLog::Find(ViUInt32 kindOrAll, std::string_view entryName,
                                         std::size_t from) const {
  for (std::size_t i = from; i < calls_.size(); ++i)
    if (calls_[i].Matches(kindOrAll, entryName)) return i;
  return std::nullopt;
}

} // namespace backendstandin
