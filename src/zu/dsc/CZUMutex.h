// Plain (non-recursive) mutex that records its owner, and the one
// process-wide instance under which COM-style reference counts change.
#pragma once

#include <cstdint>
#include <memory>

namespace zu::dsc {

class CZUMutex {
public:
  CZUMutex();
  ~CZUMutex();
  CZUMutex(const CZUMutex &) = delete;
  CZUMutex &operator=(const CZUMutex &) = delete;

  // A thread must not lock the mutex twice. Held with std::lock_guard.
  void lock();
  void unlock();

  // True while the calling thread holds the mutex.
  bool isHeldByCaller() const;

private:
  struct State;
  std::unique_ptr<State> state_;
};

// The process-wide reference-count mutex.
CZUMutex &ProcessReferenceCountMutex();

// Add or subtract 1 under the process-wide mutex; return the new value.
// Like every COM-style count, decrementing 0 wraps around (a caller fault).
uint32_t CounterIncrement(uint32_t &counter);
uint32_t CounterDecrement(uint32_t &counter);

} // namespace zu::dsc
