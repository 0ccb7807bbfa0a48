// The per-session lock of Ivi_LockSession / Ivi_UnlockSession: recursive
// for the owning thread, exclusive against other threads.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include "zuVEXAtypes.h"

namespace ivistandin {

class SessionLock {
public:
  // Waits until the lock is free or owned by the caller. Fails with the
  // invalid-session status when the session is disposed meanwhile.
  ViStatus Lock();
  // Fails when the calling thread does not hold the lock.
  ViStatus Unlock();
  // Called when the session goes away: wakes and fails every waiter.
  void Close();

private:
  std::mutex mutex_;
  std::condition_variable released_;
  std::thread::id owner_;
  unsigned depth_ = 0;
  bool closed_ = false;
};

} // namespace ivistandin
