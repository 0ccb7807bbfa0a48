#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "dvlShared/DeviceInfoStore.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"

namespace {

using devtest::StoredDevice;
using dvlShared::DeviceInfoStore;
using dvlShared::DeviceRecord;

ViStatus NoFramework(sysapi::ISysFramework *&framework) {
  framework = nullptr;
  return devtest::kSystemApiError;
}

// The stored record of `name`, if any.
std::optional<DeviceRecord> Find(DeviceInfoStore &store, const std::wstring &name) {
  DeviceRecord record;
  bool found = true;
  EXPECT_EQ(store.LookUp(name, record, found), VI_SUCCESS);
  return found ? std::optional(record) : std::nullopt;
}

TEST(DeviceInfoStore, OneEntryPerNameWhateverTheCaseCopiedOutWithoutAllowMultipleSessions) {
  DeviceInfoStore store(NoFramework);
  DeviceRecord stored = StoredDevice(L"Dev1", L"PXI1Slot4", 5);
  stored.isSimulatedDevice = true;
  stored.allowMultipleSessions = true;
  ASSERT_EQ(store.Insert(stored), VI_SUCCESS);
  ASSERT_EQ(store.Insert(StoredDevice(L"DEV1", L"second")), VI_SUCCESS);
  EXPECT_EQ(store.Count(), 1u);
  EXPECT_FALSE(Find(store, L"Dev1 ")) << "same letters, other length";
  for (const wchar_t *spelling : {L"Dev1", L"dev1"}) {
    const std::optional<DeviceRecord> record = Find(store, spelling);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->deviceName, L"Dev1");
    EXPECT_EQ(record->deviceIdentifier, L"PXI1Slot4");
    EXPECT_EQ(record->backendResourceText, "PXI1::4::INSTR");
    EXPECT_EQ(record->moduleKind, 5u);
    EXPECT_EQ(record->productId, 0x1B01u);
    EXPECT_TRUE(record->isSimulatedDevice);
    EXPECT_FALSE(record->allowMultipleSessions) << "decided by each open";
  }
}

TEST(DeviceInfoStore, ForgetRemovesByNameAndNothingElse) {
  DeviceInfoStore store(NoFramework);
  for (const wchar_t *name : {L"A", L"B", L"C"}) store.Insert(StoredDevice(name, name));
  EXPECT_EQ(store.Forget("b"), VI_SUCCESS);
  EXPECT_FALSE(Find(store, L"B"));
  // Unknown names and null remove nothing and are no error.
  EXPECT_EQ(store.Forget("Unknown"), VI_SUCCESS);
  EXPECT_EQ(store.Forget(nullptr), VI_SUCCESS);
  EXPECT_EQ(store.Count(), 2u);
}

TEST(DeviceInfoStore, UnusableLockFailsEveryOperation) {
  DeviceInfoStore broken(NoFramework, zuapalerr_softwareFaultAPALInternalUseOnly);
  const ViStatus mapped = zumxl::MapErrorCode(zuapalerr_softwareFaultAPALInternalUseOnly);
  ASSERT_LT(mapped, 0);
  DeviceRecord record;
  bool found = true;
  EXPECT_EQ(broken.Usability(), mapped);
  EXPECT_EQ(broken.LookUp(L"A", record, found), mapped);
  EXPECT_FALSE(found);
  EXPECT_EQ(broken.Insert(StoredDevice(L"A", L"A")), mapped);
  EXPECT_EQ(broken.Forget("A"), mapped);
  EXPECT_EQ(broken.InvalidateByNames({L"A"}), mapped);
  EXPECT_EQ(broken.Count(), 0u);
  EXPECT_EQ(DeviceInfoStore(NoFramework, zuapalerr_memoryFull).Usability(), static_cast<ViStatus>(0xBFFA0056));
}

TEST(DeviceInfoStore, InvalidationFailsWhenTheFrameworkCannotBeHad) {
  DeviceInfoStore store(NoFramework);
  store.Insert(StoredDevice(L"A", L"Dev7"));
  EXPECT_EQ(store.InvalidateByNames({L"//host/Dev7"}), devtest::kSystemApiError);
  EXPECT_TRUE(Find(store, L"A")) << "nothing removed before the framework is there";
}

TEST(DeviceInfoStore, ResolveReportsAnUnusableStoreLock) {
  devtest::FakeSystem system;
  DeviceInfoStore broken(NoFramework, zuapalerr_memoryFull);
  DeviceRecord record;
  bool simulate = false, fromCache = true;
  std::atomic<zumxl::LanguageId> language{0};
  ViStatus status = dvlShared::ResolveDeviceWith(broken, *system.discovery, "zuVEXA", "Dev1", "", record,
                                                 &zumodules::ModelTable, &zumodules::DefaultModel,
                                                 simulate, fromCache, language);
  EXPECT_EQ(status, static_cast<ViStatus>(0xBFFA0056));
  EXPECT_FALSE(fromCache);
  devtest::ThreadError error = devtest::ReadThreadError();
  EXPECT_EQ(error.primary, status);
  EXPECT_EQ(error.elaboration, "Internal Error: Failed to initialize the device info store lock.");
  EXPECT_EQ(system.framework->findCalls, 0);
}

} // namespace
