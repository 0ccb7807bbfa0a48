// Finding the open normal session of a device by the device's name or
// alias. Like an open, a failure with a device taken from the cache is
// retried once after the cached device is forgotten.
#include "dvlShared/tErrorLookup.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/OpenFrame.h"
#include "redirector/api/SessionOpen.h"
#include "redirector/modules/DeviceLookup.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

// One attempt: resolve the device, then look for its normal session.
// existingVi is written only when both succeed without any warning of the
// device lookup.
ViStatus FindNormalSession(ViConstString resourceName, ViSession *existingVi, bool &fromCache) {
  dvlShared::DeviceRecord device;
  bool simulate = false;
  ViStatus resolved = zumodules::ResolveDevice(kDriverPrefix, resourceName, "", device,
                                               &zumodules::ModelTable, &zumodules::DefaultModel, simulate,
                                               fromCache, dvlShared::ErrorLookup().defaultLanguage);
  ViStatus status = VI_SUCCESS;
  if (MergeStatus(status, 0, resolved) < 0) return status;
  ViSession found = 0;
  if (MergeStatus(status, 0, Sessions().FindSessionByDevice(device.deviceIdentifier, kNormal, found)) < 0)
    return status;
  if (resolved == VI_SUCCESS) *existingVi = found;
  return status;
}

ViStatus FindWithRetry(ViConstString resourceName, ViSession *existingVi) {
  if (existingVi == nullptr) {
    RecordForThread(ZUVEXA_ERROR_NULL_POINTER);
    return ZUVEXA_ERROR_NULL_POINTER;
  }
  ErrorInfoSnapshot snapshot;
  ViStatus status = snapshot.Save();
  RecordForThread(status);
  if (status < 0) return status;
  bool fromCache = false;
  status = FindNormalSession(resourceName, existingVi, fromCache);
  if (status < 0 && fromCache) {
    ViStatus retry = PrepareRetry(resourceName, snapshot, status);
    status = retry == VI_SUCCESS ? FindNormalSession(resourceName, existingVi, fromCache) : retry;
  }
  return status;
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_GetViSessionByName(ViConstString resourceName, ViSession *existingVi) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_GetViSessionByName>(
        0, [&] { return FindWithRetry(resourceName, existingVi); }, resourceName, existingVi);
  });
}
