#include "Configuration.h"

#include <algorithm>

#include "WideText.h"
#include "platform/SysapiInterfaces.h"

namespace sysapistandin {
namespace {

template <class Value> std::optional<PropertyValue> Present(const std::optional<Value> &value) {
  if (!value) return std::nullopt;
  return PropertyValue{*value};
}

auto DeviceNamed(std::wstring_view name) {
  return [name](const DevicePtr &device) { return EqualsIgnoringCase(device->resourceName, name); };
}

auto ExpertNamed(std::wstring_view name) {
  return [name](const std::wstring &expert) { return EqualsIgnoringCase(expert, name); };
}

} // namespace

std::optional<PropertyValue> PropertyOf(const DeviceConfig &device, uint32_t id) {
  switch (id) {
  case sysapi::kPropResourceName:
    return PropertyValue{device.resourceName};
  case sysapi::kPropAlias:
    return Present(device.alias);
  case sysapi::kPropBackendResource:
    return Present(device.backend);
  case sysapi::kPropProductId:
    if (!device.productId) return std::nullopt;
    return PropertyValue{static_cast<int32_t>(*device.productId)};
  case sysapi::kPropIsSimulated:
    return PropertyValue{device.simulated};
  case sysapi::kPropHidden:
    return Present(device.hidden);
  case sysapi::kPropExcluded:
    if (!device.excluded) return std::nullopt;
    return PropertyValue{int32_t{1}};
  default:
    return std::nullopt;
  }
}

void Configuration::AddDevice(DevicePtr device) {
  auto existing = std::ranges::find_if(devices, DeviceNamed(device->resourceName));
  if (existing != devices.end()) {
    *existing = std::move(device);
  } else {
    devices.push_back(std::move(device));
  }
}

bool Configuration::RemoveDevice(std::wstring_view resourceName) {
  return std::erase_if(devices, DeviceNamed(resourceName)) != 0;
}

void Configuration::AddExpert(std::wstring name) {
  if (!HasExpert(name)) experts.push_back(std::move(name));
}

bool Configuration::RemoveExpert(std::wstring_view name) {
  return std::erase_if(experts, ExpertNamed(name)) != 0;
}

DevicePtr Configuration::FindDevice(std::wstring_view resourceName) const {
  auto found = std::ranges::find_if(devices, DeviceNamed(resourceName));
  return found == devices.end() ? nullptr : *found;
}

bool Configuration::HasExpert(std::wstring_view name) const {
  return std::ranges::any_of(experts, ExpertNamed(name));
}

} // namespace sysapistandin
