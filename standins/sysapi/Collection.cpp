#include "Collection.h"

#include "Filter.h"
#include "ListEnumerator.h"
#include "Resource.h"

namespace sysapistandin {
namespace {

constexpr int32_t kEnumerateMode = 3;

void *NewResourceItem(const DevicePtr &device) {
  sysapi::ISysResource *resource = new (std::nothrow) Resource(device);
  return resource;
}

} // namespace

sysapi::ISysEnumerator *NewResourceEnumerator(std::vector<DevicePtr> devices) {
  return new ListEnumerator<DevicePtr>(std::move(devices), NewResourceItem);
}

std::vector<DevicePtr> Select(const std::vector<DevicePtr> &devices, const Filter &filter) {
  std::vector<DevicePtr> selected;
  for (const DevicePtr &device : devices) {
    if (filter.Matches(*device)) selected.push_back(device);
  }
  return selected;
}

SysStatus ResourceCollection::Filter(int32_t mode, sysapi::ISysFilter *filter,
                                     sysapi::ISysEnumerator **items) {
  if (items == nullptr) return sysapi::kNullPointer;
  *items = nullptr;
  if (filter == nullptr) return sysapi::kNullPointer;
  const auto *ownFilter = sysapistandin::Filter::FromInterface(filter);
  if (mode != kEnumerateMode || ownFilter == nullptr) return kInvalidArgument;
  return Guarded([&] {
    *items = NewResourceEnumerator(Select(devices_, *ownFilter));
    return SysStatus{0};
  });
}

} // namespace sysapistandin
