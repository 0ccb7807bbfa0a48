// The device record of routing/ under the name the device store uses.
#pragma once

#include "routing/DeviceRecord.h"

namespace dvlShared {
using zurouting::DeviceRecord;
} // namespace dvlShared
