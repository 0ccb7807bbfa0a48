#include "dvlShared/DeviceInfoStore.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <mutex>
#include <new>
#include <shared_mutex>

#include "dvlShared/DiscoveryStatus.h"
#include "dvlShared/SysapiFramework.h"
#include "dvlShared/SysapiRefs.h"
#include "status/StatusCodes.h"
#include "zu/dsc/MultibyteToWide.h"

namespace dvlShared {

bool NamesMatch(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i])))
      return false; // units that are equal need no case folding
  return true;
}

DeviceInfoStore::DeviceInfoStore(FrameworkGetter getFramework)
    : lock_(state_), getFramework_(std::move(getFramework)) {}

DeviceInfoStore::DeviceInfoStore(FrameworkGetter getFramework, int64_t failure)
    : DeviceInfoStore(std::move(getFramework)) {
  ZUAPAL_SET(state_, failure);
}

ViStatus DeviceInfoStore::Usability() const {
  return state_.isError() ? MapPlatformFailure(state_.code) : VI_SUCCESS;
}

ViStatus DeviceInfoStore::LookUp(std::wstring_view name, DeviceRecord &record, bool &found) {
  found = false;
  if (ViStatus unusable = Usability(); unusable < 0) return unusable;
  std::shared_lock guard(lock_);
  for (const DeviceRecord &entry : entries_) {
    if (!NamesMatch(entry.deviceName, name)) continue;
    found = true;
    try {
      record.deviceName = entry.deviceName;
      record.deviceIdentifier = entry.deviceIdentifier;
      record.backendResourceText = entry.backendResourceText;
    } catch (const std::bad_alloc &) {
      return ZUVEXA_ERROR_OUT_OF_MEMORY;
    }
    record.moduleKind = entry.moduleKind;
    record.productId = entry.productId;
    record.isSimulatedDevice = entry.isSimulatedDevice;
    return VI_SUCCESS;
  }
  return VI_SUCCESS;
}

ViStatus DeviceInfoStore::Insert(const DeviceRecord &record) {
  if (ViStatus unusable = Usability(); unusable < 0) return unusable;
  std::lock_guard guard(lock_);
  for (const DeviceRecord &entry : entries_)
    if (NamesMatch(entry.deviceName, record.deviceName)) return VI_SUCCESS;
  try {
    entries_.push_back(record); // strong guarantee: unchanged on failure
  } catch (const std::bad_alloc &) {
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  }
  return VI_SUCCESS;
}

ViStatus DeviceInfoStore::Forget(const char *name) {
  if (ViStatus unusable = Usability(); unusable < 0) return unusable;
  const char *text = name == nullptr ? "" : name;
  std::wstring wideName;
  zuapal::StatusRecord conversion;
  zu::dsc::MultibyteToWide(text, std::strlen(text), wideName, conversion);
  if (conversion.isError()) return MapPlatformFailure(conversion.code);
  std::lock_guard guard(lock_);
  RemoveFirstByName(wideName);
  return VI_SUCCESS;
}

ViStatus DeviceInfoStore::InvalidateByNames(const std::vector<std::wstring> &names) {
  if (ViStatus unusable = Usability(); unusable < 0) return unusable;
  std::lock_guard guard(lock_);
  sysapi::ISysFramework *framework = nullptr;
  ViStatus status = getFramework_ ? getFramework_(framework) : ZUVEXA_ERROR_CANNOT_RECOVER;
  if (status < 0) return status;
  if (framework == nullptr) return ZUVEXA_ERROR_INVALID_PARAMETER;
  // A removed device cannot be asked for by name; its failure must not keep
  // the later names of the notification cached, so the walk goes on and the
  // first failure is returned.
  ViStatus firstFailure = VI_SUCCESS;
  for (const std::wstring &name : names) {
    status = InvalidateOne(*framework, name);
    if (status < 0 && firstFailure == VI_SUCCESS) firstFailure = status;
  }
  return firstFailure;
}

// Runs under the write lock.
ViStatus DeviceInfoStore::InvalidateOne(sysapi::ISysFramework &framework, const std::wstring &name) {
  size_t slash = name.rfind(L'/');
  RemoveFirstByIdentifier(slash == std::wstring::npos ? std::wstring_view(name)
                                                      : std::wstring_view(name).substr(slash + 1));

  SysText lengthPrefixedName(sysapi::AllocSysText(name.data(), static_cast<uint32_t>(name.size())));
  if (lengthPrefixedName.get() == nullptr) return ZUVEXA_ERROR_OUT_OF_MEMORY;
  SysRef<sysapi::ISysResource> resource;
  sysapi::SysStatus r = framework.GetResourceByName(lengthPrefixedName.get(), resource.out());
  if (r < 0) return ReportSysapiFailure(r);
  if (!resource) return ReportSysapiFailure(sysapi::kNullPointer);

  SysText identifier;
  r = resource->GetTextProperty(sysapi::kPropResourceName, identifier.out());
  if (r < 0) return ReportSysapiFailure(r);
  RemoveFirstByIdentifier(identifier.view());
  return VI_SUCCESS;
}

void DeviceInfoStore::RemoveFirstByName(std::wstring_view name) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const DeviceRecord &entry) { return NamesMatch(entry.deviceName, name); });
  if (found != entries_.end()) entries_.erase(found);
}

void DeviceInfoStore::RemoveFirstByIdentifier(std::wstring_view identifier) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const DeviceRecord &entry) { return entry.deviceIdentifier == identifier; });
  if (found != entries_.end()) entries_.erase(found);
}

size_t DeviceInfoStore::Count() {
  if (Usability() < 0) return 0;
  std::shared_lock guard(lock_);
  return entries_.size();
}

DeviceInfoStore &DeviceStore() {
  static DeviceInfoStore store(
      [](sysapi::ISysFramework *&framework) { return Discovery().GetFramework(framework); });
  return store;
}

ViStatus ForgetDevice(const char *name) { return DeviceStore().Forget(name); }

namespace {
// Builds the store while the library loads.
[[maybe_unused]] DeviceInfoStore &gStoreBuiltAtLoad = DeviceStore();
} // namespace

} // namespace dvlShared
