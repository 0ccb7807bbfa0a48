// Statuses of the stand-in and the guard that keeps exceptions inside it.
#pragma once

#include <new>

#include "platform/SysapiInterfaces.h"
#include "sysapi_standin.h"

namespace sysapistandin {

using sysapi::SysStatus;

inline constexpr SysStatus kNone = SYSAPISTANDIN_S_NONE;
inline constexpr SysStatus kInvalidArgument = SYSAPISTANDIN_E_INVALID_ARGUMENT;
inline constexpr SysStatus kNotFound = SYSAPISTANDIN_E_NOT_FOUND;

// Runs `work`, turning an escaping exception into a status.
template <class Work> SysStatus Guarded(Work &&work) noexcept {
  try {
    return work();
  } catch (const std::bad_alloc &) {
    return sysapi::kOutOfMemory;
  } catch (...) {
    return sysapi::kFailure;
  }
}

} // namespace sysapistandin
