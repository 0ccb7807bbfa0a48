// Marks a function as part of the library's exported C interface. The
// version script keeps every other symbol local.
#pragma once

#define ZUVEXA_EXPORT extern "C" __attribute__((visibility("default")))

#include <new>

#include "zuVEXAtypes.h"

namespace zuapi {

inline constexpr ViStatus kErrorCannotRecover = static_cast<ViStatus>(0xBFFA0000);
inline constexpr ViStatus kErrorExportOutOfMemory = static_cast<ViStatus>(0xBFFA0056);

// Runs the body of an exported function; no exception crosses into the
// caller's C code.
template <class Body> ViStatus Guard(Body &&body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc &) {
    return kErrorExportOutOfMemory;
  } catch (...) {
    return kErrorCannotRecover;
  }
}

} // namespace zuapi
