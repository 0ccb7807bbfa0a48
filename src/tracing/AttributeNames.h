// Display names of attribute identifiers, as the trace shows them.
#pragma once

#include "zuVEXAtypes.h"

namespace zutrace {

inline constexpr char kAttributeNotAvailable[] = "Not Available";

// The first entry of the attribute catalogue with this identifier, or
// "Not Available".
const char *AttributeDisplayName(ViAttr attributeId);

} // namespace zutrace
