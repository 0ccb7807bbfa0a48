#include "ThreadState.h"

#include <atomic>
#include <cstdint>

namespace ivistandin {

namespace {

std::atomic<uint64_t> resetGeneration{0};

struct GenerationalState {
  uint64_t generation = 0;
  ThreadState state;
};

thread_local GenerationalState threadState;

} // namespace

ThreadState &CurrentThreadState() {
  const uint64_t generation = resetGeneration.load(std::memory_order_acquire);
  if (threadState.generation != generation) {
    threadState.state = ThreadState{};
    threadState.generation = generation;
  }
  return threadState.state;
}

void ForgetAllThreadStates() { resetGeneration.fetch_add(1, std::memory_order_acq_rel); }

} // namespace ivistandin
