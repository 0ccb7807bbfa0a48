// The process-wide cache of devices found through the system configuration
// library, keyed by the name each was looked up by. Lookups share a read
// lock; insertion, forgetting and invalidation take the write lock.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dvlShared/DeviceRecord.h"
#include "platform/SysapiInterfaces.h"
#include "zuVEXAtypes.h"
#include "zuapal/StatusRecord.h"
#include "zuapal/protons/synchronization/tRegistryLock.h"

namespace dvlShared {

// Same length and equal ignoring the case of each wide character.
bool NamesMatch(std::wstring_view a, std::wstring_view b);

class DeviceInfoStore {
public:
  // Hands out the framework that invalidation asks for resources by name.
  using FrameworkGetter = std::function<ViStatus(sysapi::ISysFramework *&)>;

  explicit DeviceInfoStore(FrameworkGetter getFramework);
  // A store that behaves as if its lock could not be created, with `failure`
  // as the creation status.
  DeviceInfoStore(FrameworkGetter getFramework, int64_t failure);
  DeviceInfoStore(const DeviceInfoStore &) = delete;
  DeviceInfoStore &operator=(const DeviceInfoStore &) = delete;

  // 0 while the lock works; otherwise the mapped creation failure, which
  // every operation returns without doing anything.
  ViStatus Usability() const;

  // Copies the first entry matching `name` (by name) into `record`, all
  // fields but allowMultipleSessions.
  ViStatus LookUp(std::wstring_view name, DeviceRecord &record, bool &found);

  // Appends a copy of `record` unless an entry of the same name exists.
  ViStatus Insert(const DeviceRecord &record);

  // Removes the entry stored under `name` (null counts as empty). Not
  // finding one is not an error.
  ViStatus Forget(const char *name);

  // For each changed resource name: removes the entry whose identifier is
  // the name's last path element, then the entry carrying the identifier the
  // framework reports for the full name. A name the framework cannot
  // resolve (a removed device) does not stop the walk; the first failure is
  // returned.
  ViStatus InvalidateByNames(const std::vector<std::wstring> &names);

  // Number of entries (for diagnostics and tests).
  size_t Count();

private:
  ViStatus InvalidateOne(sysapi::ISysFramework &framework, const std::wstring &name);
  void RemoveFirstByName(std::wstring_view name);
  void RemoveFirstByIdentifier(std::wstring_view identifier);

  zuapal::StatusRecord state_;
  zuapal::tRegistryLock lock_;
  std::vector<DeviceRecord> entries_;
  FrameworkGetter getFramework_;
};

// The one store of the process, built when the library is loaded; it
// invalidates through the process-wide framework.
DeviceInfoStore &DeviceStore();

// Forgets the device stored under `name` in the process-wide store.
ViStatus ForgetDevice(const char *name);

} // namespace dvlShared
