// zuvexa models: the routing table, the supported-model lists and which
// platform components this machine has.
#include <cstdio>
#include <iostream>

#include "Arguments.h"
#include "Commands.h"
#include "routing/ModelTable.h"

namespace zuvexacli {

namespace {

const char *const kUsage = "Usage: zuvexa models\n"
                           "Shows which instrument module serves each model (by the product identifier the\n"
                           "system configuration reports), the model lists per driver, and which module\n"
                           "and platform library files the dynamic loader finds on this machine.\n\n";

std::string ModuleName(zurouting::ModuleKind kind) {
  const zurouting::ModuleKindInfo *info = zurouting::FindModuleKind(kind);
  return info != nullptr ? std::string(info->name) + " (" + info->libraryFile + ")"
                         : "kind " + std::to_string(kind);
}

void PrintRoutingTable() {
  std::cout << "Model routing (a device is routed by the first row with its product identifier)\n"
            << "  model       product id   module\n";
  const zurouting::ModelRows rows = zurouting::ModelTable();
  for (const zurouting::ModelRow *row = rows.begin; row != rows.end; ++row) {
    char id[24] = "-";
    if (row->productId != 0)
      std::snprintf(id, sizeof id, "0x%llX", static_cast<unsigned long long>(row->productId));
    std::printf("  %-10s  %-11s  %s\n", row->modelCode, id, ModuleName(row->kind).c_str());
  }
  zurouting::ModelRow fallback{};
  zurouting::DefaultModel(fallback);
  std::cout << "  (\"-\": reached only by DriverSetup=Model:NAME in simulation, or as the default model)\n"
            << "Default model of a simulated session without a device: " << fallback.modelCode << ", "
            << ModuleName(fallback.kind) << "\n\n";
}

void PrintSupportedModels() {
  std::cout << "Supported models by driver\n";
  const zurouting::SupportedModelsRows rows = zurouting::SupportedModels();
  for (const zurouting::SupportedModelsRow *row = rows.begin; row != rows.end; ++row)
    std::cout << "  " << row->driverPrefix << ": " << row->modelList << "\n";
  std::cout << "\n";
}

void PrintLibrary(const std::string &label, const std::string &file, const char *absentNote) {
  std::string why;
  const auto path = LocateLibrary(file, why);
  std::printf("  %-26s %-26s %s\n", label.c_str(), file.c_str(),
              path ? path->c_str() : (std::string("not found") + absentNote).c_str());
}

void PrintInstalledFiles() {
  std::cout << "Files the dynamic loader finds for this process\n";
  for (zurouting::ModuleKind kind = 1; kind <= 6; ++kind)
    if (const zurouting::ModuleKindInfo *info = zurouting::FindModuleKind(kind))
      PrintLibrary(std::string("module ") + info->name, info->libraryFile, "");
  PrintLibrary("system configuration", "libzusysapi.so", " (no device can be looked up)");
  PrintLibrary("call tracing (optional)", "libZuPeekLog.so", "");
  PrintLibrary("relocation (optional)", "libzurelocations.so.0", "");
}

} // namespace

int RunModels(const Words &arguments) {
  ParsedArguments parsed;
  if (const auto done = ReadCommandLine("models", arguments, {}, kUsage, parsed)) return *done;
  if (!parsed.positional.empty())
    return UsageError("models", "unexpected argument \"" + parsed.positional.front() + "\"");
  PrintRoutingTable();
  PrintSupportedModels();
  PrintInstalledFiles();
  return kExitSuccess;
}

} // namespace zuvexacli
