// In-process fakes of the system configuration library's objects, for tests
// that drive the store, the observer and the lookup without libzusysapi.so.
#pragma once

#include <atomic>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dvlShared/sysapi/SysapiInterfaces.h"
#include "redirector/catalogue/CatalogueMacros.h"

namespace fakes {

// Positions the library never calls.
#define FAKE_RESERVED_ONE(n) \
  SysStatus Reserved##n() override { return sysapi::kFailure; }
#define FAKE_RESERVED(...) ZU_FOR_EACH(FAKE_RESERVED_ONE, ZU_SEP_NONE, __VA_ARGS__)

using sysapi::Guid;
using sysapi::SysStatus;

// Fake objects alive in the process.
std::atomic<int> &LiveObjects();

template <class Interface> class Counted : public Interface {
public:
  Counted() { ++LiveObjects(); }
  virtual ~Counted() { --LiveObjects(); }
  SysStatus QueryInterface(const Guid &, void **object) override {
    *object = nullptr;
    return sysapi::kNoInterface;
  }
  uint32_t AddRef() override { return ++references_; }
  uint32_t Release() override {
    uint32_t count = --references_;
    if (count == 0) delete this;
    return count;
  }

private:
  std::atomic<uint32_t> references_{1};
};

struct FakeDevice {
  std::wstring name{};               // 0x101D000
  std::wstring alias{};              // 0x101F000 (empty: none)
  std::optional<std::wstring> backend = L"PXI1::4::INSTR"; // 0x1070000
  uint32_t productId = 0x1B01;       // 0x1005000
  int32_t simulated = 0;             // 0x1009000
  std::optional<int32_t> hidden{};   // 0x12000000
  bool excluded = false;             // 0x2002000 present
  SysStatus presenceFailure = 0;     // every presence query fails with it when set
};

class FakeResource : public Counted<sysapi::ISysResource> {
public:
  explicit FakeResource(FakeDevice device) : device_(std::move(device)) {}

  SysStatus QueryPresence(uint32_t id) override;
  SysStatus GetInt32Property(uint32_t id, int32_t *value) override;
  SysStatus GetUInt32Property(uint32_t id, uint32_t *value) override;
  SysStatus GetTextProperty(uint32_t id, wchar_t **text) override;

  FAKE_RESERVED((3), (5), (6), (7), (8), (9), (10), (11), (12), (13), (14), (16), (18), (19))

private:
  FakeDevice device_;
};

// Hands out its items one at a time: resources (with a reference) or
// length-prefixed names.
class FakeEnumerator : public Counted<sysapi::ISysEnumerator> {
public:
  static FakeEnumerator *OfResources(std::vector<FakeDevice> devices);
  static FakeEnumerator *OfNames(std::vector<std::wstring> names);
  SysStatus Next(uint32_t count, void **item, uint32_t *fetched) override;

private:
  std::vector<FakeDevice> devices_;
  std::vector<std::wstring> names_;
  bool deliversNames_ = false;
  size_t next_ = 0;
};

class FakeFilter : public Counted<sysapi::ISysFilter> {
public:
  std::map<uint32_t, std::wstring> texts;
  std::map<uint32_t, int32_t> integers;
  int resets = 0;

  SysStatus Reset() override;
  SysStatus SetIntegerProperty(uint32_t id, int32_t value) override;
  SysStatus SetTextProperty(uint32_t id, const wchar_t *text) override;
  FAKE_RESERVED((3), (4), (5), (6), (8), (10), (11), (12))
};

class FakeCollection : public Counted<sysapi::ISysFilterableCollection> {
public:
  FakeCollection(std::vector<FakeDevice> matches, bool filterable)
      : matches_(std::move(matches)), filterable_(filterable) {}
  SysStatus QueryInterface(const Guid &iid, void **object) override;
  SysStatus Filter(int32_t mode, sysapi::ISysFilter *filter, sysapi::ISysEnumerator **items) override;
  FAKE_RESERVED((3), (4), (5), (6), (7), (8), (9))

private:
  std::vector<FakeDevice> matches_;
  bool filterable_;
};

class FakeFramework : public Counted<sysapi::ISysFramework> {
public:
  ~FakeFramework() override;

  // Configuration (set before use).
  std::vector<FakeDevice> devices;
  std::vector<std::wstring> experts{L"//localhost/zu-vexa"}; // installed expert paths
  std::map<std::wstring, FakeDevice> resourcesByName;       // answers of GetResourceByName
  SysStatus expertFailure = 0;                              // GetExpert fails with it when set
  SysStatus registerFailure = 0;
  SysStatus findFailure = 0;
  bool collectionFilterable = true;

  // Observations.
  std::atomic<int> findCalls{0};
  std::atomic<int> expertCalls{0};
  std::atomic<int> registerCalls{0};
  std::vector<std::wstring> expertQuestions;
  std::wstring lastExpertList;
  std::vector<std::wstring> resourceNameQuestions;
  sysapi::INotificationHandler *handler = nullptr; // registered observer (one reference)

  SysStatus FindResources(const wchar_t *expertList, int32_t mode, sysapi::ISysFilter *filter,
                          sysapi::IUnknownLike **collection) override;
  SysStatus GetResourceByName(const wchar_t *lengthPrefixedName, sysapi::ISysResource **resource) override;
  SysStatus GetExpert(const wchar_t *expertPath, sysapi::IUnknownLike **expert) override;
  SysStatus RegisterNotificationHandler(const wchar_t *expertList, sysapi::INotificationHandler *handler,
                                        int32_t flags) override;
  SysStatus CreateFilter(sysapi::ISysFilter **filter) override;
  FAKE_RESERVED((3), (5), (9))
};

// The loader the tests hand to SysapiDiscovery: it finds a create function
// that hands out `CurrentFramework()` unless told the library is missing.
struct LoaderScript {
  FakeFramework *framework = nullptr;
  bool libraryMissing = false;
  SysStatus instantiateFailure = 0;
  std::atomic<int> loads{0};
  std::atomic<int> instantiations{0};
};
LoaderScript &Loader();
sysapi::InstantiateFrameworkFn FakeLoader(void *&handle);

} // namespace fakes
