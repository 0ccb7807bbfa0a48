// A resource: a snapshot of one configured device, read through its
// properties.
#pragma once

#include "Configuration.h"
#include "RefCounted.h"

namespace sysapistandin {

class Resource final : public RefCounted<sysapi::ISysResource> {
public:
  explicit Resource(DevicePtr device) : device_(std::move(device)) {}

  // 0 when the resource has the property, kNone when it does not.
  SysStatus QueryPresence(uint32_t id) override;                      // 4
  SysStatus GetInt32Property(uint32_t id, int32_t *value) override;   // 15
  SysStatus GetUInt32Property(uint32_t id, uint32_t *value) override; // 17
  SysStatus GetTextProperty(uint32_t id, wchar_t **text) override;    // 20

  SysStatus Reserved3() override { return sysapi::kFailure; }
  SysStatus Reserved5() override { return sysapi::kFailure; }
  SysStatus Reserved6() override { return sysapi::kFailure; }
  SysStatus Reserved7() override { return sysapi::kFailure; }
  SysStatus Reserved8() override { return sysapi::kFailure; }
  SysStatus Reserved9() override { return sysapi::kFailure; }
  SysStatus Reserved10() override { return sysapi::kFailure; }
  SysStatus Reserved11() override { return sysapi::kFailure; }
  SysStatus Reserved12() override { return sysapi::kFailure; }
  SysStatus Reserved13() override { return sysapi::kFailure; }
  SysStatus Reserved14() override { return sysapi::kFailure; }
  SysStatus Reserved16() override { return sysapi::kFailure; }
  SysStatus Reserved18() override { return sysapi::kFailure; }
  SysStatus Reserved19() override { return sysapi::kFailure; }

private:
  // An integer property: absent -> kPropertyAbsent, a text -> kInvalidArgument.
  SysStatus ReadInteger(uint32_t id, int32_t &value) const;

  const DevicePtr device_;
};

} // namespace sysapistandin
