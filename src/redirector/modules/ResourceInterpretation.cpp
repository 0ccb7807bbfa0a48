// Interpretation of an open's resource name and option string: routing/
// resolves them; here the device name is widened, failures are recorded and
// the language takes effect.
#include <cstring>
#include <new>

#include "platform/IviEngine.h"
#include "redirector/modules/OptionString.h"
#include "routing/ResourceResolution.h"
#include "status/StatusCodes.h"
#include "zu/dsc/MultibyteToWide.h"
#include "zuapal/zuapalerr.h"

namespace zumodules {
namespace {

using zumxl::LanguageId;

ViStatus Record(ViSession vi, ViStatus status, const char *elaboration) {
  Ivi_SetErrorInfo(vi, VI_FALSE, status, 0, elaboration);
  return status;
}

ViStatus Recorded(ViSession vi, ViStatus status, const zurouting::Failure &failure) {
  if (failure.status < 0) Record(vi, failure.status, failure.Elaboration());
  return status;
}

ViStatus ToDeviceName(const char *text, std::wstring &deviceName) {
  zuapal::StatusRecord status;
  zu::dsc::MultibyteToWide(text, std::strlen(text), deviceName, status);
  if (!status.isError()) return VI_SUCCESS;
  if (status.code == zuapalerr_memoryFull) return ZUVEXA_ERROR_OUT_OF_MEMORY;
  return static_cast<ViStatus>(status.code);
}

ViStatus Interpret(const char *prefix, const char *resourceName, const char *optionString,
                   std::wstring &deviceName, bool &simulate, DriverSetupRecord &setup,
                   std::atomic<LanguageId> &languageCell) {
  zurouting::ResolvedResource resolved;
  ViStatus status = zurouting::ResolveThroughEngine(resourceName, optionString, resolved);
  if (status < 0) return status;
  if ((status = ToDeviceName(resolved.resourceName, deviceName)) < 0) return status;
  zurouting::ResourceSettings settings;
  zurouting::Failure failure;
  status = zurouting::InterpretResolved(prefix, resolved, settings, failure);
  if (settings.languageChosen) languageCell.store(settings.language);
  simulate = settings.simulate;
  setup = std::move(settings.setup);
  return Recorded(0, status, failure);
}

} // namespace

ViStatus ParseOptionString(ViSession vi, const char *text, OptionRecord &options) {
  zurouting::Failure failure;
  return Recorded(vi, zurouting::ParseOptionString(text, options, failure), failure);
}

ViStatus ParseDriverSetup(ViSession vi, const char *text, DriverSetupRecord &setup) {
  zurouting::Failure failure;
  return Recorded(vi, zurouting::ParseDriverSetup(text, setup, failure), failure);
}

ViStatus SelectLanguage(std::atomic<LanguageId> &languageCell, LanguageId language) {
  LanguageId selected = languageCell.load();
  const ViStatus status = zumxl::SetLanguage(selected, language);
  if (status < 0) return status;
  languageCell.store(selected);
  return VI_SUCCESS;
}

ViStatus InterpretResourceAndOptions(const char *prefix, const char *resourceName, const char *optionString,
                                     std::wstring &deviceName, bool &simulate, DriverSetupRecord &setup,
                                     std::atomic<LanguageId> &languageCell) {
  simulate = false;
  // The engine is not handed a null name: it may not check for one.
  if (resourceName == nullptr) return Record(0, ZUVEXA_ERROR_NULL_POINTER, nullptr);
  try {
    const ViStatus status =
        Interpret(prefix, resourceName, optionString, deviceName, simulate, setup, languageCell);
    return status < 0 ? status : VI_SUCCESS;
  } catch (const std::bad_alloc &) {
    return Record(0, ZUVEXA_ERROR_OUT_OF_MEMORY, nullptr);
  }
}

} // namespace zumodules
