// The device list and the device of a resource, from the client library's
// listings: what the system configuration holds, and what an open of a
// resource leads to (model, module, simulation).
#include <cstdio>

#include "Devices.h"
#include "PanelSession.h"

namespace zuvexapanel {

namespace {

// `function`: the listing's call that failed.
nlohmann::json LookupFailure(const char *function, ViStatus status,
                             const zuvexaclient::LookupFailure &failure) {
  nlohmann::json answer = CallFailure(VI_NULL, function, status);
  if (failure.status == status && !failure.elaboration.empty())
    answer["description"] = answer["description"].get<std::string>() + " " + failure.elaboration;
  return {{"error", answer}};
}

} // namespace

nlohmann::json ListDevices() {
  nlohmann::json devices = nlohmann::json::array();
  devices.push_back({{"resource", ""}, {"options", "Simulate=1"}, {"label", "simulated analyzer"}});
  std::vector<zuvexaclient::ListedDevice> listed;
  zuvexaclient::LookupFailure failure;
  if (const ViStatus status = zuvexaclient::ListDevices(listed, failure); status < 0)
    return LookupFailure("zuvexaclient::ListDevices", status, failure);
  for (const zuvexaclient::ListedDevice &device : listed) {
    char id[24];
    std::snprintf(id, sizeof id, "0x%llX", static_cast<unsigned long long>(device.productId));
    const std::string &name = device.alias.empty() ? device.name : device.alias;
    devices.push_back(
        {{"resource", name}, {"options", ""}, {"label", name + " (" + device.name + ", " + id + ")"}});
  }
  return devices;
}

// {"device", "model", "module", "simulated"}, or {"error": ...}.
nlohmann::json DescribeDevice(const std::string &resource, const std::string &options) {
  zuvexaclient::ProbedResource probe;
  zuvexaclient::LookupFailure failure;
  if (const ViStatus status = zuvexaclient::ProbeResource(resource, options, probe, failure); status < 0)
    return LookupFailure("zuvexaclient::ProbeResource", status, failure);
  const zuvexaclient::ModuleInfo &module = probe.module;
  return {{"device", probe.hasDevice ? probe.deviceIdentifier : "none"},
          {"model", probe.model},
          {"module", module.known ? module.name + " (" + module.libraryFile + ")" : "?"},
          {"simulated", probe.simulated}};
}

} // namespace zuvexapanel
