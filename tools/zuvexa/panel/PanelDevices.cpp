// The device list and the device of a resource, with the library's routing
// component: what the system configuration holds, and what an open of a
// resource leads to (model, module, simulation), without a second copy of
// the library's state.
#include <cstdio>

#include "PanelSession.h"
#include "routing/DeviceProbe.h"
#include "routing/ModuleKinds.h"
#include "routing/SysapiConnection.h"

namespace zuvexapanel {

namespace {

// `function`: the routing helper's call that failed.
nlohmann::json LookupFailure(const char *function, ViStatus status, const zurouting::Failure &failure) {
  nlohmann::json answer = CallFailure(VI_NULL, function, status);
  if (failure.status == status && failure.Elaboration() != nullptr)
    answer["description"] = answer["description"].get<std::string>() + " " + failure.Elaboration();
  return {{"error", answer}};
}

const char *ModelCode(const zurouting::ProbeResult &result) {
  const zurouting::DriverSetupRecord &setup = result.settings.setup;
  if (result.settings.simulate && setup.model)
    if (const zurouting::ModelRow *row =
            zurouting::FindModelByName(zurouting::ModelTable, setup.model->c_str()))
      return row->modelCode;
  if (result.record.deviceName.empty()) {
    static zurouting::ModelRow fallback{};
    zurouting::DefaultModel(fallback);
    return fallback.modelCode;
  }
  const zurouting::ModelRow *row =
      zurouting::FindModelByProductId(zurouting::ModelTable, result.record.productId);
  return row != nullptr ? row->modelCode : "?";
}

std::string Narrow(const std::wstring &wide) {
  std::string text;
  for (wchar_t unit : wide) text += static_cast<unsigned>(unit) < 0x80 ? static_cast<char>(unit) : '?';
  return text;
}

} // namespace

nlohmann::json ListDevices() {
  nlohmann::json devices = nlohmann::json::array();
  devices.push_back({{"resource", ""}, {"options", "Simulate=1"}, {"label", "simulated analyzer"}});
  zurouting::SysapiConnection connection;
  zurouting::Failure failure;
  std::vector<zurouting::ListedDevice> listed;
  if (const ViStatus status = connection.Open(failure); status < 0)
    return LookupFailure("zurouting::SysapiConnection::Open", status, failure);
  if (const ViStatus status = connection.ListDevices(listed, failure); status < 0)
    return LookupFailure("zurouting::SysapiConnection::ListDevices", status, failure);
  for (const zurouting::ListedDevice &device : listed) {
    char id[24];
    std::snprintf(id, sizeof id, "0x%llX", static_cast<unsigned long long>(device.record.productId));
    const std::string identifier = Narrow(device.record.deviceIdentifier);
    const std::string &name = device.alias.empty() ? identifier : device.alias;
    devices.push_back(
        {{"resource", name}, {"options", ""}, {"label", name + " (" + identifier + ", " + id + ")"}});
  }
  return devices;
}

// {"device", "model", "module", "simulated"}, or {"error": ...}.
nlohmann::json DescribeDevice(const std::string &resource, const std::string &options) {
  zurouting::ProbeResult result;
  zurouting::Failure failure;
  const ViStatus status = zurouting::ProbeResource(resource.c_str(), options.c_str(), result, failure);
  if (status < 0) return LookupFailure("zurouting::ProbeResource", status, failure);
  const zurouting::ModuleKindInfo *module = zurouting::FindModuleKind(result.record.moduleKind);
  return {{"device", result.record.deviceName.empty() ? "none" : Narrow(result.record.deviceIdentifier)},
          {"model", ModelCode(result)},
          {"module", module != nullptr ? std::string(module->name) + " (" + module->libraryFile + ")" : "?"},
          {"simulated", result.settings.simulate}};
}

} // namespace zuvexapanel
