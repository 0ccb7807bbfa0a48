// The devices and experts the stand-in reports.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace sysapistandin {

struct DeviceConfig {
  std::wstring resourceName;
  std::optional<std::wstring> alias;
  std::optional<std::wstring> backend;
  std::optional<uint32_t> productId;
  int32_t simulated = 0;
  std::optional<int32_t> hidden;
  bool excluded = false;
};

using DevicePtr = std::shared_ptr<const DeviceConfig>;
using PropertyValue = std::variant<int32_t, std::wstring>;

// The value of a property of the device, or nothing when it is absent.
std::optional<PropertyValue> PropertyOf(const DeviceConfig &device, uint32_t id);

struct Configuration {
  std::vector<DevicePtr> devices;
  std::vector<std::wstring> experts;

  // Replaces the device with the same resource name in place, or appends.
  void AddDevice(DevicePtr device);
  bool RemoveDevice(std::wstring_view resourceName);
  void AddExpert(std::wstring name);
  bool RemoveExpert(std::wstring_view name);

  DevicePtr FindDevice(std::wstring_view resourceName) const;
  bool HasExpert(std::wstring_view name) const;
};

} // namespace sysapistandin
