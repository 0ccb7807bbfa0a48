// The resource name and option string of the open functions: IVI option
// keywords, the nested DriverSetup string, logical names resolved through the
// IVI engine, and the process-wide error language chosen by the DriverSetup.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "zuVEXAtypes.h"
#include "zumxl/mxlate.h"

namespace zumodules {

// The driver prefix handed to the IVI engine.
inline constexpr const char *kDriverPrefix = "zuVEXA";
// Size of the text buffers exchanged with the IVI engine.
inline constexpr ViInt32 kEngineTextSize = 256;

// Settings of the option string. Only `simulate` and `driverSetup` are used
// further; the other flags are parsed and validated.
struct OptionRecord {
  bool simulate = false, rangeCheck = true, recordCoercions = false, queryInstrumentStatus = false,
       cache = true, interchangeCheck = false;
  std::optional<std::string> driverSetup;
};

// Settings of the DriverSetup string.
struct DriverSetupRecord {
  std::optional<std::string> model, language;
  bool sfpSessionAccessGiven = false, sfpSessionAccess = false;
  uint32_t entryCount = 0; // entries with a non-empty key, known or not
  bool debugSession = false, allowMultipleSessions = false;
};

// Parse "Name=Value,..." / "Key:Value;..." into the record. `vi` is the
// session the errors are recorded for (0 before a session exists). A null or
// empty text changes nothing.
ViStatus ParseOptionString(ViSession vi, const char *text, OptionRecord &options);
ViStatus ParseDriverSetup(ViSession vi, const char *text, DriverSetupRecord &setup);

// Interprets the resource name and option string of an open: the device name
// to look up, the simulation flag, the DriverSetup settings, and the error
// language stored in `languageCell` on success (English when the DriverSetup
// names none).
ViStatus InterpretResourceAndOptions(const char *prefix, const char *resourceName,
                                     const char *optionString, std::wstring &deviceName,
                                     bool &simulate, DriverSetupRecord &setup,
                                     std::atomic<zumxl::LanguageId> &languageCell);

// Simulation flag and configured DriverSetup of the logical name the calling
// thread resolved last, read from a temporary IVI session.
ViStatus ReadLogicalNameSettings(const char *prefix, const char *optionString, bool &simulate,
                                 ViInt32 bufferSize, char *driverSetup);

// Deletes the first "DriverSetup" (any case) up to and including the next
// ",", or to the end of the text, in place.
void RemoveDriverSetupOption(char *optionString);

// ZUVEXA_ERROR_INVALID_LANGUAGE for the invalid language; otherwise stores it
// and returns 0.
ViStatus SelectLanguage(std::atomic<zumxl::LanguageId> &languageCell, zumxl::LanguageId language);

} // namespace zumodules
