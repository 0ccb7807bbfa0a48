// Readers-writer lock of the process-wide registries: a reader count under a
// recursive priority-inheriting mutex, and a semaphore of count 1 that the
// first reader takes and the last reader gives back on behalf of all
// readers; writers take the semaphore directly. Readers are preferred.
#pragma once

#include <pthread.h>

#include <cstdint>

#include "zuapal/StatusRecord.h"
#include "zuapal/protons/synchronization/tSemaphore.h"

namespace zuapal {

class tRegistryLock {
public:
  // Creation failures go into `status` (-52003 for the mutex, the semaphore's
  // own code otherwise); the owner then treats itself as unusable.
  explicit tRegistryLock(StatusRecord &status);
  ~tRegistryLock();
  tRegistryLock(const tRegistryLock &) = delete;
  tRegistryLock &operator=(const tRegistryLock &) = delete;

  void readEnter();
  void readLeave();
  void writeEnter() { writeSemaphore_.wait(); }
  void writeLeave() { writeSemaphore_.post(); }

private:
  pthread_mutex_t readerMutex_{};
  bool readerMutexCreated_ = false;
  uint32_t readerCount_ = 0;
  tSemaphore writeSemaphore_;
};

class tReadGuard {
public:
  explicit tReadGuard(tRegistryLock &lock) : lock_(lock) { lock_.readEnter(); }
  ~tReadGuard() { lock_.readLeave(); }
  tReadGuard(const tReadGuard &) = delete;
  tReadGuard &operator=(const tReadGuard &) = delete;

private:
  tRegistryLock &lock_;
};

class tWriteGuard {
public:
  explicit tWriteGuard(tRegistryLock &lock) : lock_(lock) { lock_.writeEnter(); }
  ~tWriteGuard() { lock_.writeLeave(); }
  tWriteGuard(const tWriteGuard &) = delete;
  tWriteGuard &operator=(const tWriteGuard &) = delete;

private:
  tRegistryLock &lock_;
};

} // namespace zuapal
