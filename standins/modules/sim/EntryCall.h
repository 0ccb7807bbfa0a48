// One entry-point call as the handlers see it: its arguments by the names the
// catalogue gives them.
#pragma once

#include <span>
#include <string_view>

#include "backend_standin_entry.h"

namespace backendstandin {

class EntryCall {
public:
  EntryCall(ViUInt32 kind, ViUInt32 slot, std::span<const BackendStandinArgument> arguments)
      : kind_(kind), slot_(slot), arguments_(arguments) {}

  ViUInt32 Kind() const { return kind_; }
  ViUInt32 Slot() const { return slot_; }
  const char *Symbol() const;

  bool Has(std::string_view name) const;
  // Each accessor throws std::logic_error when the entry has no such
  // argument: a handler asked for the wrong name.
  const BackendStandinArgument &Argument(std::string_view name) const;
  ViInt64 Int(std::string_view name) const { return Argument(name).integer; }
  ViReal64 Real(std::string_view name) const { return Argument(name).real; }
  ViSession Session() const { return static_cast<ViSession>(Int("vi")); }
  const char *Text(std::string_view name) const { return static_cast<const char *>(Argument(name).pointer); }
  template <class T> T *Output(std::string_view name) const {
    return static_cast<T *>(const_cast<void *>(Argument(name).pointer));
  }

private:
  const BackendStandinArgument *Find(std::string_view name) const;

  ViUInt32 kind_;
  ViUInt32 slot_;
  std::span<const BackendStandinArgument> arguments_;
};

} // namespace backendstandin
