// Finding the one device whose name or alias matches, through the system
// configuration library's resource search, and routing it by its product
// identifier.
#pragma once

#include <string>

#include "dvlShared/DeviceRecord.h"
#include "dvlShared/SysapiFramework.h"
#include "dvlShared/sysapi/SysapiInterfaces.h"
#include "redirector/modules/ModelRouting.h"
#include "zuVEXAtypes.h"

namespace dvlShared {

inline constexpr char kTwoDevicesMessage[] =
    "Two or more devices in the system have the specified device name or LEM alias.";

// Searches `expertList` for `deviceName`. When exactly one resource that is
// not skipped matches and its product identifier has a model row, `record`
// gets the device and `found` is true. An empty name is not found (0).
// 0xBFFA000F for a null framework; 0xBFFA0060 with an elaboration for two
// matches; an unknown product gives 0xBFFA4003 (pimlo installed) or
// 0xBFFA0060 unless simulated, when it is just not found; failures of the
// library are reported (0xBFFA0000). `discovery` answers the pimlo question.
ViStatus FindDevice(SysapiDiscovery &discovery, sysapi::ISysFramework *framework,
                    const std::wstring &expertList, const std::wstring &deviceName, bool simulate,
                    DeviceRecord &record, zumodules::ModelTableAccessor table, bool &found);

} // namespace dvlShared
