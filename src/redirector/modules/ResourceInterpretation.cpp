// Interpretation of an open's resource name and option string: the IVI
// engine tells logical names apart; plain names take their settings from the
// option string, logical names from a temporary IVI session.
#include <cstring>
#include <new>

#include "platform/IviEngine.h"
#include "redirector/modules/OptionEntries.h"
#include "redirector/modules/OptionString.h"
#include "status/StatusCodes.h"
#include "zu/dsc/MultibyteToWide.h"
#include "zuapal/zuapalerr.h"

namespace zumodules {
namespace {

using zumxl::LanguageId;

// The resource name and option string as the IVI engine returned them.
struct ResolvedResource {
  char resourceName[kEngineTextSize] = {};
  char optionString[kEngineTextSize] = {};
  bool isLogicalName = false;
};

void CopyCut(const char *text, char (&out)[kEngineTextSize]) {
  const size_t length = text == nullptr ? 0 : strnlen(text, kEngineTextSize - 1);
  if (length != 0) std::memcpy(out, text, length);
  out[length] = '\0';
}

ViStatus ResolveThroughEngine(const char *resourceName, const char *optionString,
                              ResolvedResource &resolved) {
  char optionCopy[kEngineTextSize];
  CopyCut(optionString, optionCopy);
  ViBoolean isLogicalName = VI_FALSE;
  // The engine only reads the resource name.
  const ViStatus status =
      Ivi_GetInfoFromResourceName(const_cast<ViRsrc>(resourceName), optionCopy,
                                  resolved.resourceName, resolved.optionString, &isLogicalName);
  resolved.resourceName[kEngineTextSize - 1] = '\0';
  resolved.optionString[kEngineTextSize - 1] = '\0';
  if (status < 0) return status;
  resolved.isLogicalName = isLogicalName != VI_FALSE;
  return VI_SUCCESS;
}

ViStatus ToDeviceName(const char *text, std::wstring &deviceName) {
  zuapal::StatusRecord status;
  zu::dsc::MultibyteToWide(text, std::strlen(text), deviceName, status);
  if (!status.isError()) return VI_SUCCESS;
  if (status.code == zuapalerr_memoryFull) return ZUVEXA_ERROR_OUT_OF_MEMORY;
  return static_cast<ViStatus>(status.code);
}

LanguageId LanguageOf(const DriverSetupRecord &setup) {
  if (!setup.language) return zumxl::DefaultLanguage();
  return zumxl::LanguageFromName(setup.language->c_str(), zumxl::kTwoLetter);
}

ViStatus SelectRecorded(std::atomic<LanguageId> &languageCell, LanguageId language) {
  const ViStatus status = SelectLanguage(languageCell, language);
  if (status < 0) return options::Report(0, status, nullptr);
  return status;
}

const char *TextOrNull(const std::optional<std::string> &text) {
  return text ? text->c_str() : nullptr;
}

ViStatus InterpretPlainName(const ResolvedResource &resolved, bool &simulate,
                            DriverSetupRecord &setup, std::atomic<LanguageId> &languageCell) {
  OptionRecord options;
  ViStatus status = ParseOptionString(0, resolved.optionString, options);
  if (status < 0) return status;
  simulate = options.simulate;
  status = ParseDriverSetup(0, TextOrNull(options.driverSetup), setup);
  if (status < 0) return status;
  return SelectRecorded(languageCell, LanguageOf(setup));
}

// The language comes from the caller's DriverSetup option. When that option
// holds nothing but the language it is removed, so that the logical name's
// configured DriverSetup stays in effect for the temporary session.
ViStatus SelectLogicalNameLanguage(char *optionString, std::atomic<LanguageId> &languageCell) {
  OptionRecord options;
  DriverSetupRecord setup;
  ViStatus status = ParseOptionString(0, optionString, options);
  if (status < 0) return status;
  status = ParseDriverSetup(0, TextOrNull(options.driverSetup), setup);
  if (status < 0) return status;
  if (setup.language && setup.entryCount == 1) RemoveDriverSetupOption(optionString);
  return SelectRecorded(languageCell, LanguageOf(setup));
}

ViStatus InterpretLogicalName(const char *prefix, ResolvedResource &resolved, bool &simulate,
                              DriverSetupRecord &setup, std::atomic<LanguageId> &languageCell) {
  ViStatus status = SelectLogicalNameLanguage(resolved.optionString, languageCell);
  if (status < 0) return status;
  char configuredSetup[kEngineTextSize] = {};
  status = ReadLogicalNameSettings(prefix, resolved.optionString, simulate, kEngineTextSize,
                                   configuredSetup);
  if (status < 0) return status;
  return ParseDriverSetup(0, configuredSetup, setup);
}

ViStatus Interpret(const char *prefix, const char *resourceName, const char *optionString,
                   std::wstring &deviceName, bool &simulate, DriverSetupRecord &setup,
                   std::atomic<LanguageId> &languageCell) {
  ResolvedResource resolved;
  ViStatus status = ResolveThroughEngine(resourceName, optionString, resolved);
  if (status < 0) return status;
  status = ToDeviceName(resolved.resourceName, deviceName);
  if (status < 0) return status;
  if (resolved.isLogicalName)
    return InterpretLogicalName(prefix, resolved, simulate, setup, languageCell);
  return InterpretPlainName(resolved, simulate, setup, languageCell);
}

} // namespace

ViStatus SelectLanguage(std::atomic<LanguageId> &languageCell, LanguageId language) {
  LanguageId selected = languageCell.load();
  const ViStatus status = zumxl::SetLanguage(selected, language);
  if (status < 0) return status;
  languageCell.store(selected);
  return VI_SUCCESS;
}

ViStatus InterpretResourceAndOptions(const char *prefix, const char *resourceName,
                                     const char *optionString, std::wstring &deviceName,
                                     bool &simulate, DriverSetupRecord &setup,
                                     std::atomic<LanguageId> &languageCell) {
  simulate = false;
  // The engine is not handed a null name: it may not check for one.
  if (resourceName == nullptr) return options::Report(0, ZUVEXA_ERROR_NULL_POINTER, nullptr);
  try {
    const ViStatus status =
        Interpret(prefix, resourceName, optionString, deviceName, simulate, setup, languageCell);
    return status < 0 ? status : VI_SUCCESS;
  } catch (const std::bad_alloc &) {
    return options::Report(0, ZUVEXA_ERROR_OUT_OF_MEMORY, nullptr);
  }
}

} // namespace zumodules
