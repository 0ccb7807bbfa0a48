// The pending interchange-check warnings of a session as one text.
#pragma once

#include <cstddef>

#include "zuVEXAtypes.h"

namespace zuapi {

inline constexpr const char kWarningsOutOfMemory[] = "Not enough memory to return all interchange warnings.";

// Fetches up to 128 pending warnings of vi and joins them, each followed by
// "\r\n\r\n"; the empty text that ends the list is written too, so a session
// without warnings gives "\r\n\r\n". When memory runs out the fixed text
// above is returned instead. Release the result with ReleaseInterchangeWarnings.
const char *CollectInterchangeWarnings(ViSession vi);
void ReleaseInterchangeWarnings(const char *text);

// Allocation used by CollectInterchangeWarnings (zero-filled, like calloc);
// replaceable so that tests can make it fail. Returns the previous one.
using ZeroedAllocator = void *(*)(size_t count, size_t size);
ZeroedAllocator SetWarningsAllocator(ZeroedAllocator allocator);

} // namespace zuapi
