// zuvexa list: the devices of the system configuration and the logical
// names of the configuration store, each with the model and module an open
// would get.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "Lookup.h"
#include "Report.h"
#include "TraceLog.h"
#include "routing/ModelTable.h"
#include "routing/SysapiConnection.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

json ModelOfProduct(uint32_t productId) {
  zurouting::DeviceRecord record;
  record.productId = productId;
  if (!zurouting::RouteDevice(zurouting::ModelTable, record))
    return {{"model", nullptr}, {"module", nullptr}};
  const zurouting::ModelRow *row = zurouting::FindModelByProductId(zurouting::ModelTable, record.productId);
  const zurouting::ModuleKindInfo *module = zurouting::FindModuleKind(record.moduleKind);
  return {{"model", row != nullptr ? json(row->modelCode) : json(nullptr)},
          {"module", module != nullptr ? json(module->name) : json(nullptr)}};
}

ViStatus ListDevices(json &devices, zurouting::Failure &failure) {
  zurouting::SysapiConnection connection;
  std::vector<zurouting::ListedDevice> listed;
  ViStatus status = connection.Open(failure);
  if (status >= 0) status = connection.ListDevices(listed, failure);
  devices = json::array();
  for (const zurouting::ListedDevice &device : listed) {
    const zurouting::DeviceRecord &record = device.record;
    json entry = {{"name", Narrow(record.deviceIdentifier)},
                  {"alias", device.alias.empty() ? json(nullptr) : json(device.alias)},
                  {"productId", HexId(record.productId)},
                  {"simulated", record.isSimulatedDevice}};
    entry.update(ModelOfProduct(record.productId));
    devices.push_back(entry);
  }
  return status;
}

std::string Trimmed(const std::string &text) {
  const std::size_t start = text.find_first_not_of(" \t");
  return start == std::string::npos ? "" : text.substr(start, text.find_last_not_of(" \t") + 1 - start);
}

// The names and resources of the configuration store file
// (ZUVEXA_IVI_CONFIG): one entry a line, "name|resource|simulate|...", '#'
// starting a comment line. No variable (or an empty one) means no store; a
// file that cannot be read gives no names and a note on standard error, and
// the command goes on to list the devices.
std::vector<std::pair<std::string, std::string>> LogicalNames() {
  const char *path = std::getenv("ZUVEXA_IVI_CONFIG");
  std::vector<std::pair<std::string, std::string>> names;
  if (path == nullptr || *path == '\0') return names;
  errno = 0;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    const std::size_t bar = line.find('|'), second = line.find('|', bar + 1);
    const std::string name = Trimmed(line.substr(0, bar));
    if (name.empty() || name[0] == '#' || second == std::string::npos) continue;
    names.emplace_back(name, Trimmed(line.substr(bar + 1, second - bar - 1)));
  }
  if (file.is_open() && !file.bad()) return names;
  names.clear();
  std::cerr << "zuvexa list: cannot read the configuration store ZUVEXA_IVI_CONFIG=" << path << ": "
            << std::strerror(errno != 0 ? errno : EIO) << "; no logical names are listed\n";
  return names;
}

json ListLogicalNames() {
  json entries = json::array();
  for (const auto &[name, resource] : LogicalNames()) {
    json probe;
    if (ProbeToJson(name, "", probe) < 0) {
      entries.push_back({{"name", name}, {"error", probe["status"]}});
      continue;
    }
    entries.push_back({{"name", name},
                       {"resource", resource},
                       {"simulated", probe["simulated"]},
                       {"model", probe["model"]},
                       {"module", probe["module"].value("name", "")}});
  }
  return entries;
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
  std::printf("\nLogical names (ZUVEXA_IVI_CONFIG)\n");
  if (list["logicalNames"].empty()) std::printf("  none\n");
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
    json list;
    zurouting::Failure failure;
    const ViStatus status = ListDevices(list["devices"], failure);
    if (status < 0) {
      const std::string description = DescribeStatus(VI_NULL, status) + "\n" +
                                      (failure.Elaboration() != nullptr ? failure.Elaboration() : "");
      exitCode =
          ReportLookupFailure(status, {{"resource", ""}, {"options", ""}, {"description", description}});
      return;
    }
    list["logicalNames"] = ListLogicalNames();
    *asJson ? PrintJson(list) : PrintText(list);
    exitCode = kExitSuccess;
  });
}

} // namespace zuvexacli
