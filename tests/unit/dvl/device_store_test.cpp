// The device information store, its change observer, and the device lookup over fake system objects.

#include "DeviceTestSupport.h"
#include "dvlShared/ComObject.h"
#include "dvlShared/SysapiObserver.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"

namespace {

using devtest::NoFramework;
using devtest::StoredDevice;
using dvlShared::CZUComObject;
using dvlShared::DeviceInfoStore;
using dvlShared::DeviceRecord;

constexpr ViStatus kOutOfMemory = static_cast<ViStatus>(0xBFFA0056);

// The stored record of `name`, if any.
std::optional<DeviceRecord> Find(DeviceInfoStore &store, const std::wstring &name) {
  DeviceRecord record;
  bool found = true;
  EXPECT_EQ(store.LookUp(name, record, found), VI_SUCCESS);
  return found ? std::optional(record) : std::nullopt;
}

TEST(DeviceInfoStore, OneEntryPerNameForgottenOrInvalidatedByNameAndAnUnusableLockFailsAll) {
  DeviceInfoStore store(NoFramework);
  DeviceRecord stored = StoredDevice(L"Dev1", L"PXI1Slot4", 5);
  stored.isSimulatedDevice = true;
  stored.allowMultipleSessions = true;
  ASSERT_EQ(store.Insert(stored), VI_SUCCESS);
  ASSERT_EQ(store.Insert(StoredDevice(L"DEV1", L"second")), VI_SUCCESS);
  EXPECT_EQ(store.Count(), 1u);
  EXPECT_FALSE(Find(store, L"Dev1 ")) << "same letters, other length";
  const DeviceRecord record = Find(store, L"dev1").value();
  EXPECT_EQ(record.deviceName + record.deviceIdentifier, L"Dev1PXI1Slot4");
  EXPECT_EQ(std::tuple(record.moduleKind, record.isSimulatedDevice, record.allowMultipleSessions),
            std::tuple(5u, true, false))
      << "allowMultipleSessions is decided by each open";
  DeviceInfoStore named(NoFramework);
  for (const wchar_t *name : {L"A", L"B", L"C"}) named.Insert(StoredDevice(name, name));
  EXPECT_EQ(named.Forget("b"), VI_SUCCESS);
  EXPECT_FALSE(Find(named, L"B"));
  EXPECT_EQ(named.Forget("Unknown") | named.Forget(nullptr), VI_SUCCESS);
  EXPECT_EQ(named.InvalidateByNames({L"//host/A"}), devtest::kSystemApiError);
  EXPECT_EQ(named.Count(), 2u) << "nothing invalidated before the framework is there";
  DeviceInfoStore broken(NoFramework, zuapalerr_softwareFaultAPALInternalUseOnly);
  const ViStatus mapped = zumxl::MapErrorCode(zuapalerr_softwareFaultAPALInternalUseOnly);
  DeviceRecord unread;
  bool found = true;
  for (ViStatus status : {broken.LookUp(L"A", unread, found), broken.Insert(StoredDevice(L"A", L"A")),
                          broken.Forget("A"), broken.InvalidateByNames({L"A"})})
    EXPECT_EQ(status, mapped);
  EXPECT_EQ(std::pair(found, broken.Count()), std::pair(false, size_t{0}));

  devtest::FakeSystem system;
  DeviceInfoStore outOfMemory(NoFramework, zuapalerr_memoryFull);
  bool fromCache = true;
  EXPECT_EQ(devtest::ResolveWith(outOfMemory, *system.discovery, "Dev1", "", unread, fromCache),
            kOutOfMemory);
  const devtest::ThreadError error = devtest::ReadThreadError();
  EXPECT_EQ(std::tuple(fromCache, error.primary, system.framework->findCalls.load()),
            std::tuple(false, kOutOfMemory, 0));
  EXPECT_EQ(error.elaboration, "Internal Error: Failed to initialize the device info store lock.");
}

// Calls position `slot` of the object's virtual table.
template <class Result, class... Args> Result CallSlot(void *object, int slot, Args... args) {
  void **table = *static_cast<void ***>(object);
  return reinterpret_cast<Result (*)(void *, Args...)>(table[slot])(object, args...);
}

// The system configuration library calls the observer by table position only.
TEST(SysapiObserver, OperationsSitAtTheirPositionsAndOnlyItsTwoInterfacesAreAnswered) {
  dvlShared::DeviceInfoStore store(NoFramework);
  sysapi::INotificationHandler *observer = dvlShared::CreateObserver(store);
  ASSERT_NE(observer, nullptr);
  EXPECT_EQ((CallSlot<sysapi::SysStatus, void *, uint32_t, void *>(observer, 3, nullptr, 2u, nullptr)),
            sysapi::kNullPointer)
      << "Notify";
  CallSlot<void>(observer, 4); // complete-object destructor: leaves the object as it was
  EXPECT_EQ(CallSlot<sysapi::SysStatus>(observer, 6), 0) << "FinalConstruct";
  void *object = nullptr;
  EXPECT_EQ(CallSlot<sysapi::SysStatus>(observer, 0, &sysapi::kIidNotificationHandler, &object), 0);
  EXPECT_EQ(object, observer);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidUnknown, &object), 0);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidFilterableCollection, &object), sysapi::kNoInterface);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidUnknown, nullptr), sysapi::kNullPointer);
  EXPECT_EQ(CallSlot<uint32_t>(observer, 2), 2u) << "the two successful queries added two";
  EXPECT_EQ(CallSlot<uint32_t>(observer, 1), 3u);
  for (int i = 0; i < 2; ++i) observer->Release();
  CallSlot<void>(observer, 5); // deleting destructor: freed here, or the leak checker reports it
}

// Completed like the observer, with a settable count and counted deletions.
int gProbeDeletions = 0;
class Probe : public virtual dvlShared::CZUComObjectRootEx<dvlShared::CZUComMultiThreadModelNoCS>,
              public sysapi::INotificationHandler {
public:
  using PrimaryInterface = sysapi::INotificationHandler;
  static bool ProvidesInterface(const sysapi::Guid &iid) { return iid == sysapi::kIidUnknown; }
  sysapi::SysStatus Notify(void *, uint32_t, sysapi::ISysEnumerator *) override { return 0; }
  void SetCount(uint32_t count) { referenceCount_ = count; }
  static void operator delete(void *p) {
    ++gProbeDeletions;
    ::operator delete(p);
  }
};

TEST(ComObjectCounting, MisuseNeitherWrapsNorDeletes) {
  auto *probe = static_cast<CZUComObject<Probe> *>(CZUComObject<Probe>::CreateInstance());
  probe->SetCount(UINT32_MAX);
  EXPECT_EQ(probe->AddRef(), UINT32_MAX);
  probe->SetCount(0);
  EXPECT_EQ(probe->Release(), 0u);
  EXPECT_EQ(gProbeDeletions, 0);
  probe->SetCount(1);
  EXPECT_EQ((probe->Release(), gProbeDeletions), 1);
}

TEST(SysapiObserver, AnUnusableStoreGivesOutOfMemoryOrFailure) {
  for (auto [lockFailure, status] : {std::pair{-52000, sysapi::kOutOfMemory}, {-52003, sysapi::kFailure}}) {
    dvlShared::DeviceInfoStore store(NoFramework, lockFailure);
    sysapi::INotificationHandler *observer = dvlShared::CreateObserver(store);
    auto *names = new fakes::FakeEnumerator(std::vector<std::wstring>{L"Dev1"});
    EXPECT_EQ(observer->Notify(nullptr, 2, names), status);
    names->Release();
    observer->Release();
  }
}

using devtest::FakeSystem;
using devtest::kSystemApiError;

class DeviceLookup : public ::testing::Test {
protected:
  ViStatus Resolve(const char *name, const char *options = "") {
    return system.Resolve(name, options, record = {});
  }

  FakeSystem system;
  DeviceRecord record;
};

TEST_F(DeviceLookup, BackendTextIsNarrowedAndAllowMultipleSessionsComesFromEachOpen) {
  system.framework->devices = {{.name = L"PXI1Slot4", .backend = {wchar_t(0x141), L'b'}}};
  const char *multiple = "DriverSetup=allowMultipleSessions:1";
  ASSERT_EQ(Resolve("Analyzer", multiple), VI_SUCCESS);
  EXPECT_EQ(record.deviceName + record.deviceIdentifier, L"AnalyzerPXI1Slot4");
  EXPECT_EQ(record.backendResourceText, "Ab") << "each unit cut to its low 8 bits";
  EXPECT_TRUE(record.allowMultipleSessions);
  ASSERT_EQ(Resolve("ANALYZER", multiple), VI_SUCCESS);
  EXPECT_TRUE(system.fromCache && record.allowMultipleSessions);
  ASSERT_EQ(Resolve("Analyzer"), VI_SUCCESS);
  EXPECT_EQ(std::pair(record.allowMultipleSessions, system.framework->findCalls.load()), std::pair(false, 1));
}

TEST_F(DeviceLookup, ExpertsAreAskedInProbeOrderAndListedByName) {
  system.framework->experts = {L"//localhost/zu-rfaccessory", L"//localhost/zu-quib", L"//localhost/pimlo",
                               L"//localhost/zu-lem"};
  system.framework->devices = {{.name = L"Dev1"}};
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_EQ(system.framework->lastExpertList, L"//localhost/pimlo,zu-lem,zu-quib,zu-quib,zu-rfaccessory");
  std::vector<std::wstring> expected;
  for (const wchar_t *name : dvlShared::ExpertProbeOrder())
    expected.push_back(std::wstring(L"//localhost/") + name);
  EXPECT_EQ(system.framework->expertQuestions, expected);
}

TEST_F(DeviceLookup, AFailedFrameworkIsTriedAgainAndTheObserverRegisteredOnSuccess) {
  fakes::gInstantiateFailure = sysapi::kNullPointer;
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  fakes::gInstantiateFailure = 0;
  system.framework->registerFailure = sysapi::kOutOfMemory;
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(system.framework->handler, nullptr);
  system.framework->registerFailure = 0;
  system.framework->devices = {{.name = L"Dev1"}};
  EXPECT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_TRUE(system.framework->handler != nullptr && fakes::gInstantiations == 3);
}

// A number N stands for "Unexpected ZU System API Error: N.".
const std::tuple<const char *, void (*)(FakeSystem &), const char *> kFailures[] = {
    {"no experts", [](FakeSystem &s) { s.framework->experts.clear(); },
     "Internal Error: no system API experts for supported VEXA devices were found."},
    {"framework creation", [](FakeSystem &) { fakes::gInstantiateFailure = sysapi::kNullPointer; },
     "-2147467261"},
    {"observer registration", [](FakeSystem &s) { s.framework->registerFailure = sysapi::kOutOfMemory; },
     "-2147024882"},
    {"search", [](FakeSystem &s) { s.framework->findFailure = static_cast<sysapi::SysStatus>(0x80004001); },
     "-2147467263"},
    {"collection not filterable", [](FakeSystem &s) { s.framework->collectionFilterable = false; },
     "-2147467262"},
    {"presence query", [](FakeSystem &s) { s.framework->devices[0].presenceFailure = sysapi::kFailure; },
     "-2147467259"},
};

TEST(DeviceLookupFailure, EachFailureHasItsStatusAndNothingIsStored) {
  for (const auto &[what, arrange, elaboration] : kFailures) {
    SCOPED_TRACE(what);
    FakeSystem system;
    system.framework->devices = {{.name = L"Dev1"}};
    arrange(system);
    DeviceRecord record;
    EXPECT_EQ(system.Resolve("Dev1", "", record), kSystemApiError);
    const devtest::ThreadError error = devtest::ReadThreadError();
    const std::string text = elaboration;
    EXPECT_EQ(std::tuple(error.primary, error.elaboration, system.store.Count()),
              std::tuple(kSystemApiError,
                         text[0] == '-' ? "Unexpected ZU System API Error: " + text + "." : text, size_t{0}));
  }
}

} // namespace
