#include "zu/dsc/CZUMutex.h"

#include <pthread.h>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace zu::dsc {

// Flag and owner are atomic so that any thread may ask whether it holds the
// mutex without racing the holder.
struct CZUMutex::State {
  std::atomic<bool> locked{false};
  std::atomic<pthread_t> owner{};
  pthread_mutex_t mutex;
};

CZUMutex::CZUMutex() : state_(std::make_unique<State>()) {
  // Default attributes: neither recursive nor priority-inheriting. They
  // cannot fail to initialise; a mutex that does not work is no mutex.
  if (pthread_mutex_init(&state_->mutex, nullptr) != 0) {
    std::abort();
  }
}

CZUMutex::~CZUMutex() { pthread_mutex_destroy(&state_->mutex); }

void CZUMutex::lock() {
  pthread_mutex_lock(&state_->mutex);
  state_->owner.store(pthread_self(), std::memory_order_relaxed);
  state_->locked.store(true, std::memory_order_relaxed);
}

void CZUMutex::unlock() {
  state_->locked.store(false, std::memory_order_relaxed);
  state_->owner.store(pthread_t{}, std::memory_order_relaxed);
  pthread_mutex_unlock(&state_->mutex);
}

bool CZUMutex::isHeldByCaller() const {
  // Only the holder can find its own id stored while the flag is set.
  return state_->locked.load(std::memory_order_relaxed) &&
         pthread_equal(state_->owner.load(std::memory_order_relaxed), pthread_self());
}

CZUMutex &ProcessReferenceCountMutex() {
  // A function-local static is built on first use, so static objects of
  // other translation units that take references while they are built find
  // it ready whatever the link order; being built before them, it is also
  // destroyed after them.
  static CZUMutex mutex;
  return mutex;
}

namespace {
// Builds the mutex while the library loads, before any other thread runs.
[[maybe_unused]] CZUMutex &gMutexCreatedAtLoad = ProcessReferenceCountMutex();
} // namespace

uint32_t CounterIncrement(uint32_t &counter) {
  std::lock_guard hold(ProcessReferenceCountMutex());
  return ++counter;
}

uint32_t CounterDecrement(uint32_t &counter) {
  std::lock_guard hold(ProcessReferenceCountMutex());
  return --counter;
}

} // namespace zu::dsc
