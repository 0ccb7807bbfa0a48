// What the routing component says about a resource name, as JSON, for
// `probe` and `list`.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "Devices.h"
#include "zuVEXAtypes.h"

namespace zuvexacli {

// The device, model (and why it was chosen), module kind and file, and
// simulation an open would get. On failure `probe` holds "status" and
// "description" (the library's text and the lookup's elaboration).
ViStatus ProbeToJson(const std::string &resource, const std::string &options, nlohmann::json &probe);

// The library's description of a failed lookup, its elaboration on the
// next line.
std::string LookupDescription(const zuvexaclient::LookupFailure &failure);

// Prints the failure ProbeToJson described, with a hint when the system
// configuration is missing; returns kExitFailure.
int ReportLookupFailure(ViStatus status, const nlohmann::json &probe);

} // namespace zuvexacli
