// The owners of routing/ under the names discovery uses.
#pragma once

#include "routing/SysapiRefs.h"

namespace dvlShared {
using zurouting::SysRef;
using zurouting::SysText;
} // namespace dvlShared
