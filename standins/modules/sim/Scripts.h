// Scripted results of entry points and of the next init.
#pragma once

#include <list>
#include <optional>
#include <string>

#include "CallLog.h"

namespace backendstandin {

struct InitScript {
  ViUInt32 kind; // or BACKENDSTANDIN_ALL_KINDS
  bool writeHandle;
  ViSession handle;
  ViStatus status;
};

class Scripts {
public:
  void AddStatus(ViUInt32 kindOrAll, std::string entryName, ViStatus status, bool everyCall);
  void AddInit(const InitScript &script) { inits_.push_back(script); }
  // The oldest matching script; a one-call script is used up.
  std::optional<ViStatus> TakeStatus(const LoggedCall &call);
  std::optional<InitScript> TakeInit(ViUInt32 kind);
  void Clear();

private:
  struct StatusScript {
    ViUInt32 kind;
    std::string entryName;
    ViStatus status;
    bool everyCall;
  };
  std::list<StatusScript> statuses_;
  std::list<InitScript> inits_;
};

} // namespace backendstandin
