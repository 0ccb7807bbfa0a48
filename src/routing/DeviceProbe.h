// What an open of a resource name with an option string would get, worked
// out as an open does but without a session and without the library's
// device store or discovery state: the engine resolves the name, the
// options are interpreted, the model chosen, and a device not settled by
// the model is searched through a SysapiConnection of its own.
#pragma once

#include <string>

#include "routing/DeviceRecord.h"
#include "routing/Failure.h"
#include "routing/ModelTable.h"
#include "routing/ResourceResolution.h"
#include "zuVEXAtypes.h"

namespace zurouting {

struct ProbeResult {
  ResourceSettings settings;
  DeviceRecord record; // deviceName empty: no device (a simulated session's model)
};

// The statuses an open's lookup gives, with the failure it records in
// `failure` (status 0 when it records none).
ViStatus ProbeResource(const char *resourceName, const char *optionString, ProbeResult &result,
                       Failure &failure);

} // namespace zurouting
