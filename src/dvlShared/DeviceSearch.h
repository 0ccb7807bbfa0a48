// Finding the one device whose name or alias matches, through the system
// configuration library's resource search.
#pragma once

#include <string>

#include "dvlShared/DeviceRecord.h"
#include "dvlShared/SysapiFramework.h"
#include "platform/SysapiInterfaces.h"
#include "zuVEXAtypes.h"

namespace dvlShared {

inline constexpr char kTwoDevicesMessage[] =
    "Two or more devices in the system have the specified device name or LEM alias.";

// Searches `expertList` for `deviceName`. When exactly one resource that is
// not skipped matches, `record` gets the device with the product identifier
// the system configuration reports and no module kind (the caller routes
// it), and `found` is true. An empty name is not found (0).
// ZUVEXA_ERROR_INVALID_PARAMETER for a null framework;
// ZUVEXA_ERROR_DEVICE_NOT_FOUND with an elaboration for two matches; failures
// of the library are reported (ZUVEXA_ERROR_CANNOT_RECOVER).
ViStatus FindDevice(sysapi::ISysFramework *framework, const std::wstring &expertList,
                    const std::wstring &deviceName, DeviceRecord &record, bool &found);

} // namespace dvlShared
