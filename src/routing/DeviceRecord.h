// What a device lookup yields: the device, its backend module kind and the
// model's product identifier.
#pragma once

#include <cstdint>
#include <string>

namespace zurouting {

struct DeviceRecord {
  std::wstring deviceName;         // the name the device was looked up by; empty for the default model
  std::wstring deviceIdentifier;   // the device's resource name in the system configuration
  std::string backendResourceText; // the device's backend resource text, narrowed; may be empty
  uint32_t moduleKind = 0;
  uint64_t productId = 0;
  bool isSimulatedDevice = false;
  bool allowMultipleSessions = false;
};

} // namespace zurouting
