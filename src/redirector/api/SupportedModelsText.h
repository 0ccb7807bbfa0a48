// The text the library answers itself for the supported-models attribute.
#pragma once

#include <string>

#include "zuVEXAtypes.h"

namespace zuapi {

inline constexpr ViAttr kSupportedModelsAttribute = 1050327;

// The model lists of the supported-models rows whose module is installed
// (its component version text can be read), in table order, joined by ", ".
std::string SupportedModelsText();

} // namespace zuapi
