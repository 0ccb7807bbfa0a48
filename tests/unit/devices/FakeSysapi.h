// In-process fakes of the system configuration library's objects, for tests
// that drive the store, the observer and the lookup without libzusysapi.so.
#pragma once

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dvlShared/sysapi/SysapiInterfaces.h"
#include "redirector/catalogue/CatalogueMacros.h"

namespace fakes {

using sysapi::Guid;
using sysapi::SysStatus;

// Positions the library never calls.
#define FAKE_RESERVED_ONE(n) \
  SysStatus Reserved##n() override { return sysapi::kFailure; }
#define FAKE_RESERVED(...) ZU_FOR_EACH(FAKE_RESERVED_ONE, ZU_SEP_NONE, __VA_ARGS__)

inline wchar_t *NewText(const std::wstring &text) {
  return sysapi::AllocSysText(text.data(), static_cast<uint32_t>(text.size()));
}

template <class Interface> class Counted : public Interface {
public:
  virtual ~Counted() = default;
  SysStatus QueryInterface(const Guid &, void **object) override {
    *object = nullptr;
    return sysapi::kNoInterface;
  }
  uint32_t AddRef() override { return ++references_; }
  uint32_t Release() override {
    const uint32_t count = --references_;
    if (count == 0) delete this;
    return count;
  }

private:
  std::atomic<uint32_t> references_{1};
};

struct FakeDevice {
  std::wstring name{};
  std::wstring alias{}; // empty: none
  std::optional<std::wstring> backend = L"PXI1::4::INSTR";
  uint32_t productId = 0x1B01;
  int32_t simulated = 0;
  std::optional<int32_t> hidden{};
  bool excluded = false;
  SysStatus presenceFailure = 0; // every presence query fails with it when set
};

class FakeResource : public Counted<sysapi::ISysResource> {
public:
  explicit FakeResource(FakeDevice device) : device_(std::move(device)) {}
  SysStatus QueryPresence(uint32_t id) override {
    if (device_.presenceFailure != 0) return device_.presenceFailure;
    if (id == sysapi::kPropHidden) return device_.hidden ? 0 : 1;
    return id == sysapi::kPropExcluded && !device_.excluded ? 1 : 0;
  }
  SysStatus GetInt32Property(uint32_t id, int32_t *value) override {
    if (id == sysapi::kPropHidden && device_.hidden) *value = *device_.hidden;
    else if (id == sysapi::kPropIsSimulated) *value = device_.simulated;
    else return sysapi::kPropertyAbsent;
    return 0;
  }
  SysStatus GetUInt32Property(uint32_t id, uint32_t *value) override {
    if (id != sysapi::kPropProductId) return sysapi::kPropertyAbsent;
    *value = device_.productId;
    return 0;
  }
  SysStatus GetTextProperty(uint32_t id, wchar_t **text) override {
    *text = nullptr;
    if (id == sysapi::kPropResourceName) *text = NewText(device_.name);
    else if (id == sysapi::kPropBackendResource && device_.backend) *text = NewText(*device_.backend);
    else return sysapi::kPropertyAbsent;
    return 0;
  }
  FAKE_RESERVED((3), (5), (6), (7), (8), (9), (10), (11), (12), (13), (14), (16), (18), (19))

private:
  FakeDevice device_;
};

// Hands out its items one at a time: resources (with a reference) or
// length-prefixed names.
class FakeEnumerator : public Counted<sysapi::ISysEnumerator> {
public:
  explicit FakeEnumerator(std::vector<FakeDevice> devices) : devices_(std::move(devices)) {}
  explicit FakeEnumerator(std::vector<std::wstring> names) : names_(std::move(names)), ofNames_(true) {}
  SysStatus Next(uint32_t count, void **item, uint32_t *fetched) override {
    *item = nullptr;
    *fetched = 0;
    if (count != 1 || next_ >= (ofNames_ ? names_.size() : devices_.size())) return 1;
    if (ofNames_) *item = NewText(names_[next_++]);
    else *item = static_cast<sysapi::ISysResource *>(new FakeResource(devices_[next_++]));
    *fetched = 1;
    return 0;
  }

private:
  std::vector<FakeDevice> devices_;
  std::vector<std::wstring> names_;
  bool ofNames_ = false;
  size_t next_ = 0;
};

class FakeFilter : public Counted<sysapi::ISysFilter> {
public:
  std::map<uint32_t, std::wstring> texts;
  std::map<uint32_t, int32_t> integers;
  SysStatus Reset() override {
    texts.clear();
    integers.clear();
    return 0;
  }
  SysStatus SetIntegerProperty(uint32_t id, int32_t value) override {
    integers[id] = value;
    return 0;
  }
  SysStatus SetTextProperty(uint32_t id, const wchar_t *text) override {
    texts[id] = text;
    return 0;
  }
  FAKE_RESERVED((3), (4), (5), (6), (8), (10), (11), (12))
};

// Filterable into an enumerator of its matches (mode 3, second filter set), if `filterable`.
class FakeCollection : public Counted<sysapi::ISysFilterableCollection> {
public:
  FakeCollection(std::vector<FakeDevice> matches, bool filterable) : matches_(std::move(matches)), filterable_(filterable) {}
  SysStatus QueryInterface(const Guid &iid, void **object) override {
    *object = nullptr;
    if (!filterable_ || !(iid == sysapi::kIidFilterableCollection)) return sysapi::kNoInterface;
    AddRef();
    *object = static_cast<sysapi::ISysFilterableCollection *>(this);
    return 0;
  }
  SysStatus Filter(int32_t mode, sysapi::ISysFilter *filter, sysapi::ISysEnumerator **items) override {
    if (mode != 3 || static_cast<FakeFilter *>(filter)->integers.count(sysapi::kPropSecondFilter) == 0)
      return sysapi::kFailure;
    *items = new FakeEnumerator(matches_);
    return 0;
  }
  FAKE_RESERVED((3), (4), (5), (6), (7), (8), (9))

private:
  std::vector<FakeDevice> matches_;
  bool filterable_;
};

class FakeFramework : public Counted<sysapi::ISysFramework> {
public:
  ~FakeFramework() override {
    if (handler != nullptr) handler->Release();
  }

  // Configuration (set before use).
  std::vector<FakeDevice> devices;
  std::vector<std::wstring> experts{L"//localhost/zu-vexa"}; // installed expert paths
  std::map<std::wstring, FakeDevice> resourcesByName;       // answers of GetResourceByName
  SysStatus registerFailure = 0, findFailure = 0;
  bool collectionFilterable = true;

  // Observations.
  std::atomic<int> findCalls{0}, expertCalls{0};
  std::vector<std::wstring> expertQuestions;
  std::wstring lastExpertList;
  sysapi::INotificationHandler *handler = nullptr; // registered observer (one reference)

  SysStatus FindResources(const wchar_t *expertList, int32_t mode, sysapi::ISysFilter *filter,
                          sysapi::IUnknownLike **collection) override {
    ++findCalls;
    *collection = nullptr;
    lastExpertList = expertList;
    if (findFailure != 0) return findFailure;
    if (mode != 2) return sysapi::kFailure;
    auto &texts = static_cast<FakeFilter *>(filter)->texts;
    std::vector<FakeDevice> matches;
    for (const FakeDevice &device : devices)
      if (wcscasecmp(device.name.c_str(), texts[sysapi::kPropResourceName].c_str()) == 0 ||
          (!device.alias.empty() && wcscasecmp(device.alias.c_str(), texts[sysapi::kPropAlias].c_str()) == 0))
        matches.push_back(device);
    if (matches.empty()) return 1;
    *collection = static_cast<sysapi::ISysFilterableCollection *>(new FakeCollection(matches, collectionFilterable));
    return 0;
  }
  SysStatus GetResourceByName(const wchar_t *lengthPrefixedName, sysapi::ISysResource **resource) override {
    const auto found = resourcesByName.find({lengthPrefixedName, sysapi::SysTextLength(lengthPrefixedName)});
    *resource = found == resourcesByName.end() ? nullptr : new FakeResource(found->second);
    return *resource != nullptr ? 0 : static_cast<SysStatus>(0x80070490);
  }
  SysStatus GetExpert(const wchar_t *expertPath, sysapi::IUnknownLike **expert) override {
    ++expertCalls;
    expertQuestions.push_back(expertPath);
    const bool installed = std::find(experts.begin(), experts.end(), expertPath) != experts.end();
    *expert = installed ? new FakeFilter : nullptr; // any object will do
    return installed ? 0 : sysapi::kNoSuchExpert;
  }
  SysStatus RegisterNotificationHandler(const wchar_t *, sysapi::INotificationHandler *newHandler, int32_t) override {
    if (registerFailure != 0) return registerFailure;
    newHandler->AddRef();
    if (handler != nullptr) handler->Release();
    handler = newHandler;
    return 0;
  }
  SysStatus CreateFilter(sysapi::ISysFilter **filter) override {
    *filter = new FakeFilter;
    return 0;
  }
  FAKE_RESERVED((3), (5), (9))
};

// What the fake loader hands to SysapiDiscovery: a create function that gives
// out `framework`, unless the library is missing.
struct LoaderScript {
  FakeFramework *framework = nullptr;
  bool libraryMissing = false;
  SysStatus instantiateFailure = 0;
  std::atomic<int> instantiations{0};
};
inline LoaderScript &Loader() {
  static LoaderScript script;
  return script;
}
inline SysStatus FakeInstantiate(sysapi::ISysFramework **framework) {
  ++Loader().instantiations;
  *framework = Loader().instantiateFailure != 0 ? nullptr : Loader().framework;
  if (*framework != nullptr) (*framework)->AddRef();
  return Loader().instantiateFailure;
}
inline sysapi::InstantiateFrameworkFn FakeLoader(void *&) {
  return Loader().libraryMissing ? nullptr : &FakeInstantiate;
}

} // namespace fakes
