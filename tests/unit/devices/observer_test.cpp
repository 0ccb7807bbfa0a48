#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "dvlShared/ComObject.h"
#include "dvlShared/SysapiObserver.h"

namespace {

using devtest::StoredDevice;
using dvlShared::CZUComMultiThreadModelNoCS;
using dvlShared::CZUComObject;
using dvlShared::CZUComObjectRootEx;
using dvlShared::DeviceRecord;

ViStatus NoFramework(sysapi::ISysFramework *&) { return devtest::kSystemApiError; }

// Delivers a change of `names` as the system configuration library would.
sysapi::SysStatus Notify(sysapi::INotificationHandler *observer, uint32_t kind, std::vector<std::wstring> names) {
  auto *enumerator = new fakes::FakeEnumerator(std::move(names));
  const sysapi::SysStatus status = observer->Notify(nullptr, kind, enumerator);
  enumerator->Release();
  return status;
}

// Calls position `slot` of the object's virtual table.
template <class Result, class... Args> Result CallSlot(void *object, int slot, Args... args) {
  void **table = *static_cast<void ***>(object);
  return reinterpret_cast<Result (*)(void *, Args...)>(table[slot])(object, args...);
}

// A class completed like the observer, whose count can be set and whose
// deletions can be counted.
int gProbeDeletions = 0;
class Probe : public virtual CZUComObjectRootEx<CZUComMultiThreadModelNoCS>, public sysapi::INotificationHandler {
public:
  using PrimaryInterface = sysapi::INotificationHandler;
  static bool ProvidesInterface(const sysapi::Guid &iid) { return iid == sysapi::kIidUnknown; }
  sysapi::SysStatus Notify(void *, uint32_t kind, sysapi::ISysEnumerator *) override { return 1000 + kind; }
  void SetCount(uint32_t count) { referenceCount_ = count; }
  static void operator delete(void *p) {
    ++gProbeDeletions;
    ::operator delete(p);
  }
};

TEST(ComObjectLayout, NotifyAndTheDeletingDestructorSitAtPositionsThreeAndFive) {
  gProbeDeletions = 0;
  sysapi::INotificationHandler *probe = CZUComObject<Probe>::CreateInstance();
  EXPECT_EQ((CallSlot<sysapi::SysStatus, void *, uint32_t, void *>(probe, 3, nullptr, 7u, nullptr)), 1007);
  CallSlot<void>(probe, 5);
  EXPECT_EQ(gProbeDeletions, 1);
}

TEST(ComObjectCounting, MisuseNeitherWrapsNorDeletes) {
  gProbeDeletions = 0;
  auto *probe = static_cast<CZUComObject<Probe> *>(CZUComObject<Probe>::CreateInstance());
  probe->SetCount(UINT32_MAX);
  EXPECT_EQ(probe->AddRef(), UINT32_MAX);
  probe->SetCount(0);
  EXPECT_EQ(probe->Release(), 0u);
  EXPECT_EQ(gProbeDeletions, 0);
  probe->SetCount(1);
  probe->Release();
  EXPECT_EQ(gProbeDeletions, 1);
}

TEST(SysapiObserver, HasTheSameLayoutAndAnswersItsTwoInterfacesOnly) {
  dvlShared::DeviceInfoStore store(NoFramework);
  sysapi::INotificationHandler *observer = dvlShared::CreateObserver(store);
  ASSERT_NE(observer, nullptr);
  EXPECT_EQ((CallSlot<sysapi::SysStatus, void *, uint32_t, void *>(observer, 3, nullptr, 1u, nullptr)),
            sysapi::kNullPointer);
  CallSlot<void>(observer, 4);
  EXPECT_EQ(CallSlot<sysapi::SysStatus>(observer, 6), 0);
  void *object = nullptr;
  EXPECT_EQ(CallSlot<sysapi::SysStatus>(observer, 0, &sysapi::kIidNotificationHandler, &object), 0);
  EXPECT_EQ(object, observer);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidUnknown, &object), 0);
  EXPECT_EQ(object, observer);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidFilterableCollection, &object), sysapi::kNoInterface);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidUnknown, nullptr), sysapi::kNullPointer);
  EXPECT_EQ(CallSlot<uint32_t>(observer, 2), 2u) << "the two successful queries added two";
  EXPECT_EQ(CallSlot<uint32_t>(observer, 1), 3u);
  observer->Release();
  observer->Release();
  CallSlot<void>(observer, 5); // deleting destructor: freed here, or the leak checker reports it
}

// Through the observer the lookup registered with the framework.
TEST(ObserverNotification, EachNameDropsItsBaseNameAndIdentifierAndAVanishedOneStopsNothing) {
  devtest::FakeSystem system;
  system.framework->devices = {{.name = L"Dev7"}};
  system.framework->resourcesByName[L"//host/Dev9"] = {.name = L"Dev8"};
  DeviceRecord record;
  ASSERT_EQ(system.Resolve("Dev7", "", record), VI_SUCCESS);
  system.store.Insert(StoredDevice(L"Alias8", L"Dev8"));
  system.store.Insert(StoredDevice(L"Other", L"Dev9"));
  sysapi::INotificationHandler *observer = system.framework->handler;
  ASSERT_NE(observer, nullptr);
  EXPECT_EQ(Notify(observer, 2, {}), 0);
  EXPECT_EQ(observer->Notify(nullptr, 2, nullptr), sysapi::kNullPointer);
  EXPECT_EQ(system.store.Count(), 3u) << "no names change nothing";

  EXPECT_EQ(Notify(observer, 5, {L"Dev7", L"//host/Dev9"}), sysapi::kFailure) << "the first failure is returned";
  EXPECT_EQ(system.store.Count(), 0u) << "Dev7 and Other by base name, Alias8 by the resource's identifier";
  devtest::ThreadError error = devtest::ReadThreadError();
  EXPECT_EQ(error.primary, devtest::kSystemApiError);
  EXPECT_EQ(error.elaboration, "Unexpected ZU System API Error: -2147023728.");
}

TEST(SysapiObserver, AnUnusableStoreGivesOutOfMemoryOrFailure) {
  for (auto [lockFailure, status] : {std::pair{-52000, sysapi::kOutOfMemory}, {-52003, sysapi::kFailure}}) {
    dvlShared::DeviceInfoStore store(NoFramework, lockFailure);
    sysapi::INotificationHandler *observer = dvlShared::CreateObserver(store);
    EXPECT_EQ(Notify(observer, 2, {L"Dev1"}), status);
    observer->Release();
  }
}

} // namespace
