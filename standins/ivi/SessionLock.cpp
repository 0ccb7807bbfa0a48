#include "SessionLock.h"

#include "ivi_standin.h"

namespace ivistandin {

ViStatus SessionLock::Lock() {
  const std::thread::id self = std::this_thread::get_id();
  std::unique_lock guard(mutex_);
  released_.wait(guard, [&] { return closed_ || depth_ == 0 || owner_ == self; });
  if (closed_) return IVISTANDIN_ERROR_INVALID_SESSION;
  owner_ = self;
  ++depth_;
  return VI_SUCCESS;
}

ViStatus SessionLock::Unlock() {
  std::lock_guard guard(mutex_);
  if (closed_) return IVISTANDIN_ERROR_INVALID_SESSION;
  if (depth_ == 0 || owner_ != std::this_thread::get_id()) return IVISTANDIN_ERROR_LOCK_NOT_HELD;
  if (--depth_ == 0) {
    owner_ = std::thread::id();
    released_.notify_all();
  }
  return VI_SUCCESS;
}

void SessionLock::Close() {
  std::lock_guard guard(mutex_);
  closed_ = true;
  released_.notify_all();
}

} // namespace ivistandin
