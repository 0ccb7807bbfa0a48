// zuvexa models: the routing table, the models each module serves by that
// table, the supported-model texts of the drivers (with the models the
// table routes elsewhere marked), and which platform files this machine has.
#include <cstdio>
#include <iostream>
#include <regex>

#include "Commands.h"
#include "routing/ModelTable.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

json ModuleJson(zurouting::ModuleKind kind) {
  const zurouting::ModuleKindInfo *info = zurouting::FindModuleKind(kind);
  if (info == nullptr) return {{"kind", kind}};
  return {{"kind", kind}, {"name", info->name}, {"library", info->libraryFile}};
}

json RoutingJson() {
  json rows = json::array();
  const zurouting::ModelRows table = zurouting::ModelTable();
  for (const zurouting::ModelRow *row = table.begin; row != table.end; ++row)
    rows.push_back({{"model", row->modelCode},
                    {"productId", row->productId != 0 ? json(HexId(row->productId)) : json(nullptr)},
                    {"module", ModuleJson(row->kind)}});
  return rows;
}

// The model codes of a supported-models text, each with the module kind the
// routing table gives it.
json SupportedJson() {
  json drivers = json::array();
  const std::regex code("Q[0-9]+");
  const zurouting::SupportedModelsRows rows = zurouting::SupportedModels();
  for (const zurouting::SupportedModelsRow *row = rows.begin; row != rows.end; ++row) {
    json elsewhere = json::array();
    const std::string text = row->modelList;
    for (std::sregex_iterator it(text.begin(), text.end(), code), end; it != end; ++it) {
      const zurouting::ModelRow *model = zurouting::FindModelByName(zurouting::ModelTable, it->str().c_str());
      if (model != nullptr && model->kind != row->kind && !elsewhere.contains(it->str()))
        elsewhere.push_back({{"model", it->str()}, {"module", ModuleJson(model->kind)}});
    }
    drivers.push_back({{"driver", row->driverPrefix},
                       {"module", ModuleJson(row->kind)},
                       {"models", row->modelList},
                       {"routedElsewhere", elsewhere}});
  }
  return drivers;
}

json FilesJson() {
  std::vector<std::pair<std::string, std::string>> files;
  for (zurouting::ModuleKind kind = 1; kind <= 6; ++kind)
    if (const zurouting::ModuleKindInfo *info = zurouting::FindModuleKind(kind))
      files.emplace_back(std::string("module ") + info->name, info->libraryFile);
  files.insert(files.end(), {{"system configuration", "libzusysapi.so"},
                             {"call tracing (optional)", "libZuPeekLog.so"},
                             {"relocation (optional)", "libzurelocations.so.0"}});
  json found = json::array();
  for (const auto &[label, file] : files) {
    std::string why;
    const auto path = LocateLibrary(file, why);
    found.push_back({{"label", label}, {"file", file}, {"path", path ? json(*path) : json(nullptr)}});
  }
  return found;
}

std::string ModuleText(const json &module) {
  return module.contains("name")
             ? module["name"].get<std::string>() + " (" + module["library"].get<std::string>() + ")"
             : "kind " + module["kind"].dump();
}

void PrintText(const json &models) {
  std::printf("Model routing (a device is routed by the first row with its product identifier)\n"
              "  model       product id   module\n");
  for (const json &row : models["routing"])
    std::printf("  %-10s  %-11s  %s\n", row["model"].get<std::string>().c_str(),
                row["productId"].is_null() ? "-" : row["productId"].get<std::string>().c_str(),
                ModuleText(row["module"]).c_str());
  std::printf("  (\"-\": reached only by DriverSetup=Model:NAME in simulation, or as the default model)\n"
              "Default model of a simulated session without a device: %s, %s\n\n"
              "Supported-models text of each driver\n",
              models["defaultModel"]["model"].get<std::string>().c_str(),
              ModuleText(models["defaultModel"]["module"]).c_str());
  for (const json &driver : models["supportedModels"]) {
    std::printf("  %s: %s\n", driver["driver"].get<std::string>().c_str(),
                driver["models"].get<std::string>().c_str());
    for (const json &model : driver["routedElsewhere"])
      std::printf("    (%s is routed to %s)\n", model["model"].get<std::string>().c_str(),
                  ModuleText(model["module"]).c_str());
  }
  std::printf("\nFiles the dynamic loader finds for this process\n");
  for (const json &file : models["files"])
    std::printf("  %-26s %-26s %s\n", file["label"].get<std::string>().c_str(),
                file["file"].get<std::string>().c_str(),
                file["path"].is_null() ? "not found" : file["path"].get<std::string>().c_str());
}

} // namespace

void AddModelsCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("models", "model routing table, models per driver, installed module files");
  command->footer("Shows which instrument module serves each model (by the product identifier the\n"
                  "system configuration reports), the drivers' supported-model texts, and which\n"
                  "module and platform library files the dynamic loader finds on this machine.");
  auto asJson = std::make_shared<bool>(false);
  command->add_flag("--json", *asJson, "one JSON document on standard output");
  command->callback([&exitCode, asJson] {
    zurouting::ModelRow fallback{};
    zurouting::DefaultModel(fallback);
    const json models = {
        {"routing", RoutingJson()},
        {"defaultModel", {{"model", fallback.modelCode}, {"module", ModuleJson(fallback.kind)}}},
        {"supportedModels", SupportedJson()},
        {"files", FilesJson()}};
    *asJson ? PrintJson(models) : PrintText(models);
    exitCode = kExitSuccess;
  });
}

} // namespace zuvexacli
