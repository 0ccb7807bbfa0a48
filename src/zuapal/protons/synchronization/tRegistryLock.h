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

// Meets the standard's shared-mutex requirements, so std::lock_guard and
// std::unique_lock hold its write side and std::shared_lock its read side. An
// owner whose creation status is an error must not lock it (its semaphore may
// not exist): it reports itself unusable instead.
class tRegistryLock {
public:
  // Creation failures go into `status` (-52003 for the mutex, the semaphore's
  // own code otherwise); the owner then treats itself as unusable.
  explicit tRegistryLock(StatusRecord &status);
  ~tRegistryLock();
  tRegistryLock(const tRegistryLock &) = delete;
  tRegistryLock &operator=(const tRegistryLock &) = delete;

  // Write side.
  void lock() { writeSemaphore_.wait(); }
  void unlock() { writeSemaphore_.post(); }
  // Read side; a reader may enter again while it reads.
  void lock_shared();
  void unlock_shared();

private:
  pthread_mutex_t readerMutex_{};
  bool readerMutexCreated_ = false;
  uint32_t readerCount_ = 0;
  tSemaphore writeSemaphore_;
};

} // namespace zuapal
