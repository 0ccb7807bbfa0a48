#include "Filter.h"

#include "WideText.h"

namespace sysapistandin {

Filter *Filter::FromInterface(sysapi::ISysFilter *filter) { return dynamic_cast<Filter *>(filter); }

bool Filter::Matches(const DeviceConfig &device) const {
  std::lock_guard lock(mutex_);
  if (!name_ && !alias_) return true;
  if (name_ && EqualsIgnoringCase(device.resourceName, *name_)) return true;
  return alias_ && device.alias && EqualsIgnoringCase(*device.alias, *alias_);
}

SysStatus Filter::Reset() {
  std::lock_guard lock(mutex_);
  name_.reset();
  alias_.reset();
  secondFilter_.reset();
  return 0;
}

SysStatus Filter::SetIntegerProperty(uint32_t id, int32_t value) {
  if (id != sysapi::kPropSecondFilter) return kInvalidArgument;
  std::lock_guard lock(mutex_);
  secondFilter_ = value;
  return 0;
}

SysStatus Filter::SetTextProperty(uint32_t id, const wchar_t *text) {
  if (text == nullptr) return sysapi::kNullPointer;
  if (id != sysapi::kPropResourceName && id != sysapi::kPropAlias) return kInvalidArgument;
  return Guarded([&] {
    std::lock_guard lock(mutex_);
    (id == sysapi::kPropResourceName ? name_ : alias_) = std::wstring(text);
    return SysStatus{0};
  });
}

} // namespace sysapistandin
