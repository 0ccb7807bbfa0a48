#include "Lookup.h"

#include <iostream>

#include "CommandLine.h"
#include "Commands.h"
#include "Devices.h"
#include "Report.h"
#include "TraceLog.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

json ModuleJson(const zuvexaclient::ModuleInfo &module) {
  if (!module.known) return {{"kind", module.kind}};
  std::string why;
  const auto path = LocateLibrary(module.libraryFile, why);
  return {{"kind", module.kind},
          {"name", module.name},
          {"library", module.libraryFile},
          {"path", path ? json(*path) : json(nullptr)}};
}

} // namespace

std::string LookupDescription(const zuvexaclient::LookupFailure &failure) {
  std::string text = DescribeStatus(VI_NULL, failure.status);
  if (!failure.elaboration.empty()) text += (text.empty() ? "" : "\n") + failure.elaboration;
  return text;
}

ViStatus ProbeToJson(const std::string &resource, const std::string &options, json &probe) {
  zuvexaclient::ProbedResource result;
  zuvexaclient::LookupFailure failure;
  const ViStatus status = zuvexaclient::ProbeResource(resource, options, result, failure);
  if (status < 0) {
    probe = {{"resource", resource},
             {"options", options},
             {"status", FormatStatus(status)},
             {"description", LookupDescription(failure)}};
    return status;
  }
  probe = {{"resource", resource}, {"options", options}, {"simulated", result.simulated}};
  probe["device"] = !result.hasDevice ? json(nullptr)
                                      : json{{"name", result.deviceName},
                                             {"identifier", result.deviceIdentifier},
                                             {"backend", result.backend},
                                             {"simulated", result.deviceSimulated}};
  probe["model"] = result.model;
  probe["productId"] = HexId(result.productId);
  probe["modelReason"] = result.modelReason;
  probe["module"] = ModuleJson(result.module);
  probe["allowMultipleSessions"] = result.allowMultipleSessions;
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
