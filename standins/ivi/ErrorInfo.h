// The error information the engine keeps per session and per thread.
#pragma once

#include <string>

#include "zuVEXAtypes.h"

namespace ivistandin {

struct ErrorInfo {
  ViStatus primary = VI_SUCCESS;
  ViStatus secondary = VI_SUCCESS;
  std::string elaboration;
};

// Records new information. Without override a recorded error (negative
// primary) stays, and a success does not wipe a recorded warning;
// otherwise the new information replaces what was recorded.
void RecordErrorInfo(ErrorInfo &info, bool overrideExisting, ViStatus primary, ViStatus secondary,
                     ViConstString elaboration);

} // namespace ivistandin
