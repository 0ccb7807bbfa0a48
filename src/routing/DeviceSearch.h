// Finding devices through the system configuration library, given its
// framework: the installed experts and the one device whose name or alias
// matches. Failures come back with what to record; nothing is kept.
#pragma once

#include <cwchar>
#include <span>
#include <string>
#include <vector>

#include "platform/SysapiInterfaces.h"
#include "routing/DeviceRecord.h"
#include "routing/Failure.h"
#include "status/StatusCodes.h"
#include "zuVEXAtypes.h"

namespace zurouting {

inline constexpr char kSysapiLibraryFile[] = "libzusysapi.so";
inline constexpr wchar_t kExpertPathPrefix[] = L"//localhost/";
inline constexpr wchar_t kPimloExpertName[] = L"pimlo";
inline constexpr char kTwoDevicesMessage[] =
    "Two or more devices in the system have the specified device name or LEM alias.";
inline constexpr char kNoExpertsMessage[] =
    "Internal Error: no system API experts for supported VEXA devices were found.";

// ZUVEXA_ERROR_CANNOT_RECOVER with "Unexpected ZU System API Error: <code>.".
ViStatus SysapiFailure(sysapi::SysStatus code, Failure &failure);

// Expert names in probing order ("zu-quib" is probed twice).
std::span<const wchar_t *const> ExpertProbeOrder();

// Whether the framework has the expert at `expertPath`.
// ZUVEXA_ERROR_NULL_POINTER for a null framework or result; failures other
// than "no such expert" are system configuration failures.
ViStatus ExpertPresent(sysapi::ISysFramework *framework, const wchar_t *expertPath, bool *present,
                       Failure &failure);

// "//localhost/" + first installed expert, then "," + each further one, in
// probing order. `isPresent(name, present)` answers for each name (the
// caller may answer "pimlo" from what it knows). ZUVEXA_ERROR_CANNOT_RECOVER
// with kNoExpertsMessage when none is installed.
template <class IsPresent>
ViStatus ListExperts(IsPresent &&isPresent, std::wstring &expertList, Failure &failure) {
  expertList = kExpertPathPrefix;
  bool anyFound = false;
  for (const wchar_t *name : ExpertProbeOrder()) {
    bool present = false;
    const ViStatus status = isPresent(name, present);
    if (status < 0) return status;
    if (!present) continue;
    if (anyFound) expertList += L',';
    expertList += name;
    anyFound = true;
  }
  if (!anyFound) return failure.Set(ZUVEXA_ERROR_CANNOT_RECOVER, kNoExpertsMessage);
  return VI_SUCCESS;
}

// Searches `expertList` for `deviceName`. When exactly one resource that is
// not skipped matches, `record` gets the device with the product identifier
// the system configuration reports and no module kind (the caller routes
// it), and `found` is true. An empty name is not found (0).
// ZUVEXA_ERROR_INVALID_PARAMETER for a null framework;
// ZUVEXA_ERROR_DEVICE_NOT_FOUND with kTwoDevicesMessage for two matches;
// failures of the library as SysapiFailure.
ViStatus FindDevice(sysapi::ISysFramework *framework, const std::wstring &expertList,
                    const std::wstring &deviceName, DeviceRecord &record, bool &found, Failure &failure);

// A device as the system configuration lists it.
struct ListedDevice {
  std::wstring name, alias; // alias empty when the device has none
  std::string backendResourceText;
  uint32_t productId = 0;
  bool isSimulatedDevice = false;
};

// Every device of `expertList` that is not hidden or excluded, in the
// order the system configuration gives them. Failures of the library as
// SysapiFailure.
ViStatus ListDevices(sysapi::ISysFramework *framework, const std::wstring &expertList,
                     std::vector<ListedDevice> &devices, Failure &failure);

} // namespace zurouting
