#include "redirector/modules/DeviceLookup.h"

#include <new>
#include <string>

#include "dvlShared/DeviceSearch.h"
#include "dvlShared/DiscoveryStatus.h"
#include "redirector/modules/OptionString.h"
#include "status/StatusCodes.h"

namespace zumodules {
namespace {

using dvlShared::DeviceInfoStore;
using dvlShared::DeviceRecord;
using dvlShared::SysapiDiscovery;

constexpr char kStoreLockMessage[] = "Internal Error: Failed to initialize the device info store lock.";

struct Resolution {
  DeviceInfoStore &store;
  SysapiDiscovery &discovery;
  ModelTableAccessor table;
  DefaultModelAccessor defaultModel;
  std::wstring deviceName;
  bool simulate = false;
  DriverSetupRecord setup;
};

void ApplyAllowMultipleSessions(const Resolution &resolution, DeviceRecord &record) {
  if (resolution.setup.allowMultipleSessions) record.allowMultipleSessions = true;
}

// Every field but allowMultipleSessions.
void CopyDevice(const DeviceRecord &from, DeviceRecord &to) {
  to.deviceName = from.deviceName;
  to.deviceIdentifier = from.deviceIdentifier;
  to.backendResourceText = from.backendResourceText;
  to.moduleKind = from.moduleKind;
  to.productId = from.productId;
  to.isSimulatedDevice = from.isSimulatedDevice;
}

// Unless simulated, the status of a device that is not found, or whose
// model is not known (zurouting::NotFoundStatus).
ViStatus NotFoundUnlessSimulated(Resolution &resolution, sysapi::ISysFramework *framework,
                                 bool unknownProduct) {
  if (resolution.simulate) return VI_SUCCESS;
  bool pimlo = false;
  ViStatus status = resolution.discovery.PimloPresent(framework, pimlo);
  if (status < 0) return status;
  return zurouting::NotFoundStatus(pimlo, unknownProduct);
}

ViStatus NotFound(Resolution &resolution, sysapi::ISysFramework *framework, DeviceRecord &record) {
  if (!resolution.simulate) return NotFoundUnlessSimulated(resolution, framework, false);
  ViStatus status = ApplyDefaultModel(record, resolution.defaultModel);
  ApplyAllowMultipleSessions(resolution, record);
  return status < 0 ? status : VI_SUCCESS;
}

// A found device whose product has no row stays not found.
ViStatus RouteFound(Resolution &resolution, sysapi::ISysFramework *framework, DeviceRecord &device,
                    bool &found) {
  if (zurouting::RouteDevice(resolution.table, device)) return VI_SUCCESS;
  found = false;
  return NotFoundUnlessSimulated(resolution, framework, true);
}

// Looks the device up through the system configuration library and stores
// what was found.
ViStatus Discover(Resolution &resolution, DeviceRecord &record) {
  sysapi::ISysFramework *framework = nullptr;
  ViStatus status = resolution.discovery.GetFramework(framework);
  if (status < 0) return status;
  std::wstring expertList;
  if ((status = resolution.discovery.BuildExpertList(framework, expertList)) < 0) return status;

  DeviceRecord device;
  bool found = false;
  status = dvlShared::FindDevice(framework, expertList, resolution.deviceName, device, found);
  if (status >= 0 && found) status = RouteFound(resolution, framework, device, found);
  if (status < 0) return status;
  if (!found) return NotFound(resolution, framework, record);

  if ((status = resolution.store.Insert(device)) < 0) return status;
  CopyDevice(device, record);
  ApplyAllowMultipleSessions(resolution, record);
  return VI_SUCCESS;
}

ViStatus Resolve(Resolution &resolution, const char *prefix, const char *resourceName,
                 const char *optionString, DeviceRecord &record, bool &simulate, bool &fromCache,
                 std::atomic<zumxl::LanguageId> &languageCell) {
  if (ViStatus unusable = resolution.store.Usability(); unusable < 0)
    return dvlShared::ReportElaboration(unusable, kStoreLockMessage);

  ViStatus status = InterpretResourceAndOptions(prefix, resourceName, optionString, resolution.deviceName,
                                                simulate, resolution.setup, languageCell);
  if (status < 0) return status;
  resolution.simulate = simulate;

  bool resolved = false;
  status = ApplyModelOverride(resolution.deviceName, simulate, resolution.setup, record, resolution.table,
                              resolution.defaultModel, resolved);
  if (status < 0) return status;
  if (resolved) {
    // The library is loaded even for a simulated session with a known model.
    sysapi::ISysFramework *framework = nullptr;
    status = resolution.discovery.GetFramework(framework);
    return status < 0 ? status : VI_SUCCESS;
  }

  bool found = false;
  if ((status = resolution.store.LookUp(resolution.deviceName, record, found)) < 0) return status;
  if (found) {
    fromCache = true;
    ApplyAllowMultipleSessions(resolution, record);
    return VI_SUCCESS;
  }
  return Discover(resolution, record);
}

} // namespace

ViStatus ResolveDeviceWith(DeviceInfoStore &store, SysapiDiscovery &discovery, const char *prefix,
                           const char *resourceName, const char *optionString, DeviceRecord &record,
                           ModelTableAccessor table, DefaultModelAccessor defaultModel, bool &simulate,
                           bool &fromCache, std::atomic<zumxl::LanguageId> &languageCell) {
  fromCache = false;
  try {
    Resolution resolution{store, discovery, table, defaultModel, {}, false, {}};
    return Resolve(resolution, prefix, resourceName, optionString, record, simulate, fromCache, languageCell);
  } catch (const std::bad_alloc &) {
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  }
}

ViStatus ResolveDevice(const char *prefix, const char *resourceName, const char *optionString,
                       DeviceRecord &record, ModelTableAccessor table, DefaultModelAccessor defaultModel,
                       bool &simulate, bool &fromCache, std::atomic<zumxl::LanguageId> &languageCell) {
  return ResolveDeviceWith(dvlShared::DeviceStore(), dvlShared::Discovery(), prefix, resourceName,
                           optionString, record, table, defaultModel, simulate, fromCache, languageCell);
}

} // namespace zumodules
