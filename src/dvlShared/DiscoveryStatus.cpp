#include "dvlShared/DiscoveryStatus.h"

#include "platform/IviEngine.h"
#include "routing/DeviceSearch.h"
#include "status/StatusCodes.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"

namespace dvlShared {

ViStatus ReportSysapiFailure(sysapi::SysStatus failure) {
  zurouting::Failure described;
  return ReportFailure(zurouting::SysapiFailure(failure, described), described);
}

ViStatus ReportFailure(ViStatus status, const zurouting::Failure &failure) {
  if (failure.status < 0) Ivi_SetErrorInfo(0, VI_FALSE, failure.status, 0, failure.Elaboration());
  return status;
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
