// The resource name and option string of the open functions, as the modules
// use them: the parsing of routing/ with its failures recorded for a
// session, and the process-wide error language chosen by the DriverSetup.
#pragma once

#include <atomic>
#include <string>

#include "routing/OptionParsing.h"
#include "routing/ResourceResolution.h"
#include "zuVEXAtypes.h"
#include "zumxl/mxlate.h"

namespace zumodules {

using zurouting::DriverSetupRecord;
using zurouting::kDriverPrefix;
using zurouting::kEngineTextSize;
using zurouting::OptionRecord;
using zurouting::ReadLogicalNameSettings;
using zurouting::RemoveDriverSetupOption;

// zurouting's parsers; a failure is recorded for `vi` (0 before a session
// exists).
ViStatus ParseOptionString(ViSession vi, const char *text, OptionRecord &options);
ViStatus ParseDriverSetup(ViSession vi, const char *text, DriverSetupRecord &setup);

// Interprets the resource name and option string of an open: the device name
// to look up, the simulation flag, the DriverSetup settings, and the error
// language stored in `languageCell` on success (English when the DriverSetup
// names none). Failures are recorded for the calling thread.
ViStatus InterpretResourceAndOptions(const char *prefix, const char *resourceName, const char *optionString,
                                     std::wstring &deviceName, bool &simulate, DriverSetupRecord &setup,
                                     std::atomic<zumxl::LanguageId> &languageCell);

// ZUVEXA_ERROR_INVALID_LANGUAGE for the invalid language; otherwise stores it
// and returns 0.
ViStatus SelectLanguage(std::atomic<zumxl::LanguageId> &languageCell, zumxl::LanguageId language);

} // namespace zumodules
