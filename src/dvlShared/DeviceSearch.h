// The device search of routing/, recording its failures for the calling
// thread.
#pragma once

#include <string>

#include "dvlShared/DeviceRecord.h"
#include "platform/SysapiInterfaces.h"
#include "routing/DeviceSearch.h"
#include "zuVEXAtypes.h"

namespace dvlShared {

using zurouting::kTwoDevicesMessage;

// zurouting::FindDevice; failures are recorded (ZUVEXA_ERROR_CANNOT_RECOVER
// for those of the library, the two-devices elaboration).
ViStatus FindDevice(sysapi::ISysFramework *framework, const std::wstring &expertList,
                    const std::wstring &deviceName, DeviceRecord &record, bool &found);

} // namespace dvlShared
