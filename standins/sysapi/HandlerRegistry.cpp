#include "HandlerRegistry.h"

namespace sysapistandin {

HandlerRegistry &HandlerRegistry::Instance() {
  static HandlerRegistry *registry = new HandlerRegistry();
  return *registry;
}

void HandlerRegistry::Register(const void *owner, sysapi::INotificationHandler *handler) {
  std::lock_guard lock(mutex_);
  entries_.emplace_back(owner, handler);
  handler->AddRef();
}

void HandlerRegistry::ReleaseFor(const void *owner) {
  std::vector<sysapi::INotificationHandler *> released;
  {
    std::lock_guard lock(mutex_);
    std::erase_if(entries_, [&](const auto &entry) {
      if (entry.first != owner) return false;
      released.push_back(entry.second);
      return true;
    });
  }
  // Outside the lock: a handler's destructor may call back into the stand-in.
  for (auto *handler : released) handler->Release();
}

std::vector<sysapi::INotificationHandler *> HandlerRegistry::AcquireAll() const {
  std::lock_guard lock(mutex_);
  std::vector<sysapi::INotificationHandler *> handlers;
  handlers.reserve(entries_.size());
  for (const auto &entry : entries_) {
    entry.second->AddRef();
    handlers.push_back(entry.second);
  }
  return handlers;
}

int HandlerRegistry::Count() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(entries_.size());
}

} // namespace sysapistandin
