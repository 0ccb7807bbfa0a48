// Opens of every kind on a warm process (cached, forgotten and simulated),
// and device lookup on a store and discovery state of its own, cold or from
// the cache, with change notifications delivered to the observer.
#include "AllocationPaths.h"

#include <atomic>
#include <memory>
#include <string>
#include <utility>

#include "StandIns.h"
#include "dvlShared/DeviceInfoStore.h"
#include "dvlShared/SysapiObserver.h"
#include "dvlShared/SysapiRefs.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/SessionRegistry.h"
#include "redirector/modules/DeviceLookup.h"
#include "redirector/modules/ModelRouting.h"
#include "sysapi_standin.h"

namespace allocfail {
namespace {

constexpr ViUInt32 kTov = 5;
constexpr ViStatus kValueCopy = static_cast<ViStatus>(0xBFFF003C); // an option value not copied
constexpr char kDevice[] = "PXI1Slot2";
constexpr char kOptions[] = "RangeCheck=1,DriverSetup=Language:en;allowMultipleSessions:0";

using OpenFunction = ViStatus (*)(ViSession *newVi);
using CloseFunction = ViStatus (*)(ViSession vi);

struct OpenCase {
  const char *name;
  bool cached; // the device is in the cache before the open
  OpenFunction open;
  CloseFunction close;
};

// Nothing of a failed open remains: no backend or IVI session, no record.
void ExpectNothingOpen() {
  EXPECT_EQ(BackendStandin_SessionCount(), 0);
  EXPECT_EQ(IviStandin_SessionCount(), 0);
  ViSession stale = 0;
  EXPECT_NE(zuapi::Sessions().FindSessionByDevice(L"PXI1Slot2", zuapi::kNormal, stale), VI_SUCCESS);
}

void ExpectOpensAndCloses(const OpenCase &c) {
  ViSession vi = 0;
  ASSERT_EQ(c.open(&vi), VI_SUCCESS) << "the open works again";
  EXPECT_EQ(c.close(vi), VI_SUCCESS);
}

AllocationPath MakeOpenPath(const OpenCase &c) {
  auto vi = std::make_shared<ViSession>(0);
  auto prepare = [c, vi] {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
    *vi = 0;
    if (c.cached)
      ExpectOpensAndCloses(c);
    else
      dvlShared::ForgetDevice(kDevice);
    BackendStandin_ClearCalls();
  };
  auto check = [c, vi](ViStatus status) {
    if (status >= 0) {
      EXPECT_EQ(BackendStandin_SessionKind(*vi), kTov);
      EXPECT_EQ(c.close(*vi), VI_SUCCESS);
    }
    ExpectNothingOpen();
    ExpectOpensAndCloses(c);
  };
  return {c.name, prepare, [c, vi] { return c.open(vi.get()); }, {kOutOfMemory, kValueCopy}, check};
}

ViStatus OpenNormal(ViSession *vi) {
  return zuVEXA_InitWithOptions(kDevice, VI_FALSE, VI_FALSE, kOptions, vi);
}
ViStatus OpenSimulated(ViSession *vi) {
  return zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", vi);
}
ViStatus OpenExtCal(ViSession *vi) { return zuVEXA_InitExtCal(kDevice, "secret", kOptions, vi); }
ViStatus OpenAlignment(ViSession *vi) { return zuVEXA_InitializeExternalAlignment(kDevice, kOptions, vi); }
ViStatus CloseExtCal(ViSession vi) { return zuVEXA_CloseExtCal(vi, 1500); }
ViStatus CloseAlignment(ViSession vi) { return zuVEXA_CloseExternalAlignment(vi, 3100); }

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

std::vector<AllocationPath> OpenPaths() {
  const OpenCase cases[] = {
      {"OpenCachedDevice", true, &OpenNormal, &zuVEXA_close},
      {"OpenAfterForget", false, &OpenNormal, &zuVEXA_close},
      {"OpenSimulatedModel", true, &OpenSimulated, &zuVEXA_close},
      {"OpenCalibration", true, &OpenExtCal, &CloseExtCal},
      {"OpenAlignment", true, &OpenAlignment, &CloseAlignment},
  };
  std::vector<AllocationPath> paths;
  for (const OpenCase &c : cases) paths.push_back(MakeOpenPath(c));
  paths.insert(paths.end(),
               {LookupPath("LookupFirstUse", "Analyzer", "", false, VI_SUCCESS),
                LookupPath("LookupFromCache", "Analyzer", "", true, VI_SUCCESS),
                LookupPath("LookupNotFound", "NoSuchDevice", "", true, ZUVEXA_ERROR_DEVICE_NOT_FOUND),
                LookupPath("LookupSimulatedDefaultModel", "NoSuchDevice", "Simulate=1", true, VI_SUCCESS),
                NotificationPath()});
  return paths;
}

} // namespace allocfail
