#include "Discovery.h"

#include <SoapySDR/Logger.hpp>

#include <strings.h>

#include "Devices.h"

namespace zuvexasoapy {
namespace {

std::string Value(const SoapySDR::Kwargs &args, const char *key) {
  const auto found = args.find(key);
  return found == args.end() ? std::string() : found->second;
}

SoapySDR::Kwargs DeviceResult(const zuvexaclient::ListedDevice &device) {
  const std::string resource = device.alias.empty() ? device.name : device.alias;
  std::string label = device.model.empty() ? std::string("analyzer") : device.model;
  label.append(" ").append(resource);
  SoapySDR::Kwargs result{
      {"driver", kDriverKey}, {"resource", resource}, {"device", device.name}, {"label", label}};
  if (!device.model.empty()) result.emplace("model", device.model);
  if (device.simulated) result.emplace("simulated", "1");
  return result;
}

bool Matches(const zuvexaclient::ListedDevice &device, const std::string &wanted) {
  return wanted.empty() || strcasecmp(wanted.c_str(), device.alias.c_str()) == 0 ||
         strcasecmp(wanted.c_str(), device.name.c_str()) == 0;
}

void AddConfiguredDevices(const std::string &wanted, SoapySDR::KwargsList &results) {
  std::vector<zuvexaclient::ListedDevice> devices;
  zuvexaclient::LookupFailure failure;
  if (zuvexaclient::ListDevices(devices, failure) < 0) {
    SoapySDR::logf(SOAPY_SDR_DEBUG, "zuvexa: no system configuration to list (%s)",
                   failure.elaboration.c_str());
    return;
  }
  for (const zuvexaclient::ListedDevice &device : devices)
    if (Matches(device, wanted)) results.push_back(DeviceResult(device));
}

void AddLogicalName(const std::string &name, SoapySDR::KwargsList &results) {
  std::string resource;
  if (!zuvexaclient::ResolveLogicalName(name, resource)) return;
  results.push_back(
      {{"driver", kDriverKey}, {"resource", name}, {"device", resource}, {"label", "logical name " + name}});
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
