// The option string of the open functions ("Name=Value,...") and its nested
// DriverSetup string ("Key:Value;..."), parsed into records.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "routing/Failure.h"
#include "routing/Languages.h"
#include "zuVEXAtypes.h"

namespace zurouting {

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

// Parse the text into the record; a failure comes with what to record in
// `failure`. A null or empty text changes nothing.
ViStatus ParseOptionString(const char *text, OptionRecord &options, Failure &failure);
ViStatus ParseDriverSetup(const char *text, DriverSetupRecord &setup, Failure &failure);

// The DriverSetup's language; English when it names none, the invalid
// language for an unknown two-letter name.
LanguageId LanguageOf(const DriverSetupRecord &setup);

// Deletes the first "DriverSetup" (any case) up to and including the next
// ",", or to the end of the text, in place.
void RemoveDriverSetupOption(char *optionString);

} // namespace zurouting
