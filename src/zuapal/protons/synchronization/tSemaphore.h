// Counting semaphore over an unnamed, process-private POSIX semaphore.
#pragma once

#include <semaphore.h>

#include <cstdint>

#include "zuapal/StatusRecord.h"

namespace zuapal {

class tSemaphore {
public:
  // Creates the semaphore; on failure there is no live semaphore and the
  // status takes the code that MapSemaphoreError gives for errno.
  tSemaphore(uint32_t initialCount, StatusRecord &status);
  ~tSemaphore();
  tSemaphore(const tSemaphore &) = delete;
  tSemaphore &operator=(const tSemaphore &) = delete;

  // Waits, and waits again whenever a signal interrupts the wait.
  void wait();
  void post();
  bool isLive() const { return live_ != nullptr; }

private:
  sem_t semaphore_{};
  sem_t *live_ = nullptr;
  char *name_ = nullptr; // always null: only unnamed semaphores are created
  bool unlinkOnDestroy_ = false;
};

// The status a failed semaphore creation reports for a platform error number.
int32_t MapSemaphoreError(int error);

} // namespace zuapal
