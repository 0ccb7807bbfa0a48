// Objects of one type handed out and taken back by one writer at a time,
// from chunks that are kept until the pool itself goes. A returned object's
// memory stays valid, so a reader that still looks at it without a lock never
// reads freed memory. T needs a member `T *nextFree`.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace zuapi {

template <class T, size_t kChunkSize = 64> class FreeListPool {
public:
  // Makes sure that Take has an object to hand out. May throw
  // std::bad_alloc; the pool is then unchanged.
  void Reserve() {
    if (free_ != nullptr) return;
    chunks_.push_back(std::make_unique<T[]>(kChunkSize));
    for (size_t i = 0; i < kChunkSize; ++i) Give(&chunks_.back()[i]);
  }
  // After Reserve.
  T *Take() noexcept {
    T *taken = free_;
    free_ = taken->nextFree;
    return taken;
  }
  void Give(T *given) noexcept {
    given->nextFree = free_;
    free_ = given;
  }

private:
  std::vector<std::unique_ptr<T[]>> chunks_;
  T *free_ = nullptr;
};

} // namespace zuapi
