// Device lookup on a store and discovery state of its own, cold or from the
// cache, and change notifications delivered to the observer.
#include "AllocationPaths.h"

#include <atomic>
#include <memory>
#include <string>
#include <utility>

#include "StandIns.h"
#include "dvlShared/SysapiObserver.h"
#include "dvlShared/SysapiRefs.h"
#include "redirector/modules/DeviceLookup.h"
#include "redirector/modules/ModelRouting.h"
#include "sysapi_standin.h"

namespace allocfail {
namespace {

constexpr ViStatus kObserverAllocation = static_cast<ViStatus>(0xBFFA0021);
constexpr sysapi::SysStatus kNotifyOutOfMemory = static_cast<sysapi::SysStatus>(0x8007000E);
constexpr sysapi::SysStatus kNotifyFailure = static_cast<sysapi::SysStatus>(0x80004005);

struct Discovery {
  dvlShared::DeviceInfoStore store{
      [this](sysapi::ISysFramework *&fw) { return discovery->GetFramework(fw); }};
  std::unique_ptr<dvlShared::SysapiDiscovery> discovery =
      std::make_unique<dvlShared::SysapiDiscovery>(&dvlShared::LoadSysapiLibrary, store);

  ViStatus Resolve(const char *name, const char *options, dvlShared::DeviceRecord &record, bool &fromCache) {
    static std::atomic<zumxl::LanguageId> language{0};
    bool simulate = false;
    return zumodules::ResolveDeviceWith(store, *discovery, "zuVEXA", name, options, record,
                                        &zumodules::ModelTable, &zumodules::DefaultModel, simulate, fromCache,
                                        language);
  }
};

struct LookupState {
  std::unique_ptr<Discovery> system;
  int64_t liveObjects = 0; // of the system configuration, before `system` existed
  dvlShared::DeviceRecord record;
  bool fromCache = false;
};

// A record whose texts hold no memory yet (assigning {} keeps their buffers).
void Renew(dvlShared::DeviceRecord &record) {
  dvlShared::DeviceRecord fresh;
  std::swap(record, fresh);
}

void ResetWithAnalyzer(LookupState &state) {
  state.system.reset();
  testsupport::ResetStandIns();
  ASSERT_EQ(testsupport::AddAnalyzer(), 0);
  state.liveObjects = SysapiStandin_LiveObjectCount();
  state.system = std::make_unique<Discovery>();
  Renew(state.record);
}

// The analyzer as the lookup must report it.
void ExpectAnalyzer(const dvlShared::DeviceRecord &record) {
  EXPECT_EQ(record.deviceIdentifier, L"PXI1Slot2");
  EXPECT_EQ(record.moduleKind, 5u);
  EXPECT_EQ(record.backendResourceText, "RIO0");
}

// The cache is whole, the lookup works, and no system object is kept.
void ExpectCacheWholeAndLookupWorking(LookupState &state) {
  ASSERT_LE(state.system->store.Count(), 1u);
  dvlShared::DeviceRecord cached;
  bool found = false;
  EXPECT_EQ(state.system->store.LookUp(L"Analyzer", cached, found), VI_SUCCESS);
  if (found) ExpectAnalyzer(cached);
  dvlShared::DeviceRecord again;
  bool fromCache = false;
  EXPECT_EQ(state.system->Resolve("Analyzer", "", again, fromCache), VI_SUCCESS);
  ExpectAnalyzer(again);
  state.system.reset();
  EXPECT_EQ(SysapiStandin_LiveObjectCount(), state.liveObjects)
      << "no reference of the system configuration lost";
}

AllocationPath LookupPath(const char *name, const char *resource, const char *options, bool warm,
                          ViStatus expected) {
  auto state = std::make_shared<LookupState>();
  const bool analyzer = std::string(resource) == "Analyzer";
  auto prepare = [=] {
    ResetWithAnalyzer(*state);
    if (warm) ASSERT_EQ(state->system->Resolve("Analyzer", "", state->record, state->fromCache), VI_SUCCESS);
    Renew(state->record);
  };
  auto run = [=] {
    const ViStatus status = state->system->Resolve(resource, options, state->record, state->fromCache);
    return status == expected ? VI_SUCCESS : status;
  };
  auto check = [=](ViStatus status) {
    if (status == VI_SUCCESS && analyzer) ExpectAnalyzer(state->record);
    ExpectCacheWholeAndLookupWorking(*state);
  };
  return {name, prepare, run, {kOutOfMemory, kObserverAllocation}, check};
}

// Hands out a name made before the attempt; the receiver frees it.
class NameEnumerator : public sysapi::ISysEnumerator {
public:
  explicit NameEnumerator(const std::wstring &name)
      : text_(sysapi::AllocSysText(name.data(), static_cast<uint32_t>(name.size()))) {}
  ~NameEnumerator() { sysapi::FreeSysText(text_); }
  sysapi::SysStatus QueryInterface(const sysapi::Guid &, void **object) override {
    *object = nullptr;
    return sysapi::kNoInterface;
  }
  uint32_t AddRef() override { return 2; }
  uint32_t Release() override { return 1; }
  sysapi::SysStatus Next(uint32_t, void **item, uint32_t *fetched) override {
    *item = std::exchange(text_, nullptr);
    *fetched = *item != nullptr;
    return *item != nullptr ? 0 : 1;
  }

private:
  wchar_t *text_;
};

// The observer drops the analyzer stored under its alias.
AllocationPath NotificationPath() {
  auto state = std::make_shared<LookupState>();
  auto observer = std::make_shared<dvlShared::SysRef<dvlShared::ImxSysNotificationHandler>>();
  auto names = std::make_shared<std::unique_ptr<NameEnumerator>>();
  auto prepare = [=] {
    ResetWithAnalyzer(*state);
    ASSERT_EQ(state->system->Resolve("Analyzer", "", state->record, state->fromCache), VI_SUCCESS);
    *observer = dvlShared::SysRef<dvlShared::ImxSysNotificationHandler>(
        dvlShared::CreateObserver(state->system->store));
    *names = std::make_unique<NameEnumerator>(L"//localhost/PXI1Slot2");
  };
  auto run = [=] { return static_cast<ViStatus>((*observer)->Notify(nullptr, 2, names->get())); };
  auto check = [=](ViStatus status) {
    names->reset();
    observer->reset();
    if (status == VI_SUCCESS) EXPECT_EQ(state->system->store.Count(), 0u);
    ExpectCacheWholeAndLookupWorking(*state);
  };
  return {"ChangeNotification", prepare, run, {kNotifyOutOfMemory, kNotifyFailure}, check};
}

} // namespace

std::vector<AllocationPath> DeviceLookupPaths() {
  return {LookupPath("LookupFirstUse", "Analyzer", "", false, VI_SUCCESS),
          LookupPath("LookupFromCache", "Analyzer", "", true, VI_SUCCESS),
          LookupPath("LookupNotFound", "NoSuchDevice", "", true, ZUVEXA_ERROR_DEVICE_NOT_FOUND),
          LookupPath("LookupSimulatedDefaultModel", "NoSuchDevice", "Simulate=1", true, VI_SUCCESS),
          NotificationPath()};
}

} // namespace allocfail
