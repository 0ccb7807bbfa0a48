// The notification handlers the frameworks hold, each with one reference.
#pragma once

#include <mutex>
#include <utility>
#include <vector>

#include "StandinStatus.h"

namespace sysapistandin {

class HandlerRegistry {
public:
  // Lives until the process ends, like the catalog.
  static HandlerRegistry &Instance();

  // Takes a reference to the handler on behalf of `owner`.
  void Register(const void *owner, sysapi::INotificationHandler *handler);
  // Drops every handler `owner` holds.
  void ReleaseFor(const void *owner);
  // Every registered handler, each with an extra reference for the caller.
  std::vector<sysapi::INotificationHandler *> AcquireAll() const;
  int Count() const;

private:
  mutable std::mutex mutex_;
  std::vector<std::pair<const void *, sysapi::INotificationHandler *>> entries_;
};

} // namespace sysapistandin
