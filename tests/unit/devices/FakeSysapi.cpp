#include "FakeSysapi.h"

#include <algorithm>
#include <cwctype>

namespace fakes {
namespace {

constexpr SysStatus kNotFound = static_cast<SysStatus>(0x80070490);

wchar_t *NewText(const std::wstring &text) {
  return sysapi::AllocSysText(text.data(), static_cast<uint32_t>(text.size()));
}

bool SameIgnoringCase(const std::wstring &a, const std::wstring &b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
         });
}

} // namespace

std::atomic<int> &LiveObjects() {
  static std::atomic<int> live{0};
  return live;
}

SysStatus FakeResource::QueryPresence(uint32_t id) {
  if (device_.presenceFailure != 0) return device_.presenceFailure;
  if (id == sysapi::kPropHidden) return device_.hidden ? 0 : 1;
  if (id == sysapi::kPropExcluded) return device_.excluded ? 0 : 1;
  return 0;
}

SysStatus FakeResource::GetInt32Property(uint32_t id, int32_t *value) {
  if (id == sysapi::kPropHidden && device_.hidden) *value = *device_.hidden;
  else if (id == sysapi::kPropIsSimulated) *value = device_.simulated;
  else return sysapi::kPropertyAbsent;
  return 0;
}

SysStatus FakeResource::GetUInt32Property(uint32_t id, uint32_t *value) {
  if (id != sysapi::kPropProductId) return sysapi::kPropertyAbsent;
  *value = device_.productId;
  return 0;
}

SysStatus FakeResource::GetTextProperty(uint32_t id, wchar_t **text) {
  *text = nullptr;
  if (id == sysapi::kPropResourceName) *text = NewText(device_.name);
  else if (id == sysapi::kPropBackendResource && device_.backend) *text = NewText(*device_.backend);
  else return sysapi::kPropertyAbsent;
  return 0;
}

FakeEnumerator *FakeEnumerator::OfResources(std::vector<FakeDevice> devices) {
  auto *enumerator = new FakeEnumerator;
  enumerator->devices_ = std::move(devices);
  return enumerator;
}

FakeEnumerator *FakeEnumerator::OfNames(std::vector<std::wstring> names) {
  auto *enumerator = new FakeEnumerator;
  enumerator->names_ = std::move(names);
  enumerator->deliversNames_ = true;
  return enumerator;
}

SysStatus FakeEnumerator::Next(uint32_t count, void **item, uint32_t *fetched) {
  *item = nullptr;
  *fetched = 0;
  size_t size = deliversNames_ ? names_.size() : devices_.size();
  if (count != 1 || next_ >= size) return 1;
  if (deliversNames_) *item = NewText(names_[next_++]);
  else *item = static_cast<sysapi::ISysResource *>(new FakeResource(devices_[next_++]));
  *fetched = 1;
  return 0;
}

SysStatus FakeFilter::Reset() {
  texts.clear();
  integers.clear();
  ++resets;
  return 0;
}

SysStatus FakeFilter::SetIntegerProperty(uint32_t id, int32_t value) {
  integers[id] = value;
  return 0;
}

SysStatus FakeFilter::SetTextProperty(uint32_t id, const wchar_t *text) {
  texts[id] = text;
  return 0;
}

SysStatus FakeCollection::QueryInterface(const Guid &iid, void **object) {
  if (!filterable_ || !(iid == sysapi::kIidFilterableCollection)) {
    *object = nullptr;
    return sysapi::kNoInterface;
  }
  AddRef();
  *object = static_cast<sysapi::ISysFilterableCollection *>(this);
  return 0;
}

SysStatus FakeCollection::Filter(int32_t mode, sysapi::ISysFilter *filter, sysapi::ISysEnumerator **items) {
  auto *fake = static_cast<FakeFilter *>(filter);
  if (mode != 3 || fake->integers.count(sysapi::kPropSecondFilter) == 0) return sysapi::kFailure;
  *items = FakeEnumerator::OfResources(matches_);
  return 0;
}

FakeFramework::~FakeFramework() {
  if (handler != nullptr) handler->Release();
}

SysStatus FakeFramework::FindResources(const wchar_t *expertList, int32_t mode, sysapi::ISysFilter *filter,
                                       sysapi::IUnknownLike **collection) {
  ++findCalls;
  *collection = nullptr;
  lastExpertList = expertList;
  if (findFailure != 0) return findFailure;
  if (mode != 2) return sysapi::kFailure;
  auto *fake = static_cast<FakeFilter *>(filter);
  const std::wstring &name = fake->texts[sysapi::kPropResourceName];
  const std::wstring &alias = fake->texts[sysapi::kPropAlias];
  std::vector<FakeDevice> matches;
  for (const FakeDevice &device : devices)
    if (SameIgnoringCase(device.name, name) || (!device.alias.empty() && SameIgnoringCase(device.alias, alias)))
      matches.push_back(device);
  if (matches.empty()) return 1;
  *collection = static_cast<sysapi::ISysFilterableCollection *>(
      new FakeCollection(std::move(matches), collectionFilterable));
  return 0;
}

SysStatus FakeFramework::GetResourceByName(const wchar_t *lengthPrefixedName, sysapi::ISysResource **resource) {
  *resource = nullptr;
  std::wstring name(lengthPrefixedName, sysapi::SysTextLength(lengthPrefixedName));
  resourceNameQuestions.push_back(name);
  auto found = resourcesByName.find(name);
  if (found == resourcesByName.end()) return kNotFound;
  *resource = new FakeResource(found->second);
  return 0;
}

SysStatus FakeFramework::GetExpert(const wchar_t *expertPath, sysapi::IUnknownLike **expert) {
  ++expertCalls;
  expertQuestions.push_back(expertPath);
  *expert = nullptr;
  if (expertFailure != 0) return expertFailure;
  if (std::find(experts.begin(), experts.end(), expertPath) == experts.end()) return sysapi::kNoSuchExpert;
  *expert = new FakeFilter; // any object will do
  return 0;
}

SysStatus FakeFramework::RegisterNotificationHandler(const wchar_t *, sysapi::INotificationHandler *newHandler,
                                                     int32_t) {
  ++registerCalls;
  if (registerFailure != 0) return registerFailure;
  newHandler->AddRef();
  if (handler != nullptr) handler->Release();
  handler = newHandler;
  return 0;
}

SysStatus FakeFramework::CreateFilter(sysapi::ISysFilter **filter) {
  *filter = new FakeFilter;
  return 0;
}

LoaderScript &Loader() {
  static LoaderScript script;
  return script;
}

namespace {
SysStatus FakeInstantiate(sysapi::ISysFramework **framework) {
  ++Loader().instantiations;
  *framework = nullptr;
  if (Loader().instantiateFailure != 0) return Loader().instantiateFailure;
  Loader().framework->AddRef();
  *framework = Loader().framework;
  return 0;
}
} // namespace

sysapi::InstantiateFrameworkFn FakeLoader(void *&) {
  ++Loader().loads;
  return Loader().libraryMissing ? nullptr : &FakeInstantiate;
}

} // namespace fakes
