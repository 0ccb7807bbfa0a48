#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "dvlShared/ComObject.h"
#include "dvlShared/SysapiObserver.h"

namespace {

using dvlShared::CZUComObject;

ViStatus NoFramework(sysapi::ISysFramework *&) { return devtest::kSystemApiError; }

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
            sysapi::kNullPointer) << "Notify";
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
  observer->Release();
  observer->Release();
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
  probe->Release();
  EXPECT_EQ(gProbeDeletions, 1);
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

} // namespace
