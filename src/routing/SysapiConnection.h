// The system configuration library held for one lookup, apart from the
// library's own discovery state: opening loads libzusysapi.so, creates a
// framework and lists the installed experts; the end releases the framework
// and closes the library.
#pragma once

#include <string>
#include <vector>

#include "platform/SysapiInterfaces.h"
#include "routing/DeviceRecord.h"
#include "routing/DeviceSearch.h"
#include "routing/Failure.h"
#include "routing/SysapiRefs.h"
#include "zuVEXAtypes.h"

namespace zurouting {

class SysapiConnection {
public:
  SysapiConnection() = default;
  ~SysapiConnection();
  SysapiConnection(const SysapiConnection &) = delete;
  SysapiConnection &operator=(const SysapiConnection &) = delete;

  // A missing library or entry point, or a failed creation, is a system
  // configuration failure; no installed expert fails with kNoExpertsMessage.
  ViStatus Open(Failure &failure);

  // The installed experts, as the searches take them.
  const std::wstring &ExpertList() const { return expertList_; }

  // FindDevice over the installed experts.
  ViStatus FindDevice(const std::wstring &deviceName, DeviceRecord &record, bool &found, Failure &failure);

  // ListDevices over the installed experts.
  ViStatus ListDevices(std::vector<ListedDevice> &devices, Failure &failure);

  ViStatus PimloPresent(bool &present, Failure &failure);

private:
  void *library_ = nullptr;
  SysRef<sysapi::ISysFramework> framework_;
  std::wstring expertList_;
};

} // namespace zurouting
