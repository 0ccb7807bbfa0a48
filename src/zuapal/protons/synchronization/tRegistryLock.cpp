#include "zuapal/protons/synchronization/tRegistryLock.h"

#include "zuapal/zuapalerr.h"

namespace zuapal {
namespace {

// A recursive mutex that asks for priority inheritance; the protocol request
// may be refused by the platform without making the mutex unusable.
bool CreateRecursiveMutex(pthread_mutex_t &mutex) {
  pthread_mutexattr_t attributes;
  if (pthread_mutexattr_init(&attributes) != 0) return false;
  bool created = pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE) == 0;
  if (created) {
    (void)pthread_mutexattr_setprotocol(&attributes, PTHREAD_PRIO_INHERIT);
    created = pthread_mutex_init(&mutex, &attributes) == 0;
  }
  pthread_mutexattr_destroy(&attributes);
  return created;
}

StatusRecord &CheckMutex(bool created, StatusRecord &status) {
  if (!created) ZUAPAL_SET(status, zuapalerr_softwareFaultAPALInternalUseOnly);
  return status;
}

} // namespace

tRegistryLock::tRegistryLock(StatusRecord &status)
    : readerMutexCreated_(CreateRecursiveMutex(readerMutex_)),
      writeSemaphore_(1, CheckMutex(readerMutexCreated_, status)) {}

tRegistryLock::~tRegistryLock() {
  if (readerMutexCreated_) pthread_mutex_destroy(&readerMutex_);
}

void tRegistryLock::lock_shared() {
  pthread_mutex_lock(&readerMutex_);
  if (++readerCount_ == 1) writeSemaphore_.wait();
  pthread_mutex_unlock(&readerMutex_);
}

void tRegistryLock::unlock_shared() {
  pthread_mutex_lock(&readerMutex_);
  if (--readerCount_ == 0) writeSemaphore_.post();
  pthread_mutex_unlock(&readerMutex_);
}

} // namespace zuapal
