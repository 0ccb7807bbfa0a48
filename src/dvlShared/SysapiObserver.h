// The change observer registered with the system configuration library's
// framework: notifications naming changed resources drop the matching
// devices from the device information store.
#pragma once

#include <cstdint>

#include "dvlShared/ComObject.h"
#include "dvlShared/DeviceInfoStore.h"
#include "platform/SysapiInterfaces.h"

namespace dvlShared {

// The interface the framework calls (identifier
// {3c565452-f242-4f35-a4ad-22ac69bd821b}).
using ImxSysNotificationHandler = sysapi::INotificationHandler;

// Completed by CZUComObject (see ComObject.h for the table layout); declares
// no virtual functions of its own.
class SysapiObserver : public virtual CZUComObjectRootEx<CZUComMultiThreadModelNoCS>,
                       public ImxSysNotificationHandler {
public:
  using PrimaryInterface = ImxSysNotificationHandler;

  // IUnknown and ImxSysNotificationHandler.
  static bool ProvidesInterface(const sysapi::Guid &iid);

  explicit SysapiObserver(DeviceInfoStore &store) noexcept : store_(&store) {}

  // Position 3. Kind 1 is ignored; for any other kind the names the
  // enumerator delivers are invalidated in the store. 0 on success,
  // 0x80004003 for a null enumerator, 0x8007000E when memory ran short,
  // 0x80004005 for other failures.
  sysapi::SysStatus Notify(void *ignored, uint32_t kind, sysapi::ISysEnumerator *names) override;

private:
  DeviceInfoStore *store_;
};

// A new observer of `store` holding one reference, or null when memory is
// short.
ImxSysNotificationHandler *CreateObserver(DeviceInfoStore &store);

} // namespace dvlShared
