#include "Resource.h"

namespace sysapistandin {

SysStatus Resource::QueryPresence(uint32_t id) { return PropertyOf(*device_, id) ? 0 : kNone; }

SysStatus Resource::ReadInteger(uint32_t id, int32_t &value) const {
  const auto property = PropertyOf(*device_, id);
  if (!property) return sysapi::kPropertyAbsent;
  const auto *integer = std::get_if<int32_t>(&*property);
  if (integer == nullptr) return kInvalidArgument;
  value = *integer;
  return 0;
}

SysStatus Resource::GetInt32Property(uint32_t id, int32_t *value) {
  if (value == nullptr) return sysapi::kNullPointer;
  return Guarded([&] { return ReadInteger(id, *value); });
}

SysStatus Resource::GetUInt32Property(uint32_t id, uint32_t *value) {
  if (value == nullptr) return sysapi::kNullPointer;
  return Guarded([&] {
    int32_t read = 0;
    const SysStatus status = ReadInteger(id, read);
    if (status == 0) *value = static_cast<uint32_t>(read);
    return status;
  });
}

SysStatus Resource::GetTextProperty(uint32_t id, wchar_t **text) {
  if (text == nullptr) return sysapi::kNullPointer;
  *text = nullptr;
  return Guarded([&] {
    const auto property = PropertyOf(*device_, id);
    if (!property) return sysapi::kPropertyAbsent;
    const auto *value = std::get_if<std::wstring>(&*property);
    if (value == nullptr) return kInvalidArgument;
    *text = sysapi::AllocSysText(value->data(), static_cast<uint32_t>(value->size()));
    return *text == nullptr ? sysapi::kOutOfMemory : SysStatus{0};
  });
}

} // namespace sysapistandin
