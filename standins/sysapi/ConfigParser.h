// Reads the configuration text:
//
//   # comment
//   expert <name>
//   device <resourceName> [alias=<text>] [productId=<n>] [simulated=<n>]
//          [backend=<text>] [hidden=<n>] [excluded=<n>]
//
// Numbers are decimal or 0x-hexadecimal. A later line for the same device
// or expert replaces the earlier one. A line that cannot be read is skipped
// and described in `problems`.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "Configuration.h"

namespace sysapistandin {

void ParseConfiguration(std::istream &input, Configuration &configuration,
                        std::vector<std::string> &problems);

} // namespace sysapistandin
