#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>

extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *pointer, size_t size);
}

namespace {
std::atomic<uint64_t> gAllocations{0};

void Count() { gAllocations.fetch_add(1, std::memory_order_relaxed); }
} // namespace

// The program's definitions win over the C library's for every shared
// library in the process, libzuvexa.so and libstdc++ included.
extern "C" void *malloc(size_t size) {
  Count();
  return __libc_malloc(size);
}

extern "C" void *calloc(size_t count, size_t size) {
  Count();
  return __libc_calloc(count, size);
}

extern "C" void *realloc(void *pointer, size_t size) {
  Count();
  return __libc_realloc(pointer, size);
}

namespace zubench {

uint64_t AllocationCount() { return gAllocations.load(std::memory_order_relaxed); }

} // namespace zubench
