#include "Devices.h"

#include "Text.h"
#include "routing/DeviceProbe.h"
#include "routing/LogicalNameList.h"
#include "routing/ModelTable.h"
#include "routing/ModuleKinds.h"
#include "routing/ResourceResolution.h"
#include "routing/SysapiConnection.h"

namespace zuvexaclient {

namespace {

LookupFailure FailureOf(ViStatus status, const zurouting::Failure &failure) {
  const bool ours = failure.status == status && failure.Elaboration() != nullptr;
  return {status, ours ? failure.Elaboration() : ""};
}

ModuleInfo ModuleOf(uint32_t kind) {
  const zurouting::ModuleKindInfo *info = zurouting::FindModuleKind(kind);
  if (info == nullptr) return {kind, false, "", ""};
  return {kind, true, info->name, info->libraryFile};
}

// The model the lookup settled on and why: a simulated session's
// DriverSetup model, the default model, or the first row with the device's
// product identifier.
void ChooseModel(const zurouting::ProbeResult &result, ProbedResource &probe) {
  const zurouting::ModelRow *row = nullptr;
  zurouting::ModelRow fallback{};
  if (result.settings.simulate && result.settings.setup.model) {
    row = zurouting::FindModelByName(zurouting::ModelTable, result.settings.setup.model->c_str());
    probe.modelReason = "by DriverSetup Model";
  } else if (result.record.deviceName.empty()) {
    zurouting::DefaultModel(fallback);
    row = &fallback;
    probe.modelReason = "the default model of a simulated session";
  } else {
    row = zurouting::FindModelByProductId(zurouting::ModelTable, result.record.productId);
    probe.modelReason = "by the device's product identifier";
  }
  probe.model = row != nullptr ? row->modelCode : "?";
  probe.productId = result.record.productId;
}

} // namespace

std::string ModelOfProduct(uint64_t productId) {
  zurouting::DeviceRecord record;
  record.productId = productId;
  if (!zurouting::RouteDevice(zurouting::ModelTable, record)) return "";
  const zurouting::ModelRow *row = zurouting::FindModelByProductId(zurouting::ModelTable, record.productId);
  return row != nullptr ? row->modelCode : "";
}

ViStatus ListDevices(std::vector<ListedDevice> &devices, LookupFailure &failure) {
  zurouting::SysapiConnection connection;
  zurouting::Failure routingFailure;
  std::vector<zurouting::ListedDevice> listed;
  ViStatus status = connection.Open(routingFailure);
  if (status >= 0) status = connection.ListDevices(listed, routingFailure);
  if (status < 0) failure = FailureOf(status, routingFailure);
  devices.clear();
  for (const zurouting::ListedDevice &device : listed) {
    zurouting::DeviceRecord routed = device.record;
    const bool known = zurouting::RouteDevice(zurouting::ModelTable, routed);
    const ModuleInfo module = ModuleOf(routed.moduleKind);
    devices.push_back({Narrow(device.record.deviceIdentifier), device.alias, device.record.productId,
                       known ? ModelOfProduct(device.record.productId) : "",
                       known && module.known ? module.name : "", device.record.isSimulatedDevice});
  }
  return status;
}

LogicalNames ListLogicalNames() {
  zurouting::LogicalNames listed = zurouting::ListLogicalNames();
  const NameListing listing = listed.listing == zurouting::LogicalNameListing::Listed ? NameListing::Listed
                              : listed.listing == zurouting::LogicalNameListing::Failed
                                  ? NameListing::Failed
                                  : NameListing::NotOffered;
  return {listing, std::move(listed.names), listed.status};
}

bool ResolveLogicalName(const std::string &name, std::string &resource) {
  zurouting::ResolvedResource resolved;
  if (zurouting::ResolveThroughEngine(name.c_str(), "", resolved) < 0 || !resolved.isLogicalName)
    return false;
  resource = resolved.resourceName;
  return true;
}

ViStatus ProbeResource(const std::string &resource, const std::string &options, ProbedResource &probe,
                       LookupFailure &failure) {
  zurouting::ProbeResult result;
  zurouting::Failure routingFailure;
  const ViStatus status = zurouting::ProbeResource(resource.c_str(), options.c_str(), result, routingFailure);
  if (status < 0) {
    failure = FailureOf(status, routingFailure);
    return status;
  }
  const zurouting::DeviceRecord &record = result.record;
  probe = {};
  probe.simulated = result.settings.simulate;
  probe.hasDevice = !record.deviceName.empty();
  probe.deviceName = Narrow(record.deviceName);
  probe.deviceIdentifier = Narrow(record.deviceIdentifier);
  probe.backend = record.backendResourceText;
  probe.deviceSimulated = record.isSimulatedDevice;
  ChooseModel(result, probe);
  probe.module = ModuleOf(record.moduleKind);
  probe.allowMultipleSessions = record.allowMultipleSessions;
  return status;
}

} // namespace zuvexaclient
