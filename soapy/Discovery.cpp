#include "Discovery.h"

#include <SoapySDR/Logger.hpp>

#include <strings.h>

#include "routing/ModelTable.h"
#include "routing/ResourceResolution.h"
#include "routing/SysapiConnection.h"

namespace zuvexasoapy {
namespace {

std::string Narrow(const std::wstring &text) { return std::string(text.begin(), text.end()); }

std::string Value(const SoapySDR::Kwargs &args, const char *key) {
  const auto found = args.find(key);
  return found == args.end() ? std::string() : found->second;
}

std::string ModelOf(uint64_t productId) {
  const zurouting::ModelRow *row =
      zurouting::FindModelByProductId(zurouting::ModelTable, zurouting::NormalizeProductId(productId));
  return row != nullptr ? row->modelCode : "";
}

SoapySDR::Kwargs DeviceResult(const zurouting::ListedDevice &device) {
  const std::string name = Narrow(device.record.deviceIdentifier);
  const std::string model = ModelOf(device.record.productId);
  const std::string resource = device.alias.empty() ? name : device.alias;
  std::string label = model.empty() ? std::string("analyzer") : model;
  label.append(" ").append(resource);
  SoapySDR::Kwargs result{{"driver", kDriverKey}, {"resource", resource}, {"device", name}, {"label", label}};
  if (!model.empty()) result.emplace("model", model);
  if (device.record.isSimulatedDevice) result.emplace("simulated", "1");
  return result;
}

bool Matches(const zurouting::ListedDevice &device, const std::string &wanted) {
  return wanted.empty() || strcasecmp(wanted.c_str(), device.alias.c_str()) == 0 ||
         strcasecmp(wanted.c_str(), Narrow(device.record.deviceIdentifier).c_str()) == 0;
}

void AddConfiguredDevices(const std::string &wanted, SoapySDR::KwargsList &results) {
  zurouting::Failure failure;
  zurouting::SysapiConnection connection;
  std::vector<zurouting::ListedDevice> devices;
  if (connection.Open(failure) < 0 || connection.ListDevices(devices, failure) < 0) {
    SoapySDR::logf(SOAPY_SDR_DEBUG, "zuvexa: no system configuration to list (%s)", failure.elaboration);
    return;
  }
  for (const zurouting::ListedDevice &device : devices)
    if (Matches(device, wanted)) results.push_back(DeviceResult(device));
}

void AddLogicalName(const std::string &name, SoapySDR::KwargsList &results) {
  zurouting::ResolvedResource resolved;
  if (zurouting::ResolveThroughEngine(name.c_str(), "", resolved) < 0 || !resolved.isLogicalName) return;
  results.push_back({{"driver", kDriverKey},
                     {"resource", name},
                     {"device", resolved.resourceName},
                     {"label", "logical name " + name}});
}

} // namespace

bool AsksForSimulation(const SoapySDR::Kwargs &args) {
  const std::string simulate = Value(args, "simulate");
  return simulate == "1" || strcasecmp(simulate.c_str(), "true") == 0;
}

std::string OptionString(const SoapySDR::Kwargs &args) {
  const std::string options = Value(args, "options");
  if (!AsksForSimulation(args)) return options;
  return options.empty() ? "Simulate=1" : "Simulate=1," + options;
}

SoapySDR::KwargsList FindAnalyzers(const SoapySDR::Kwargs &args) {
  SoapySDR::KwargsList results;
  const std::string resource = Value(args, "resource");
  if (AsksForSimulation(args)) {
    SoapySDR::Kwargs result{{"driver", kDriverKey}, {"simulate", "1"}, {"label", "simulated analyzer"}};
    if (!resource.empty()) result["resource"] = resource;
    if (args.count("options") != 0) result["options"] = Value(args, "options");
    results.push_back(result);
    return results;
  }
  AddConfiguredDevices(resource, results);
  if (results.empty() && !resource.empty()) AddLogicalName(resource, results);
  return results;
}

} // namespace zuvexasoapy
