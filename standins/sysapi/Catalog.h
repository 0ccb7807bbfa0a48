// The process-wide configuration: the file named by ZUVEXA_SYSAPI_CONFIG
// with the run-time changes of the control functions replayed on top.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "Configuration.h"

namespace sysapistandin {

class Catalog {
public:
  // Lives until the process ends, so frameworks released during exit can
  // still use it.
  static Catalog &Instance();

  // Reads the file again and replays the run-time changes.
  void ReadFile();
  // Forgets the run-time changes and reads the file again.
  void Reset();

  void AddDevice(DevicePtr device);
  bool RemoveDevice(const std::wstring &resourceName);
  void AddExpert(const std::wstring &name);
  bool RemoveExpert(const std::wstring &name);

  std::vector<DevicePtr> Devices() const;
  DevicePtr FindDevice(std::wstring_view resourceName) const;
  bool HasExpert(std::wstring_view name) const;

private:
  using Change = std::function<bool(Configuration &)>;
  bool Apply(Change change);

  mutable std::mutex mutex_;
  Configuration current_;
  std::vector<Change> changes_;
};

} // namespace sysapistandin
