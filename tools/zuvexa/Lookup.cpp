#include "Lookup.h"

#include <iostream>

#include "CommandLine.h"
#include "Commands.h"
#include "Report.h"
#include "TraceLog.h"
#include "routing/DeviceProbe.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

// The model the lookup settled on and why: a simulated session's
// DriverSetup model, the default model, or the first row with the device's
// product identifier.
void AddModel(const zurouting::ProbeResult &result, json &probe) {
  const zurouting::DeviceRecord &record = result.record;
  const zurouting::ModelRow *row = nullptr;
  zurouting::ModelRow fallback{};
  const char *why = "by the device's product identifier";
  if (result.settings.simulate && result.settings.setup.model) {
    row = zurouting::FindModelByName(zurouting::ModelTable, result.settings.setup.model->c_str());
    why = "by DriverSetup Model";
  } else if (record.deviceName.empty()) {
    zurouting::DefaultModel(fallback), row = &fallback;
    why = "the default model of a simulated session";
  } else {
    row = zurouting::FindModelByProductId(zurouting::ModelTable, record.productId);
  }
  probe["model"] = row != nullptr ? row->modelCode : "?";
  probe["productId"] = HexId(record.productId);
  probe["modelReason"] = why;
}

json ModuleJson(uint32_t kind) {
  const zurouting::ModuleKindInfo *info = zurouting::FindModuleKind(kind);
  if (info == nullptr) return {{"kind", kind}};
  std::string why;
  const auto path = LocateLibrary(info->libraryFile, why);
  return {{"kind", kind},
          {"name", info->name},
          {"library", info->libraryFile},
          {"path", path ? json(*path) : json(nullptr)}};
}

} // namespace

std::string Narrow(const std::wstring &wide) {
  std::string text;
  for (wchar_t unit : wide) text += static_cast<unsigned>(unit) < 0x80 ? static_cast<char>(unit) : '?';
  return text;
}

ViStatus ProbeToJson(const std::string &resource, const std::string &options, json &probe) {
  zurouting::ProbeResult result;
  zurouting::Failure failure;
  const ViStatus status = zurouting::ProbeResource(resource.c_str(), options.c_str(), result, failure);
  if (status < 0) {
    std::string text = DescribeStatus(VI_NULL, status);
    if (failure.status == status && failure.Elaboration() != nullptr)
      text += std::string(text.empty() ? "" : "\n") + failure.Elaboration();
    probe = {{"resource", resource},
             {"options", options},
             {"status", FormatStatus(status)},
             {"description", text}};
    return status;
  }
  const zurouting::DeviceRecord &record = result.record;
  probe = {{"resource", resource}, {"options", options}, {"simulated", result.settings.simulate}};
  probe["device"] = record.deviceName.empty() ? json(nullptr)
                                              : json{{"name", Narrow(record.deviceName)},
                                                     {"identifier", Narrow(record.deviceIdentifier)},
                                                     {"backend", record.backendResourceText},
                                                     {"simulated", record.isSimulatedDevice}};
  AddModel(result, probe);
  probe["module"] = ModuleJson(record.moduleKind);
  probe["allowMultipleSessions"] = record.allowMultipleSessions;
  return status;
}

int ReportLookupFailure(ViStatus status, const json &probe) {
  const std::string description = probe["description"].get<std::string>();
  zuvexaiq::Settings settings;
  settings.resourceName = probe["resource"].get<std::string>();
  settings.optionString = probe["options"].get<std::string>();
  std::cerr << "zuvexa: the lookup failed with status " << FormatStatus(status) << "\n"
            << zuvexaiq::IndentedDescription(description)
            << zuvexaiq::FailureHint(status, description, settings);
  return kExitFailure;
}

} // namespace zuvexacli
