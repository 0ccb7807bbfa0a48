#include "dvlShared/SysapiObserver.h"

#include <new>
#include <string>
#include <vector>

#include "dvlShared/DiscoveryStatus.h"
#include "dvlShared/SysapiRefs.h"
#include "status/StatusCodes.h"

namespace dvlShared {
namespace {

constexpr uint32_t kKindIgnored = 1;

// Collects the names the enumerator delivers, one at a time, until it
// answers anything but 0.
void CollectNames(sysapi::ISysEnumerator &names, std::vector<std::wstring> &out) {
  for (;;) {
    void *item = nullptr;
    uint32_t fetched = 0;
    if (names.Next(1, &item, &fetched) != 0 || item == nullptr) return;
    SysText name(static_cast<wchar_t *>(item));
    out.emplace_back(name.view());
  }
}

} // namespace

bool SysapiObserver::ProvidesInterface(const sysapi::Guid &iid) {
  return iid == sysapi::kIidUnknown || iid == sysapi::kIidNotificationHandler;
}

sysapi::SysStatus SysapiObserver::Notify(void *, uint32_t kind, sysapi::ISysEnumerator *names) {
  if (names == nullptr) return sysapi::kNullPointer;
  if (kind == kKindIgnored) return 0;
  try {
    std::vector<std::wstring> changed;
    CollectNames(*names, changed);
    if (changed.empty()) return 0;
    ViStatus status = store_->InvalidateByNames(changed);
    if (status >= 0) return 0;
    return status == ZUVEXA_ERROR_OUT_OF_MEMORY ? sysapi::kOutOfMemory : sysapi::kFailure;
  } catch (const std::bad_alloc &) {
    return sysapi::kOutOfMemory;
  } catch (...) {
    return sysapi::kFailure;
  }
}

ImxSysNotificationHandler *CreateObserver(DeviceInfoStore &store) {
  return CZUComObject<SysapiObserver>::CreateInstance(store);
}

} // namespace dvlShared
