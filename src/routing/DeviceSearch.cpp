#include "routing/DeviceSearch.h"

#include <cstdio>
#include <new>

#include "routing/SysapiRefs.h"
#include "status/StatusCodes.h"

namespace zurouting {
namespace {

using sysapi::SysStatus;

constexpr const wchar_t *kExpertProbeOrder[] = {
    kPimloExpertName, L"zu-lem",  L"zu-quib", L"zu-mmwave",      L"zu-Q129",
    L"zu-visa",       L"zu-vexa", L"zu-quib", L"zu-rfaccessory",
};

constexpr int32_t kFindMode = 2;
constexpr int32_t kFilterMode = 3;
constexpr int32_t kHiddenValue = 1;

// The resources matching `name` by name or alias (every resource for an
// empty name) as an enumerator; no enumerator (and a non-negative status)
// when nothing matches.
SysStatus OpenMatches(sysapi::ISysFramework &framework, const std::wstring &expertList,
                      const std::wstring &name, SysRef<sysapi::ISysEnumerator> &items) {
  SysRef<sysapi::ISysFilter> filter;
  SysStatus r = framework.CreateFilter(filter.out());
  if (r < 0) return r;
  if (!filter) return sysapi::kNullPointer;
  if (!name.empty() && (r = filter->SetTextProperty(sysapi::kPropResourceName, name.c_str())) < 0) return r;
  if (!name.empty() && (r = filter->SetTextProperty(sysapi::kPropAlias, name.c_str())) < 0) return r;

  SysRef<sysapi::IUnknownLike> collection;
  r = framework.FindResources(expertList.c_str(), kFindMode, filter.get(), collection.out());
  if (r != 0) return r; // positive: nothing found
  if (!collection) return sysapi::kNullPointer;

  SysStatus filterSet = filter->Reset();
  if (filterSet >= 0) filterSet = filter->SetIntegerProperty(sysapi::kPropSecondFilter, 0);
  SysRef<sysapi::ISysFilterableCollection> filterable;
  r = collection->QueryInterface(sysapi::kIidFilterableCollection, filterable.outVoid());
  if (filterSet < 0) return filterSet;
  if (r < 0) return r;
  if (!filterable) return sysapi::kNoInterface;
  return filterable->Filter(kFilterMode, filter.get(), items.out());
}

// A resource hidden (0x12000000 = 1) or excluded (0x2002000 present) does
// not count as a match.
SysStatus IsSkipped(sysapi::ISysResource &item, bool &skipped) {
  skipped = false;
  SysStatus r = item.QueryPresence(sysapi::kPropHidden);
  if (r < 0) return r;
  if (r == 0) {
    int32_t hidden = 0;
    if ((r = item.GetInt32Property(sysapi::kPropHidden, &hidden)) < 0) return r;
    if (hidden == kHiddenValue) {
      skipped = true;
      return 0;
    }
  }
  r = item.QueryPresence(sysapi::kPropExcluded);
  if (r < 0) return r;
  skipped = r == 0;
  return 0;
}

// The first resource that is not skipped; `second` tells that another one
// followed it.
SysStatus PickCandidate(sysapi::ISysEnumerator &items, SysRef<sysapi::ISysResource> &candidate,
                        bool &second) {
  second = false;
  for (;;) {
    SysRef<sysapi::ISysResource> item;
    uint32_t fetched = 0;
    SysStatus r = items.Next(1, item.outVoid(), &fetched);
    if (r != 0) return r < 0 ? r : 0;
    if (!item) return 0;
    bool skipped = false;
    if ((r = IsSkipped(*item, skipped)) < 0) return r;
    if (skipped) continue;
    if (candidate) {
      second = true;
      return 0;
    }
    candidate = std::move(item);
  }
}

struct DeviceProperties {
  uint32_t productId = 0;
  SysText identifier;
  int32_t simulated = 0;
  SysText backendResource; // absent: empty
};

SysStatus ReadProperties(sysapi::ISysResource &device, DeviceProperties &properties) {
  SysStatus r = device.GetUInt32Property(sysapi::kPropProductId, &properties.productId);
  if (r < 0) return r;
  if ((r = device.GetTextProperty(sysapi::kPropResourceName, properties.identifier.out())) < 0) return r;
  if ((r = device.GetInt32Property(sysapi::kPropIsSimulated, &properties.simulated)) < 0) return r;
  r = device.GetTextProperty(sysapi::kPropBackendResource, properties.backendResource.out());
  if (r == sysapi::kPropertyAbsent) return 0;
  return r < 0 ? r : 0;
}

// Each code unit cut to its low 8 bits.
std::string Narrow(std::wstring_view text) {
  std::string narrow(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i)
    narrow[i] = static_cast<char>(static_cast<uint32_t>(text[i]) & 0xFFu);
  return narrow;
}

SysStatus ReadListed(sysapi::ISysResource &item, ListedDevice &device) {
  DeviceProperties properties;
  SysText name, alias;
  SysStatus r = ReadProperties(item, properties);
  if (r < 0) return r;
  if ((r = item.GetTextProperty(sysapi::kPropAlias, alias.out())) < 0 && r != sysapi::kPropertyAbsent)
    return r;
  device.name = properties.identifier.view();
  device.alias = alias.view();
  device.backendResourceText = Narrow(properties.backendResource.view());
  device.productId = properties.productId;
  device.isSimulatedDevice = properties.simulated != 0;
  return 0;
}

void FillRecord(const std::wstring &deviceName, const DeviceProperties &properties, DeviceRecord &record) {
  record.deviceName = deviceName;
  record.deviceIdentifier = properties.identifier.view();
  record.backendResourceText = Narrow(properties.backendResource.view());
  record.moduleKind = 0;
  record.productId = properties.productId;
  record.isSimulatedDevice = properties.simulated != 0;
}

} // namespace

ViStatus SysapiFailure(sysapi::SysStatus code, Failure &failure) {
  char message[256];
  std::snprintf(message, sizeof message, "Unexpected ZU System API Error: %d.", static_cast<int>(code));
  return failure.Set(ZUVEXA_ERROR_CANNOT_RECOVER, message);
}

std::span<const wchar_t *const> ExpertProbeOrder() { return kExpertProbeOrder; }

ViStatus ExpertPresent(sysapi::ISysFramework *framework, const wchar_t *expertPath, bool *present,
                       Failure &failure) {
  if (framework == nullptr || present == nullptr) return ZUVEXA_ERROR_NULL_POINTER;
  SysRef<sysapi::IUnknownLike> expert;
  const sysapi::SysStatus r = framework->GetExpert(expertPath, expert.out());
  expert.reset();
  if (r == sysapi::kNoSuchExpert) {
    *present = false;
    return VI_SUCCESS;
  }
  if (r < 0) return SysapiFailure(r, failure);
  *present = true;
  return VI_SUCCESS;
}

ViStatus FindDevice(sysapi::ISysFramework *framework, const std::wstring &expertList,
                    const std::wstring &deviceName, DeviceRecord &record, bool &found, Failure &failure) {
  if (framework == nullptr) return ZUVEXA_ERROR_INVALID_PARAMETER;
  found = false;
  if (deviceName.empty()) return VI_SUCCESS;
  try {
    SysRef<sysapi::ISysEnumerator> items;
    SysStatus r = OpenMatches(*framework, expertList, deviceName, items);
    if (r < 0) return SysapiFailure(r, failure);
    if (!items) return VI_SUCCESS;

    SysRef<sysapi::ISysResource> candidate;
    bool second = false;
    r = PickCandidate(*items, candidate, second);
    items.reset();
    if (r < 0) return SysapiFailure(r, failure);
    if (second) return failure.Set(ZUVEXA_ERROR_DEVICE_NOT_FOUND, kTwoDevicesMessage);
    if (!candidate) return VI_SUCCESS;

    DeviceProperties properties;
    if ((r = ReadProperties(*candidate, properties)) < 0) return SysapiFailure(r, failure);
    candidate.reset();
    FillRecord(deviceName, properties, record);
    found = true;
    return VI_SUCCESS;
  } catch (const std::bad_alloc &) {
    found = false;
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  }
}

ViStatus ListDevices(sysapi::ISysFramework *framework, const std::wstring &expertList,
                     std::vector<ListedDevice> &devices, Failure &failure) {
  if (framework == nullptr) return ZUVEXA_ERROR_INVALID_PARAMETER;
  devices.clear();
  try {
    SysRef<sysapi::ISysEnumerator> items;
    SysStatus r = OpenMatches(*framework, expertList, L"", items);
    if (r < 0) return SysapiFailure(r, failure);
    while (items) {
      SysRef<sysapi::ISysResource> item;
      uint32_t fetched = 0;
      if ((r = items->Next(1, item.outVoid(), &fetched)) != 0 || !item) break;
      bool skipped = false;
      if ((r = IsSkipped(*item, skipped)) < 0) break;
      if (skipped) continue;
      ListedDevice device;
      if ((r = ReadListed(*item, device)) < 0) break;
      devices.push_back(std::move(device));
    }
    return r < 0 ? SysapiFailure(r, failure) : VI_SUCCESS;
  } catch (const std::bad_alloc &) {
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  }
}

} // namespace zurouting
