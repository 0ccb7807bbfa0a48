// The settings of a logical name, read from a temporary IVI session, and the
// removal of a DriverSetup option that must not reach that session.
#include <strings.h>

#include <cstring>

#include "platform/IviEngine.h"
#include "routing/OptionParsing.h"
#include "routing/ResourceResolution.h"
#include "status/StatusCodes.h"

namespace zurouting {
namespace {

char *FindIgnoringCase(char *text, const char *word) {
  const size_t length = std::strlen(word);
  for (char *at = text; *at != '\0'; ++at)
    if (strncasecmp(at, word, length) == 0) return at;
  return nullptr;
}

} // namespace

ViStatus ReadLogicalNameSettings(const char *prefix, const char *optionString, bool &simulate,
                                 ViInt32 bufferSize, char *driverSetup) {
  if (driverSetup == nullptr) return ZUVEXA_ERROR_NULL_POINTER;
  if (bufferSize <= 0) return ZUVEXA_ERROR_INVALID_PARAMETER;
  driverSetup[0] = '\0';
  ViSession vi = 0;
  ViStatus status = Ivi_SpecificDriverNew(prefix, optionString, &vi);
  if (status < 0) {
    if (vi != 0) Ivi_Dispose(vi);
    return status;
  }
  simulate = Ivi_Simulating(vi) == 1;
  status = Ivi_GetAttributeViString(vi, nullptr, IVI_ATTR_DRIVER_SETUP, 0, bufferSize, driverSetup);
  if (status < 0) driverSetup[0] = '\0';
  driverSetup[bufferSize - 1] = '\0';
  Ivi_Dispose(vi);
  return status < 0 ? status : VI_SUCCESS;
}

void RemoveDriverSetupOption(char *optionString) {
  if (optionString == nullptr) return;
  char *option = FindIgnoringCase(optionString, "DriverSetup");
  if (option == nullptr) return;
  const char *comma = std::strchr(option, ',');
  if (comma == nullptr) {
    *option = '\0';
    return;
  }
  std::memmove(option, comma + 1, std::strlen(comma + 1) + 1);
}

} // namespace zurouting
