// The framework object zusysInstantiateFramework creates.
#pragma once

#include "RefCounted.h"

namespace sysapistandin {

class Framework final : public RefCounted<sysapi::ISysFramework> {
public:
  Framework() = default;
  ~Framework() override;

  // 4: mode 2 only; 0 and a collection when resources pass the filter,
  // kNone and no collection when none does.
  SysStatus FindResources(const wchar_t *expertList, int32_t mode, sysapi::ISysFilter *filter,
                          sysapi::IUnknownLike **collection) override;
  // 6: the resource whose name equals the last path component (ignoring case).
  SysStatus GetResourceByName(const wchar_t *lengthPrefixedName, sysapi::ISysResource **resource) override;
  // 7: "//localhost/<name>" for a present expert.
  SysStatus GetExpert(const wchar_t *expertPath, sysapi::IUnknownLike **expert) override;
  // 8: keeps a reference to the handler until the framework is destroyed.
  SysStatus RegisterNotificationHandler(const wchar_t *expertList, sysapi::INotificationHandler *handler,
                                        int32_t flags) override;
  // 10
  SysStatus CreateFilter(sysapi::ISysFilter **filter) override;

  SysStatus Reserved3() override { return sysapi::kFailure; }
  SysStatus Reserved5() override { return sysapi::kFailure; }
  SysStatus Reserved9() override { return sysapi::kFailure; }
};

} // namespace sysapistandin
