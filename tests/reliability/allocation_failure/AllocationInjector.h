// Fails one chosen allocation of the calling thread: any operator new, and
// malloc/calloc/realloc of the code linked into the test program.
#pragma once

#include <cstdint>

namespace allocfail {

// From now on, the calling thread's n-th allocation (n >= 1) fails: operator
// new throws std::bad_alloc, the non-throwing forms and malloc return null.
void FailNth(uint64_t n);

struct Outcome {
  uint64_t allocations = 0; // counted since FailNth
  bool injected = false;    // the n-th allocation was reached and failed
  bool byPlatform = false;  // ... and a stand-in of a platform component made it
};

// Stops counting for the calling thread.
Outcome Disarm();

} // namespace allocfail
