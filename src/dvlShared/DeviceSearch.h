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
// it), and `found` is true. An empty name is not found (0). 0xBFFA000F for a
// null framework; 0xBFFA0060 with an elaboration for two matches; failures
// of the library are reported (0xBFFA0000).
ViStatus FindDevice(sysapi::ISysFramework *framework, const std::wstring &expertList,
                    const std::wstring &deviceName, DeviceRecord &record, bool &found);

} // namespace dvlShared
