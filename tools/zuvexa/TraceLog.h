// Readable form of the call records the tracing library writes, one JSON
// object a line: {"function", "id", "params": [...], "returns": [...]},
// each parameter and return {"name", "type", "value"}.
#pragma once

#include <string>
#include <string_view>

namespace zuvexacli {

// One record as a call line and indented result lines. A line that is not
// such a record comes back unchanged.
std::string RenderTraceRecord(std::string_view line);

// A status in hex with its kind: "0xBFFA000F (error)", "0x3FFA0068
// (warning)", "0".
std::string FormatStatus(long long status);

} // namespace zuvexacli
