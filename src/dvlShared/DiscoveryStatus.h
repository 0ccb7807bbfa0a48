// Statuses of device discovery and the way failures of the system
// configuration library and of the discovery locks are reported.
#pragma once

#include <cstdint>

#include "platform/SysapiInterfaces.h"
#include "routing/Failure.h"
#include "zuVEXAtypes.h"

namespace dvlShared {

// Records "Unexpected ZU System API Error: <failure>." for the calling
// thread with ZUVEXA_ERROR_CANNOT_RECOVER and returns
// ZUVEXA_ERROR_CANNOT_RECOVER.
ViStatus ReportSysapiFailure(sysapi::SysStatus failure);

// Records the failure a routing function handed back, if any, for the
// calling thread and returns `status`.
ViStatus ReportFailure(ViStatus status, const zurouting::Failure &failure);

// Records `message` as the elaboration of `status` for the calling thread
// and returns `status`.
ViStatus ReportElaboration(ViStatus status, const char *message);

// The driver status for a lock that could not be created (or another
// platform failure): out of memory gives ZUVEXA_ERROR_OUT_OF_MEMORY, other
// codes are mapped into the driver's range.
ViStatus MapPlatformFailure(int64_t code);

} // namespace dvlShared
