// The IVI buffer rule for text outputs.
#pragma once

#include <string_view>

#include "zuVEXAtypes.h"

namespace backendstandin {

// Size 0: returns the needed size (length + 1) and writes nothing. Negative
// size or null buffer: BACKENDSTANDIN_ERROR_INVALID_ARGUMENT. Too small: the
// text is cut to size - 1 characters and the needed size is returned. A text
// that fits is copied with its terminator and 0 is returned.
ViStatus CopyText(std::string_view text, ViInt32 bufferSize, ViChar *buffer);

} // namespace backendstandin
