// Filter objects (framework position 10). A resource passes when its
// resource name equals the name criterion or its alias equals the alias
// criterion, ignoring case; a filter without text criteria passes every
// resource. The integer criterion 0x1024000 is accepted and kept but does
// not narrow the result.
#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "Configuration.h"
#include "RefCounted.h"

namespace sysapistandin {

class Filter final : public RefCounted<sysapi::ISysFilter> {
public:
  // The stand-in's own filter behind the interface, or null for a foreign one.
  static Filter *FromInterface(sysapi::ISysFilter *filter);

  bool Matches(const DeviceConfig &device) const;

  SysStatus Reset() override;                                           // 7
  SysStatus SetIntegerProperty(uint32_t id, int32_t value) override;    // 9
  SysStatus SetTextProperty(uint32_t id, const wchar_t *text) override; // 13

  SysStatus Reserved3() override { return sysapi::kFailure; }
  SysStatus Reserved4() override { return sysapi::kFailure; }
  SysStatus Reserved5() override { return sysapi::kFailure; }
  SysStatus Reserved6() override { return sysapi::kFailure; }
  SysStatus Reserved8() override { return sysapi::kFailure; }
  SysStatus Reserved10() override { return sysapi::kFailure; }
  SysStatus Reserved11() override { return sysapi::kFailure; }
  SysStatus Reserved12() override { return sysapi::kFailure; }

private:
  mutable std::mutex mutex_;
  std::optional<std::wstring> name_;
  std::optional<std::wstring> alias_;
  std::optional<int32_t> secondFilter_;
};

} // namespace sysapistandin
