// Marks a function as part of the library's exported C interface. The
// version script keeps every other symbol local.
#pragma once

#define ZUVEXA_EXPORT extern "C" __attribute__((visibility("default")))

#include <new>

#include "status/StatusCodes.h"
#include "zuVEXAtypes.h"

namespace zuapi {

// Runs the body of an exported function; no exception crosses into the
// caller's C code.
template <class Body> ViStatus Guard(Body &&body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc &) {
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  } catch (...) {
    return ZUVEXA_ERROR_CANNOT_RECOVER;
  }
}

} // namespace zuapi
