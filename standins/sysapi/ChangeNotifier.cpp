#include "ChangeNotifier.h"

#include <thread>

#include "HandlerRegistry.h"
#include "ListEnumerator.h"

namespace sysapistandin {
namespace {

void *NewNameItem(const std::wstring &name) {
  return sysapi::AllocSysText(name.data(), static_cast<uint32_t>(name.size()));
}

SysStatus NotifyOne(sysapi::INotificationHandler *handler, uint32_t kind,
                    const std::vector<std::wstring> &names) {
  return Guarded([&] {
    auto *enumerator = new ListEnumerator<std::wstring>(names, NewNameItem);
    const SysStatus status = handler->Notify(nullptr, kind, enumerator);
    enumerator->Release();
    return status;
  });
}

SysStatus NotifyAll(const std::vector<sysapi::INotificationHandler *> &handlers, uint32_t kind,
                    const std::vector<std::wstring> &names) {
  SysStatus result = 0;
  for (auto *handler : handlers) {
    const SysStatus status = NotifyOne(handler, kind, names);
    if (result == 0) result = status;
  }
  return result;
}

} // namespace

SysStatus DeliverChange(uint32_t kind, const std::vector<std::wstring> &names) {
  const std::vector<sysapi::INotificationHandler *> handlers = HandlerRegistry::Instance().AcquireAll();
  if (handlers.empty()) return kNone;
  SysStatus result = sysapi::kFailure;
  try {
    std::thread notifier([&] { result = NotifyAll(handlers, kind, names); });
    notifier.join();
  } catch (...) {
    result = sysapi::kFailure; // the thread could not be started
  }
  for (auto *handler : handlers) handler->Release();
  return result;
}

} // namespace sysapistandin
