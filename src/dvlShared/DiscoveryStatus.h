// Statuses of device discovery and the way failures of the system
// configuration library and of the discovery locks are reported.
#pragma once

#include <cstdint>

#include "platform/SysapiInterfaces.h"
#include "zuVEXAtypes.h"

namespace dvlShared {

inline constexpr ViStatus kErrorSystemApi = static_cast<ViStatus>(0xBFFA0000);
inline constexpr ViStatus kErrorInvalidArgument = static_cast<ViStatus>(0xBFFA000F);
inline constexpr ViStatus kErrorObserverAllocation = static_cast<ViStatus>(0xBFFA0021);
inline constexpr ViStatus kErrorOutOfMemory = static_cast<ViStatus>(0xBFFA0056);
inline constexpr ViStatus kErrorNullPointer = static_cast<ViStatus>(0xBFFA0058);
inline constexpr ViStatus kErrorDeviceNotFound = static_cast<ViStatus>(0xBFFA0060);
inline constexpr ViStatus kErrorUnknownProduct = static_cast<ViStatus>(0xBFFA4003);
// A device that is not found while the "pimlo" expert is installed.
inline constexpr ViStatus kErrorDeviceNotFoundPimlo = -200220;

// Records "Unexpected ZU System API Error: <failure>." for the calling
// thread with 0xBFFA0000 and returns 0xBFFA0000.
ViStatus ReportSysapiFailure(sysapi::SysStatus failure);

// Records `message` as the elaboration of `status` for the calling thread
// and returns `status`.
ViStatus ReportElaboration(ViStatus status, const char *message);

// The driver status for a lock that could not be created (or another
// platform failure): out of memory gives 0xBFFA0056, other codes are mapped
// into the driver's range.
ViStatus MapPlatformFailure(int64_t code);

} // namespace dvlShared
