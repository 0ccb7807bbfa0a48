#include "routing/ResourceResolution.h"

#include <cstring>

#include "platform/IviEngine.h"
#include "status/StatusCodes.h"

namespace zurouting {
namespace {

void CopyCut(const char *text, char (&out)[kEngineTextSize]) {
  const size_t length = text == nullptr ? 0 : strnlen(text, kEngineTextSize - 1);
  if (length != 0) std::memcpy(out, text, length);
  out[length] = '\0';
}

const char *TextOrNull(const std::optional<std::string> &text) { return text ? text->c_str() : nullptr; }

ViStatus ChooseLanguage(const DriverSetupRecord &setup, ResourceSettings &settings, Failure &failure) {
  const ViStatus status = SetLanguage(settings.language, LanguageOf(setup));
  if (status < 0) return failure.Set(status, nullptr);
  settings.languageChosen = true;
  return VI_SUCCESS;
}

ViStatus InterpretPlainName(const ResolvedResource &resolved, ResourceSettings &settings, Failure &failure) {
  OptionRecord options;
  ViStatus status = ParseOptionString(resolved.optionString, options, failure);
  if (status < 0) return status;
  settings.simulate = options.simulate;
  status = ParseDriverSetup(TextOrNull(options.driverSetup), settings.setup, failure);
  if (status < 0) return status;
  return ChooseLanguage(settings.setup, settings, failure);
}

// The language comes from the caller's DriverSetup option, the rest from
// the logical name's configuration.
ViStatus InterpretLogicalName(const char *prefix, ResolvedResource &resolved, ResourceSettings &settings,
                              Failure &failure) {
  OptionRecord options;
  DriverSetupRecord callerSetup;
  ViStatus status = ParseOptionString(resolved.optionString, options, failure);
  if (status < 0) return status;
  status = ParseDriverSetup(TextOrNull(options.driverSetup), callerSetup, failure);
  if (status < 0) return status;
  if (callerSetup.language && callerSetup.entryCount == 1) RemoveDriverSetupOption(resolved.optionString);
  if ((status = ChooseLanguage(callerSetup, settings, failure)) < 0) return status;

  char configuredSetup[kEngineTextSize] = {};
  status = ReadLogicalNameSettings(prefix, resolved.optionString, settings.simulate, kEngineTextSize,
                                   configuredSetup);
  if (status < 0) return status;
  return ParseDriverSetup(configuredSetup, settings.setup, failure);
}

} // namespace

ViStatus ResolveThroughEngine(const char *resourceName, const char *optionString,
                              ResolvedResource &resolved) {
  char optionCopy[kEngineTextSize];
  CopyCut(optionString, optionCopy);
  ViBoolean isLogicalName = VI_FALSE;
  // The engine only reads the resource name.
  const ViStatus status =
      Ivi_GetInfoFromResourceName(const_cast<ViRsrc>(resourceName), optionCopy, resolved.resourceName,
                                  resolved.optionString, &isLogicalName);
  resolved.resourceName[kEngineTextSize - 1] = '\0';
  resolved.optionString[kEngineTextSize - 1] = '\0';
  if (status < 0) return status;
  resolved.isLogicalName = isLogicalName != VI_FALSE;
  return VI_SUCCESS;
}

LanguageId LanguageOf(const DriverSetupRecord &setup) {
  if (!setup.language) return DefaultLanguage();
  return LanguageFromName(setup.language->c_str(), kTwoLetter);
}

ViStatus InterpretResolved(const char *prefix, ResolvedResource &resolved, ResourceSettings &settings,
                           Failure &failure) {
  const ViStatus status = resolved.isLogicalName ? InterpretLogicalName(prefix, resolved, settings, failure)
                                                 : InterpretPlainName(resolved, settings, failure);
  return status < 0 ? status : VI_SUCCESS;
}

} // namespace zurouting
