#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"

namespace {

using devtest::StoredDevice;
using dvlShared::DeviceInfoStore;
using dvlShared::DeviceRecord;

constexpr ViStatus kOutOfMemory = static_cast<ViStatus>(0xBFFA0056);

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
  const std::optional<DeviceRecord> record = Find(store, L"dev1");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->deviceName, L"Dev1");
  EXPECT_EQ(record->deviceIdentifier, L"PXI1Slot4");
  EXPECT_EQ(record->moduleKind, 5u);
  EXPECT_TRUE(record->isSimulatedDevice);
  EXPECT_FALSE(record->allowMultipleSessions) << "decided by each open";
}

TEST(DeviceInfoStore, ForgetAndInvalidateRemoveOnlyWhatTheyName) {
  DeviceInfoStore store(NoFramework);
  for (const wchar_t *name : {L"A", L"B", L"C"}) store.Insert(StoredDevice(name, name));
  EXPECT_EQ(store.Forget("b"), VI_SUCCESS);
  EXPECT_FALSE(Find(store, L"B"));
  EXPECT_EQ(store.Forget("Unknown"), VI_SUCCESS);
  EXPECT_EQ(store.Forget(nullptr), VI_SUCCESS);
  EXPECT_EQ(store.InvalidateByNames({L"//host/A"}), devtest::kSystemApiError);
  EXPECT_EQ(store.Count(), 2u) << "nothing invalidated before the framework is there";
}

TEST(DeviceInfoStore, UnusableLockFailsEveryOperationAndTheResolve) {
  DeviceInfoStore broken(NoFramework, zuapalerr_softwareFaultAPALInternalUseOnly);
  const ViStatus mapped = zumxl::MapErrorCode(zuapalerr_softwareFaultAPALInternalUseOnly);
  ASSERT_LT(mapped, 0);
  DeviceRecord record;
  bool found = true;
  EXPECT_EQ(broken.LookUp(L"A", record, found), mapped);
  EXPECT_FALSE(found);
  EXPECT_EQ(broken.Insert(StoredDevice(L"A", L"A")), mapped);
  EXPECT_EQ(broken.Forget("A"), mapped);
  EXPECT_EQ(broken.InvalidateByNames({L"A"}), mapped);
  EXPECT_EQ(broken.Count(), 0u);

  devtest::FakeSystem system;
  DeviceInfoStore outOfMemory(NoFramework, zuapalerr_memoryFull);
  bool fromCache = true;
  EXPECT_EQ(devtest::ResolveWith(outOfMemory, *system.discovery, "Dev1", "", record, fromCache), kOutOfMemory);
  EXPECT_FALSE(fromCache);
  devtest::ThreadError error = devtest::ReadThreadError();
  EXPECT_EQ(error.primary, kOutOfMemory);
  EXPECT_EQ(error.elaboration, "Internal Error: Failed to initialize the device info store lock.");
  EXPECT_EQ(system.framework->findCalls, 0);
}

} // namespace
