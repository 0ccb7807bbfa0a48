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

// Calls position `slot` of the object's virtual table.
template <class Result, class... Args> Result CallSlot(void *object, int slot, Args... args) {
  void **table = *static_cast<void ***>(object);
  return reinterpret_cast<Result (*)(void *, Args...)>(table[slot])(object, args...);
}

// A class completed like the observer, whose deletions can be counted.
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

TEST(ComObjectLayout, EveryPositionHoldsItsOperation) {
  gProbeDeletions = 0;
  sysapi::INotificationHandler *probe = CZUComObject<Probe>::CreateInstance();
  ASSERT_NE(probe, nullptr);

  void *self = nullptr;
  EXPECT_EQ(CallSlot<sysapi::SysStatus>(probe, 0, &sysapi::kIidUnknown, &self), 0); // query-interface
  EXPECT_EQ(self, probe);
  EXPECT_EQ(CallSlot<uint32_t>(probe, 1), 3u);                                      // add-reference
  EXPECT_EQ(CallSlot<uint32_t>(probe, 2), 2u);                                      // release
  EXPECT_EQ((CallSlot<sysapi::SysStatus, void *, uint32_t, void *>(probe, 3, nullptr, 7u, nullptr)), 1007);
  CallSlot<void>(probe, 4); // does nothing: the object stays usable
  EXPECT_EQ(probe->AddRef(), 3u);
  EXPECT_EQ(CallSlot<sysapi::SysStatus>(probe, 6), 0);
  EXPECT_EQ(gProbeDeletions, 0);
  CallSlot<void>(probe, 5); // deleting destructor
  EXPECT_EQ(gProbeDeletions, 1);
}

TEST(ComObjectLayout, TheObserverHasTheSameLayout) {
  dvlShared::DeviceInfoStore store([](sysapi::ISysFramework *&) { return devtest::kSystemApiError; });
  sysapi::INotificationHandler *observer = dvlShared::CreateObserver(store);
  ASSERT_NE(observer, nullptr);
  EXPECT_EQ((CallSlot<sysapi::SysStatus, void *, uint32_t, void *>(observer, 3, nullptr, 1u, nullptr)),
            sysapi::kNullPointer);
  CallSlot<void>(observer, 4);
  EXPECT_EQ(CallSlot<sysapi::SysStatus>(observer, 6), 0);
  EXPECT_EQ(CallSlot<uint32_t>(observer, 1), 2u);
  EXPECT_EQ(CallSlot<uint32_t>(observer, 2), 1u);
  CallSlot<void>(observer, 5); // freed here, or the leak checker reports it
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

TEST(SysapiObserver, AnswersItsTwoInterfacesOnly) {
  dvlShared::DeviceInfoStore store([](sysapi::ISysFramework *&) { return devtest::kSystemApiError; });
  sysapi::INotificationHandler *observer = dvlShared::CreateObserver(store);
  void *object = nullptr;
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidNotificationHandler, &object), 0);
  EXPECT_EQ(object, observer);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidUnknown, &object), 0);
  EXPECT_EQ(object, observer);
  object = observer;
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidFilterableCollection, &object), sysapi::kNoInterface);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(observer->QueryInterface(sysapi::kIidUnknown, nullptr), sysapi::kNullPointer);
  EXPECT_EQ(observer->Release(), 2u); // two successful queries added two
  EXPECT_EQ(observer->Release(), 1u);
  EXPECT_EQ(observer->Release(), 0u);
}

// Notifications go through the observer the lookup registered with the
// framework, as the system configuration library would deliver them.
class ObserverNotification : public ::testing::Test {
protected:
  void SetUp() override {
    system.framework->devices = {{.name = L"Dev7"}};
    DeviceRecord record;
    ASSERT_EQ(system.Resolve("Dev7", "", record), VI_SUCCESS);
    ASSERT_NE(system.framework->handler, nullptr);
    system.store.Insert(StoredDevice(L"Alias8", L"Dev8"));
    system.store.Insert(StoredDevice(L"Other", L"Dev9"));
  }

  sysapi::SysStatus Notify(uint32_t kind, std::vector<std::wstring> names) {
    auto *enumerator = fakes::FakeEnumerator::OfNames(std::move(names));
    sysapi::SysStatus status = system.framework->handler->Notify(nullptr, kind, enumerator);
    enumerator->Release();
    return status;
  }

  bool Has(const std::wstring &name) {
    DeviceRecord record;
    bool found = false;
    system.store.LookUp(name, record, found);
    return found;
  }

  devtest::FakeSystem system;
};

TEST_F(ObserverNotification, KindOneChangesNothing) {
  EXPECT_EQ(Notify(1, {L"//host/Dev7", L"Dev8"}), 0);
  EXPECT_EQ(system.store.Count(), 3u);
  EXPECT_TRUE(system.framework->resourceNameQuestions.empty());
}

TEST_F(ObserverNotification, NoNamesChangeNothing) {
  EXPECT_EQ(Notify(2, {}), 0);
  EXPECT_EQ(system.store.Count(), 3u);
  EXPECT_EQ(system.framework->handler->Notify(nullptr, 2, nullptr), sysapi::kNullPointer);
}

TEST_F(ObserverNotification, ANameRemovesItsBaseNameAndTheResourceIdentifier) {
  system.framework->resourcesByName[L"//host/Dev7"] = {.name = L"Dev8"};
  EXPECT_EQ(Notify(2, {L"//host/Dev7"}), 0);
  EXPECT_FALSE(Has(L"Dev7"));
  EXPECT_FALSE(Has(L"Alias8"));
  EXPECT_TRUE(Has(L"Other"));
  ASSERT_EQ(system.framework->resourceNameQuestions.size(), 1u);
  EXPECT_EQ(system.framework->resourceNameQuestions[0], L"//host/Dev7");
}

TEST_F(ObserverNotification, AVanishedDeviceDoesNotStopTheWalk) {
  ASSERT_EQ(Notify(5, {L"Dev7", L"//host/Dev9"}), sysapi::kFailure) << "the first failure is returned";
  EXPECT_FALSE(Has(L"Dev7")); // removed by its base name before the query failed
  EXPECT_FALSE(Has(L"Other")); // the later name is still invalidated
  devtest::ThreadError error = devtest::ReadThreadError();
  EXPECT_EQ(error.primary, devtest::kSystemApiError);
  EXPECT_EQ(error.elaboration, "Unexpected ZU System API Error: -2147023728.");
}

TEST(SysapiObserver, AnUnusableStoreGivesOutOfMemoryOrFailure) {
  auto notify = [](int64_t lockFailure) {
    dvlShared::DeviceInfoStore store([](sysapi::ISysFramework *&) { return devtest::kSystemApiError; },
                                     lockFailure);
    sysapi::INotificationHandler *observer = dvlShared::CreateObserver(store);
    auto *names = fakes::FakeEnumerator::OfNames({L"Dev1"});
    sysapi::SysStatus status = observer->Notify(nullptr, 2, names);
    names->Release();
    observer->Release();
    return status;
  };
  EXPECT_EQ(notify(-52000), sysapi::kOutOfMemory);
  EXPECT_EQ(notify(-52003), sysapi::kFailure);
}

} // namespace
