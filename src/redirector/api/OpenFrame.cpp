#include "redirector/api/OpenFrame.h"

#include "platform/IviEngine.h"
#include "redirector/modules/DeviceLookup.h"

namespace zuapi {

void RecordForThread(ViStatus status) {
  if (status != 0) Ivi_SetErrorInfo(0, VI_FALSE, status, 0, nullptr);
}

ViStatus PrepareRetry(ViConstString resourceName, const ErrorInfoSnapshot &snapshot, ViStatus coreStatus) {
  if (dvlShared::ForgetDevice(resourceName) != VI_SUCCESS) return coreStatus;
  ViStatus restored = snapshot.Restore();
  RecordForThread(restored);
  return restored < 0 ? restored : VI_SUCCESS;
}

} // namespace zuapi
