// What the resource name and option string of an open ask for: the IVI
// engine tells logical names apart; plain names take their settings from the
// option string, logical names from a temporary IVI session that is disposed
// of before returning. Nothing is recorded or kept.
#pragma once

#include "routing/Failure.h"
#include "routing/Languages.h"
#include "routing/OptionParsing.h"
#include "zuVEXAtypes.h"

namespace zurouting {

// The resource name and option string as the IVI engine returned them.
struct ResolvedResource {
  char resourceName[kEngineTextSize] = {};
  char optionString[kEngineTextSize] = {};
  bool isLogicalName = false;
};

// Asks the IVI engine; its failure is returned as it is.
ViStatus ResolveThroughEngine(const char *resourceName, const char *optionString, ResolvedResource &resolved);

struct ResourceSettings {
  bool simulate = false;
  DriverSetupRecord setup;
  LanguageId language = DefaultLanguage();
  bool languageChosen = false; // the language is valid and takes effect, even when a later step fails
};

// The settings of a resolved resource. A failure to be recorded comes in
// `failure` (an invalid language as ZUVEXA_ERROR_INVALID_LANGUAGE); the
// engine's own failures are returned as they are. For a logical name a
// DriverSetup holding nothing but the language is removed from
// `resolved.optionString`, so that the name's configured DriverSetup stays
// in effect.
ViStatus InterpretResolved(const char *prefix, ResolvedResource &resolved, ResourceSettings &settings,
                           Failure &failure);

// Simulation flag and configured DriverSetup of the logical name the calling
// thread resolved last, read from a temporary IVI session.
ViStatus ReadLogicalNameSettings(const char *prefix, const char *optionString, bool &simulate,
                                 ViInt32 bufferSize, char *driverSetup);

} // namespace zurouting
