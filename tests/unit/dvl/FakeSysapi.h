// In-process fakes of the system configuration objects, for failures the stand-in cannot make.
// Every resource is visible, not simulated and of product 0x1B01.
#pragma once

#include <algorithm>
#include <atomic>
#include <vector>

#include "platform/SysapiInterfaces.h"
#include "redirector/catalogue/CatalogueMacros.h"

namespace fakes {

using sysapi::SysStatus;

// Positions the library never calls.
#define FAKE_RESERVED_ONE(n)                                                                                 \
  SysStatus Reserved##n() override { return sysapi::kFailure; }
#define FAKE_RESERVED(...) ZU_FOR_EACH(FAKE_RESERVED_ONE, ZU_SEP_NONE, __VA_ARGS__)

inline wchar_t *NewText(const std::wstring &text) {
  return sysapi::AllocSysText(text.data(), static_cast<uint32_t>(text.size()));
}

template <class Interface> class Counted : public Interface {
public:
  virtual ~Counted() = default;
  SysStatus QueryInterface(const sysapi::Guid &, void **o) override {
    return *o = nullptr, sysapi::kNoInterface;
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
  std::wstring backend = L"PXI1::4::INSTR";
  SysStatus presenceFailure = 0; // every presence query fails with it when set
};

class FakeResource : public Counted<sysapi::ISysResource> {
public:
  explicit FakeResource(FakeDevice device) : device_(std::move(device)) {}
  SysStatus QueryPresence(uint32_t) override { return device_.presenceFailure ? device_.presenceFailure : 1; }
  SysStatus GetInt32Property(uint32_t, int32_t *value) override { return *value = 0, 0; }
  SysStatus GetUInt32Property(uint32_t, uint32_t *value) override { return *value = 0x1B01, 0; }
  SysStatus GetTextProperty(uint32_t id, wchar_t **text) override {
    return *text = NewText(id == sysapi::kPropResourceName ? device_.name : device_.backend), 0;
  }
  FAKE_RESERVED((3), (5), (6), (7), (8), (9), (10), (11), (12), (13), (14), (16), (18), (19))

private:
  FakeDevice device_;
};

// Hands out resources (with a reference) or length-prefixed names one at a time.
class FakeEnumerator : public Counted<sysapi::ISysEnumerator> {
public:
  explicit FakeEnumerator(std::vector<FakeDevice> devices) : devices_(std::move(devices)) {}
  explicit FakeEnumerator(std::vector<std::wstring> names) : names_(std::move(names)) {}
  SysStatus Next(uint32_t, void **item, uint32_t *fetched) override {
    *item = next_ < names_.size() ? static_cast<void *>(NewText(names_[next_++])) : nullptr;
    if (next_ < devices_.size())
      *item = static_cast<sysapi::ISysResource *>(new FakeResource(devices_[next_++]));
    *fetched = *item != nullptr;
    return *item != nullptr ? 0 : 1;
  }

private:
  std::vector<FakeDevice> devices_;
  std::vector<std::wstring> names_;
  size_t next_ = 0;
};

class FakeFilter : public Counted<sysapi::ISysFilter> {
public:
  SysStatus Reset() override { return 0; }
  SysStatus SetIntegerProperty(uint32_t, int32_t) override { return 0; }
  SysStatus SetTextProperty(uint32_t, const wchar_t *) override { return 0; }
  FAKE_RESERVED((3), (4), (5), (6), (8), (10), (11), (12))
};

// Filters into an enumerator of its matches, if `filterable`.
class FakeCollection : public Counted<sysapi::ISysFilterableCollection> {
public:
  FakeCollection(std::vector<FakeDevice> matches, bool filterable)
      : matches_(matches), filterable_(filterable) {}
  SysStatus QueryInterface(const sysapi::Guid &iid, void **object) override {
    if (!filterable_ || !(iid == sysapi::kIidFilterableCollection))
      return *object = nullptr, sysapi::kNoInterface;
    AddRef();
    return *object = static_cast<sysapi::ISysFilterableCollection *>(this), 0;
  }
  SysStatus Filter(int32_t, sysapi::ISysFilter *, sysapi::ISysEnumerator **items) override {
    return *items = new FakeEnumerator(matches_), 0;
  }
  FAKE_RESERVED((3), (4), (5), (6), (7), (8), (9))

private:
  std::vector<FakeDevice> matches_;
  bool filterable_;
};

class FakeFramework : public Counted<sysapi::ISysFramework> {
public:
  ~FakeFramework() override { handler && handler->Release(); }

  // Configuration (set before use).
  std::vector<FakeDevice> devices;
  std::vector<std::wstring> experts{L"//localhost/zu-vexa"}; // installed expert paths
  SysStatus registerFailure = 0, findFailure = 0;
  bool collectionFilterable = true;

  // Observations.
  std::atomic<int> findCalls{0};
  std::vector<std::wstring> expertQuestions;
  std::wstring lastExpertList;
  sysapi::INotificationHandler *handler = nullptr; // registered observer (one reference)

  // Every configured device matches, whatever the filter.
  SysStatus FindResources(const wchar_t *expertList, int32_t, sysapi::ISysFilter *,
                          sysapi::IUnknownLike **collection) override {
    ++findCalls;
    *collection = nullptr;
    lastExpertList = expertList;
    if (findFailure != 0 || devices.empty()) return findFailure ? findFailure : 1;
    return *collection = static_cast<sysapi::ISysFilterableCollection *>(
               new FakeCollection(devices, collectionFilterable)),
           0;
  }
  SysStatus GetResourceByName(const wchar_t *, sysapi::ISysResource **resource) override {
    return *resource = nullptr, sysapi::kFailure;
  }
  SysStatus GetExpert(const wchar_t *expertPath, sysapi::IUnknownLike **expert) override {
    expertQuestions.push_back(expertPath);
    const bool installed = std::find(experts.begin(), experts.end(), expertPath) != experts.end();
    *expert = installed ? new FakeFilter : nullptr; // any object will do
    return installed ? 0 : sysapi::kNoSuchExpert;
  }
  // Registered once: the library creates one framework.
  SysStatus RegisterNotificationHandler(const wchar_t *, sysapi::INotificationHandler *added,
                                        int32_t) override {
    return registerFailure ? registerFailure : ((handler = added)->AddRef(), 0);
  }
  SysStatus CreateFilter(sysapi::ISysFilter **filter) override { return *filter = new FakeFilter, 0; }
  FAKE_RESERVED((3), (5), (9))
};

// Gives out `gFramework` with a reference, or fails with `gInstantiateFailure` when set.
inline FakeFramework *gFramework = nullptr;
inline SysStatus gInstantiateFailure = 0;
inline std::atomic<int> gInstantiations{0};
inline sysapi::InstantiateFrameworkFn FakeLoader(void *&) {
  return [](sysapi::ISysFramework **framework) {
    ++gInstantiations;
    *framework = gInstantiateFailure != 0 ? nullptr : gFramework;
    if (*framework != nullptr) (*framework)->AddRef();
    return gInstantiateFailure;
  };
}

} // namespace fakes
