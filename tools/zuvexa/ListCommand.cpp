// zuvexa list: the devices of the system configuration and the logical
// names the IVI engine lists, each with the model and module an open would
// get.
#include <iostream>

#include "Commands.h"
#include "Devices.h"
#include "Lookup.h"
#include "Report.h"
#include "TraceLog.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

json OrNull(const std::string &text) { return text.empty() ? json(nullptr) : json(text); }

json DevicesJson(const std::vector<zuvexaclient::ListedDevice> &listed) {
  json devices = json::array();
  for (const zuvexaclient::ListedDevice &device : listed)
    devices.push_back({{"name", device.name},
                       {"alias", OrNull(device.alias)},
                       {"productId", HexId(device.productId)},
                       {"simulated", device.simulated},
                       {"model", OrNull(device.model)},
                       {"module", OrNull(device.module)}});
  return devices;
}

json LogicalNameJson(const std::string &name) {
  json probe;
  if (ProbeToJson(name, "", probe) < 0) return {{"name", name}, {"error", probe["status"]}};
  std::string resource;
  zuvexaclient::ResolveLogicalName(name, resource);
  return {{"name", name},
          {"resource", resource},
          {"simulated", probe["simulated"]},
          {"model", probe["model"]},
          {"module", probe["module"].value("name", "")}};
}

// "logicalNames" (empty when there is no list) and "logicalNamesListed":
// true, or why there is no list.
void AddLogicalNames(json &list) {
  const zuvexaclient::LogicalNames names = zuvexaclient::ListLogicalNames();
  list["logicalNames"] = json::array();
  for (const std::string &name : names.names) list["logicalNames"].push_back(LogicalNameJson(name));
  switch (names.listing) {
  case zuvexaclient::NameListing::Listed:
    list["logicalNamesListed"] = true;
    break;
  case zuvexaclient::NameListing::NotOffered:
    list["logicalNamesListed"] = "the IVI engine offers no list of its logical names";
    break;
  case zuvexaclient::NameListing::Failed:
    list["logicalNamesListed"] = "the IVI engine's list failed with status " + FormatStatus(names.status);
    break;
  }
}

std::string Text(const json &value) { return value.is_null() ? "-" : value.get<std::string>(); }

void PrintText(const json &list) {
  std::printf("Devices (system configuration)\n  %-14s %-14s %-12s %-7s %s\n", "name", "alias", "product id",
              "model", "module");
  for (const json &device : list["devices"])
    std::printf("  %-14s %-14s %-12s %-7s %-7s %s\n", Text(device["name"]).c_str(),
                Text(device["alias"]).c_str(), Text(device["productId"]).c_str(),
                Text(device["model"]).c_str(), Text(device["module"]).c_str(),
                device["simulated"].get<bool>() ? "simulated" : "");
  std::printf("\nLogical names (IVI engine)\n");
  if (!list["logicalNamesListed"].is_boolean())
    std::printf("  not listed: %s\n", list["logicalNamesListed"].get<std::string>().c_str());
  else if (list["logicalNames"].empty())
    std::printf("  none\n");
  for (const json &name : list["logicalNames"])
    if (name.contains("error"))
      std::printf("  %-14s lookup failed: %s\n", Text(name["name"]).c_str(), Text(name["error"]).c_str());
    else
      std::printf("  %-14s -> %-14s %-7s %-7s %s\n", Text(name["name"]).c_str(),
                  Text(name["resource"]).c_str(), Text(name["model"]).c_str(), Text(name["module"]).c_str(),
                  name["simulated"].get<bool>() ? "simulated" : "");
}

} // namespace

void AddListCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("list", "configured devices and logical names, with model and module");
  auto asJson = std::make_shared<bool>(false);
  command->add_flag("--json", *asJson, "one JSON document on standard output");
  command->callback([&exitCode, asJson] {
    std::vector<zuvexaclient::ListedDevice> devices;
    zuvexaclient::LookupFailure failure;
    if (const ViStatus status = zuvexaclient::ListDevices(devices, failure); status < 0) {
      exitCode = ReportLookupFailure(
          status, {{"resource", ""}, {"options", ""}, {"description", LookupDescription(failure)}});
      return;
    }
    json list = {{"devices", DevicesJson(devices)}};
    AddLogicalNames(list);
    *asJson ? PrintJson(list) : PrintText(list);
    exitCode = kExitSuccess;
  });
}

} // namespace zuvexacli
