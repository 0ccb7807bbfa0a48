// The ordered record of every entry-point call.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "backend_standin_entry.h"

namespace backendstandin {

struct LoggedArgument {
  BackendStandinArgument value;
  std::optional<std::string> text; // copy of a non-null text argument
};

struct LoggedCall {
  ViUInt32 kind;
  ViUInt32 slot;
  std::string exportName;
  std::vector<LoggedArgument> arguments;

  const char *Symbol() const;
  bool Matches(ViUInt32 kindOrAll, std::string_view entryName) const;
};

class CallLog {
public:
  const LoggedCall &Append(ViUInt32 kind, ViUInt32 slot, const char *exportName,
                           std::span<const BackendStandinArgument> arguments);
  std::size_t Size() const { return calls_.size(); }
  // Null when the index is out of range.
  const LoggedCall *At(ViInt32 index) const;
  std::optional<std::size_t> Find(ViUInt32 kindOrAll, std::string_view entryName, std::size_t from) const;
  void Clear() { calls_.clear(); }

private:
  std::vector<LoggedCall> calls_;
};

} // namespace backendstandin
