#include "dvlShared/DiscoveryStatus.h"

#include <cstdio>

#include "platform/IviEngine.h"
#include "status/StatusCodes.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"

namespace dvlShared {

namespace {
constexpr char kSysapiName[] = "ZU System API";
} // namespace

ViStatus ReportSysapiFailure(sysapi::SysStatus failure) {
  char message[256];
  std::snprintf(message, sizeof message, "Unexpected %s Error: %d.", kSysapiName,
                static_cast<int>(failure));
  return ReportElaboration(ZUVEXA_ERROR_CANNOT_RECOVER, message);
}

ViStatus ReportElaboration(ViStatus status, const char *message) {
  Ivi_SetErrorInfo(0, VI_FALSE, status, 0, message);
  return status;
}

ViStatus MapPlatformFailure(int64_t code) {
  if (code == zuapalerr_memoryFull) return ZUVEXA_ERROR_OUT_OF_MEMORY;
  return zumxl::MapErrorCode(static_cast<ViStatus>(code));
}

} // namespace dvlShared
