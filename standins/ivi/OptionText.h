// The parts of an option string the engine itself acts on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zuVEXAtypes.h"

namespace ivistandin {

struct EngineOptions {
  std::optional<bool> simulate;
  std::optional<std::string> driverSetup;
};

// Reads "name=value" entries separated by ','. Simulate (also
// Attr_Simulate, Ivi_Attr_Simulate) takes a boolean; DriverSetup (also
// Driver Setup, Driver_Setup, Attr_Driver_Setup, Ivi_Attr_Driver_Setup)
// takes the rest of its entry. Names ignore case; a later entry overrides
// an earlier one; other names are left to the driver and ignored.
// A Simulate value that is not a boolean gives the bad-option-value status.
ViStatus ParseEngineOptions(std::string_view text, EngineOptions &options);

// The option string a logical name resolves to: its configured options,
// then the caller's, so the caller's settings win.
std::string CombineOptionStrings(const std::string &configured, const std::string &caller);

} // namespace ivistandin
