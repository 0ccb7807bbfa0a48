// Counts the heap allocations of the whole process (malloc, calloc, realloc
// and everything built on them, operator new included) by standing in for
// the C library's allocator in the benchmark program.
#pragma once

#include <cstdint>

namespace zubench {

uint64_t AllocationCount();

} // namespace zubench
