// What the resource search returns: the resources found, filtered again
// into an enumerator through the interface {2d244948-...}.
#pragma once

#include <vector>

#include "Configuration.h"
#include "RefCounted.h"

namespace sysapistandin {

class Filter;

class ResourceCollection final : public RefCounted<sysapi::ISysFilterableCollection> {
public:
  explicit ResourceCollection(std::vector<DevicePtr> devices) : devices_(std::move(devices)) {}

  // 10: mode 3 only; the enumerator yields the resources that pass the filter.
  SysStatus Filter(int32_t mode, sysapi::ISysFilter *filter, sysapi::ISysEnumerator **items) override;

  SysStatus Reserved3() override { return sysapi::kFailure; }
  SysStatus Reserved4() override { return sysapi::kFailure; }
  SysStatus Reserved5() override { return sysapi::kFailure; }
  SysStatus Reserved6() override { return sysapi::kFailure; }
  SysStatus Reserved7() override { return sysapi::kFailure; }
  SysStatus Reserved8() override { return sysapi::kFailure; }
  SysStatus Reserved9() override { return sysapi::kFailure; }

protected:
  bool Provides(const sysapi::Guid &iid) const override { return iid == sysapi::kIidFilterableCollection; }

private:
  const std::vector<DevicePtr> devices_;
};

// The resources enumerated as ISysResource items.
sysapi::ISysEnumerator *NewResourceEnumerator(std::vector<DevicePtr> devices);

// The devices that pass the filter, in configuration order.
std::vector<DevicePtr> Select(const std::vector<DevicePtr> &devices, const Filter &filter);

} // namespace sysapistandin
