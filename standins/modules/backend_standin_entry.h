// How a module export hands its call to the simulator: every argument as one
// generic record, then the module kind, the slot and the exported name.
#pragma once

#include <cstdint>
#include <type_traits>

#include "backend_standin.h"

extern "C" {

struct BackendStandinArgument {
  ViInt32 type; // BACKENDSTANDIN_ARG_*
  ViInt64 integer;
  ViReal64 real;
  const void *pointer; // address of pointers and texts
};

// Records the call, applies the scripts and runs the simulated instrument.
// `exportName` is only read during the call. Never throws.
BACKENDSTANDIN_API ViStatus BackendStandin_EnterEntryPoint(ViUInt32 kind, ViUInt32 slot,
                                                           const char *exportName,
                                                           const BackendStandinArgument *arguments,
                                                           ViUInt32 argumentCount) noexcept;
}

namespace backendstandin {

template <class T> inline BackendStandinArgument MakeArgument(T value) noexcept {
  if constexpr (std::is_same_v<T, const char *>) {
    return {BACKENDSTANDIN_ARG_TEXT, 0, 0.0, value};
  } else if constexpr (std::is_pointer_v<T>) {
    return {BACKENDSTANDIN_ARG_POINTER, 0, 0.0, reinterpret_cast<const void *>(value)};
  } else if constexpr (std::is_floating_point_v<T>) {
    return {BACKENDSTANDIN_ARG_REAL, 0, static_cast<ViReal64>(value), nullptr};
  } else {
    static_assert(std::is_integral_v<T>, "argument of an unexpected type");
    return {BACKENDSTANDIN_ARG_INTEGER, static_cast<ViInt64>(value), 0.0, nullptr};
  }
}

} // namespace backendstandin
