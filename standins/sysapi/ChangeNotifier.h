// Delivers a change notification to every registered handler.
#pragma once

#include <string>
#include <vector>

#include "StandinStatus.h"

namespace sysapistandin {

// Calls Notify(null, kind, names) on each handler from one new thread and
// waits for it. Returns the first non-zero handler status, kNone without
// handlers.
SysStatus DeliverChange(uint32_t kind, const std::vector<std::wstring> &names);

} // namespace sysapistandin
