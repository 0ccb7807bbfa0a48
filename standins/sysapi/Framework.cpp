#include "Framework.h"

#include <string_view>

#include "CallStats.h"
#include "Catalog.h"
#include "Collection.h"
#include "Filter.h"
#include "HandlerRegistry.h"
#include "Resource.h"
#include "WideText.h"

namespace sysapistandin {
namespace {

constexpr int32_t kSearchMode = 2;
constexpr std::wstring_view kLocalExpertPrefix = L"//localhost/";

// An object standing for a present expert; callers only release it.
class Expert final : public RefCounted<sysapi::IUnknownLike> {};

// The expert name of "//localhost/<name>", or empty for any other path.
std::wstring_view LocalExpertName(std::wstring_view path) {
  if (path.size() <= kLocalExpertPrefix.size() ||
      !EqualsIgnoringCase(path.substr(0, kLocalExpertPrefix.size()), kLocalExpertPrefix)) {
    return {};
  }
  const std::wstring_view name = path.substr(kLocalExpertPrefix.size());
  return name.find(L'/') == std::wstring_view::npos ? name : std::wstring_view{};
}

// The units of a length-prefixed text; nothing when the prefix disagrees
// with the terminating 0.
std::optional<std::wstring_view> PrefixedText(const wchar_t *text) {
  const uint32_t length = sysapi::SysTextLength(text);
  for (uint32_t index = 0; index < length; ++index) {
    if (text[index] == L'\0') return std::nullopt;
  }
  if (text[length] != L'\0') return std::nullopt;
  return std::wstring_view(text, length);
}

} // namespace

Framework::~Framework() { HandlerRegistry::Instance().ReleaseFor(this); }

SysStatus Framework::FindResources(const wchar_t *expertList, int32_t mode, sysapi::ISysFilter *filter,
                                   sysapi::IUnknownLike **collection) {
  if (collection != nullptr) *collection = nullptr;
  if (auto failure = BeginCall(Operation::FindResources)) return *failure;
  if (expertList == nullptr || filter == nullptr || collection == nullptr) return sysapi::kNullPointer;
  const auto *ownFilter = Filter::FromInterface(filter);
  if (mode != kSearchMode || ownFilter == nullptr) return kInvalidArgument;
  return Guarded([&] {
    std::vector<DevicePtr> found = Select(Catalog::Instance().Devices(), *ownFilter);
    if (found.empty()) return kNone;
    *collection = new ResourceCollection(std::move(found));
    return SysStatus{0};
  });
}

SysStatus Framework::GetResourceByName(const wchar_t *lengthPrefixedName, sysapi::ISysResource **resource) {
  if (resource != nullptr) *resource = nullptr;
  if (auto failure = BeginCall(Operation::GetResourceByName)) return *failure;
  if (lengthPrefixedName == nullptr || resource == nullptr) return sysapi::kNullPointer;
  const auto name = PrefixedText(lengthPrefixedName);
  if (!name) return kInvalidArgument;
  return Guarded([&] {
    DevicePtr device = Catalog::Instance().FindDevice(LastPathComponent(*name));
    if (!device) return kNotFound;
    *resource = new Resource(std::move(device));
    return SysStatus{0};
  });
}

SysStatus Framework::GetExpert(const wchar_t *expertPath, sysapi::IUnknownLike **expert) {
  if (expert != nullptr) *expert = nullptr;
  if (auto failure = BeginCall(Operation::GetExpert)) return *failure;
  if (expertPath == nullptr || expert == nullptr) return sysapi::kNullPointer;
  return Guarded([&] {
    const std::wstring_view name = LocalExpertName(expertPath);
    if (name.empty() || !Catalog::Instance().HasExpert(name)) return sysapi::kNoSuchExpert;
    *expert = new Expert();
    return SysStatus{0};
  });
}

SysStatus Framework::RegisterNotificationHandler(const wchar_t *expertList,
                                                 sysapi::INotificationHandler *handler, int32_t flags) {
  if (auto failure = BeginCall(Operation::RegisterHandler)) return *failure;
  if (expertList == nullptr || handler == nullptr) return sysapi::kNullPointer;
  return Guarded([&] {
    HandlerRegistry::Instance().Register(this, handler);
    return SysStatus{0};
  });
}

SysStatus Framework::CreateFilter(sysapi::ISysFilter **filter) {
  if (filter == nullptr) return sysapi::kNullPointer;
  *filter = nullptr;
  return Guarded([&] {
    *filter = new Filter();
    return SysStatus{0};
  });
}

} // namespace sysapistandin
