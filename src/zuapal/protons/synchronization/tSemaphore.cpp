#include "zuapal/protons/synchronization/tSemaphore.h"

#include <cerrno>
#include <cstdlib>

#include "zuapal/zuapalerr.h"

namespace zuapal {

int32_t MapSemaphoreError(int error) {
  switch (error) {
  case EPERM:
    return zuapalerr_softwareFaultAPALInternalUseOnly;
  case EINVAL:
    return zuapalerr_invalidParameter;
  case ENOSYS:
    return zuapalerr_notImplemented;
  case ENOSPC:
  default:
    return zuapalerr_osFault;
  }
}

tSemaphore::tSemaphore(uint32_t initialCount, StatusRecord &status) {
  if (sem_init(&semaphore_, 0, initialCount) == 0) {
    live_ = &semaphore_;
    return;
  }
  ZUAPAL_SET(status, MapSemaphoreError(errno));
}

tSemaphore::~tSemaphore() {
  if (live_ != nullptr) {
    if (name_ != nullptr)
      sem_close(live_);
    else
      sem_destroy(live_);
    live_ = nullptr;
  }
  if (unlinkOnDestroy_) {
    unlinkOnDestroy_ = false;
    if (name_ != nullptr) sem_unlink(name_);
  }
  std::free(name_);
  name_ = nullptr;
}

void tSemaphore::wait() {
  if (live_ == nullptr) return;
  while (sem_wait(live_) != 0 && errno == EINTR) {
  }
}

void tSemaphore::post() {
  if (live_ != nullptr) sem_post(live_);
}

} // namespace zuapal
