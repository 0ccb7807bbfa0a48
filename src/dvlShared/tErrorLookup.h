// The process-wide error lookup: the default language of error descriptions
// and the codes described by their elaboration only. The description
// operations build on this object.
#pragma once

#include <atomic>
#include <cstdint>

#include "status/StatusCodes.h"
#include "zuVEXAtypes.h"
#include "zumxl/mxlate.h"

namespace dvlShared {

class tErrorLookup {
public:
  // The language of descriptions for calls without a session and for
  // sessions without a language of their own. Every interpretation of an
  // open's option string writes it; the last open wins.
  std::atomic<zumxl::LanguageId> defaultLanguage{zumxl::DefaultLanguage()};

  const ViStatus *elaborationOnlyCodes = kElaborationOnlyCodes;
  uint64_t elaborationOnlyCount = 1;

private:
  static constexpr ViStatus kElaborationOnlyCodes[1] = {ZUVEXA_ERROR_ELABORATION_ONLY};
};

// The one instance, built when the library is loaded.
tErrorLookup &ErrorLookup();

} // namespace dvlShared
