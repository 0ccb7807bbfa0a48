#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "dvlShared/SysapiFramework.h"

namespace {

using devtest::kNotFound;
using devtest::kSystemApiError;
using devtest::ReadThreadError;
using dvlShared::DeviceRecord;
using fakes::FakeDevice;

constexpr ViStatus kUnknownProduct = static_cast<ViStatus>(0xBFFA4003);
constexpr ViStatus kNotFoundPimlo = -200220;
constexpr wchar_t kPimlo[] = L"//localhost/pimlo";

class DeviceLookup : public ::testing::Test {
protected:
  ViStatus Resolve(const char *name, const char *options = "") {
    record = DeviceRecord{};
    return system.Resolve(name, options, record);
  }
  void Install(std::vector<FakeDevice> devices) { system.framework->devices = std::move(devices); }
  int PimloQuestions() {
    int count = 0;
    for (const auto &question : system.framework->expertQuestions) count += question == kPimlo;
    return count;
  }

  devtest::FakeSystem system;
  DeviceRecord record;
};

TEST_F(DeviceLookup, FindsADeviceByNameAndStoresIt) {
  Install({{.name = L"PXI1Slot4", .backend = L"PXI1::4::INSTR", .productId = 0x1C02}});
  ASSERT_EQ(Resolve("PXI1Slot4"), VI_SUCCESS);
  EXPECT_FALSE(system.fromCache);
  EXPECT_FALSE(system.simulate);
  EXPECT_EQ(record.deviceName, L"PXI1Slot4");
  EXPECT_EQ(record.deviceIdentifier, L"PXI1Slot4");
  EXPECT_EQ(record.backendResourceText, "PXI1::4::INSTR");
  EXPECT_EQ(record.moduleKind, 5u);
  EXPECT_EQ(record.productId, 0x1C02u);
  EXPECT_FALSE(record.isSimulatedDevice);
  EXPECT_EQ(system.framework->lastExpertList, L"//localhost/zu-vexa");
  EXPECT_EQ(system.store.Count(), 1u);
}

TEST_F(DeviceLookup, FindsADeviceByAliasAndKeepsTheAliasAsName) {
  Install({{.name = L"PXI1Slot4", .alias = L"Analyzer", .productId = 0x1B06}});
  ASSERT_EQ(Resolve("Analyzer"), VI_SUCCESS);
  EXPECT_EQ(record.deviceName, L"Analyzer");
  EXPECT_EQ(record.deviceIdentifier, L"PXI1Slot4");
  EXPECT_EQ(record.productId, 0x1B06C4C4u); // the short identifier is extended before routing
  EXPECT_EQ(record.moduleKind, 1u);
}

TEST_F(DeviceLookup, BackendTextIsNarrowedOrAbsentAndTheSystemSimulationFlagIsRead) {
  Install({{.name = L"Dev1", .backend = std::wstring{wchar_t(0x141), L'b'}},
           {.name = L"Dev2", .backend = std::nullopt, .simulated = 1}});
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_EQ(record.backendResourceText, "Ab");
  EXPECT_FALSE(record.isSimulatedDevice);
  ASSERT_EQ(Resolve("Dev2"), VI_SUCCESS);
  EXPECT_EQ(record.backendResourceText, "");
  EXPECT_TRUE(record.isSimulatedDevice); // simulated in the system, not by the options
  EXPECT_FALSE(system.simulate);
  EXPECT_EQ(ReadThreadError().primary, 0);
}

TEST_F(DeviceLookup, TheSecondLookupComesFromTheStore) {
  Install({{.name = L"Dev1"}});
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  ASSERT_EQ(Resolve("DEV1"), VI_SUCCESS);
  EXPECT_TRUE(system.fromCache);
  EXPECT_EQ(record.deviceIdentifier, L"Dev1");
  EXPECT_EQ(system.framework->findCalls, 1);
  EXPECT_EQ(fakes::Loader().instantiations, 1);

  ASSERT_EQ(system.store.Forget("Dev1"), VI_SUCCESS);
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_FALSE(system.fromCache);
  EXPECT_EQ(system.framework->findCalls, 2);
}

TEST_F(DeviceLookup, AllowMultipleSessionsComesFromTheDriverSetupOnBothPaths) {
  Install({{.name = L"Dev1"}});
  ASSERT_EQ(Resolve("Dev1", "DriverSetup=allowMultipleSessions:1"), VI_SUCCESS);
  EXPECT_TRUE(record.allowMultipleSessions);
  ASSERT_EQ(Resolve("Dev1", "DriverSetup=allowMultipleSessions:1"), VI_SUCCESS);
  EXPECT_TRUE(system.fromCache);
  EXPECT_TRUE(record.allowMultipleSessions);
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_FALSE(record.allowMultipleSessions);
}

TEST_F(DeviceLookup, NotFoundDependsOnThePimloExpertWhichIsAskedOnce) {
  ASSERT_EQ(Resolve("Nothing"), kNotFound);
  EXPECT_EQ(ReadThreadError().primary, 0); // the caller records it
  ASSERT_EQ(Resolve("Nothing"), kNotFound);
  EXPECT_EQ(PimloQuestions(), 1);
  EXPECT_EQ(system.store.Count(), 0u);
}

TEST_F(DeviceLookup, NotFoundWithPimloInstalled) {
  system.framework->experts = {kPimlo};
  EXPECT_EQ(Resolve("Nothing"), kNotFoundPimlo);
  EXPECT_EQ(system.framework->lastExpertList, L"//localhost/pimlo");
}

TEST_F(DeviceLookup, TwoDevicesWithOneAliasAreAnError) {
  Install({{.name = L"Dev1", .alias = L"Shared"}, {.name = L"Dev2", .alias = L"Shared"}});
  EXPECT_EQ(Resolve("Shared"), kNotFound);
  devtest::ThreadError error = ReadThreadError();
  EXPECT_EQ(error.primary, kNotFound);
  EXPECT_EQ(error.elaboration, "Two or more devices in the system have the specified device name or LEM alias.");
  EXPECT_EQ(system.store.Count(), 0u);
}

TEST_F(DeviceLookup, HiddenAndExcludedResourcesDoNotCount) {
  Install({{.name = L"Hidden", .alias = L"Shared", .hidden = 1},
           {.name = L"Excluded", .alias = L"Shared", .excluded = true},
           {.name = L"Real", .alias = L"Shared"}});
  ASSERT_EQ(Resolve("Shared"), VI_SUCCESS);
  EXPECT_EQ(record.deviceIdentifier, L"Real");
}

TEST_F(DeviceLookup, OnlyAHiddenValueOfOneHides) {
  Install({{.name = L"NotHidden", .alias = L"Shared", .hidden = 0}, {.name = L"Real", .alias = L"Shared"}});
  EXPECT_EQ(Resolve("Shared"), kNotFound);
  EXPECT_EQ(ReadThreadError().elaboration,
            "Two or more devices in the system have the specified device name or LEM alias.");
}

TEST_F(DeviceLookup, UnknownProductFailsUnlessSimulated) {
  Install({{.name = L"Dev1", .productId = 0x9999}});
  EXPECT_EQ(Resolve("Dev1"), kNotFound);
  EXPECT_EQ(ReadThreadError().primary, 0);

  ASSERT_EQ(Resolve("Dev1", "Simulate=1"), VI_SUCCESS);
  EXPECT_EQ(record.deviceName, L"");
  EXPECT_EQ(record.moduleKind, 1u);
  EXPECT_EQ(record.productId, 0u);
  EXPECT_EQ(system.store.Count(), 0u);
}

TEST_F(DeviceLookup, UnknownProductWithPimloInstalled) {
  system.framework->experts = {L"//localhost/zu-vexa", kPimlo};
  Install({{.name = L"Dev1", .productId = 0x9999}});
  EXPECT_EQ(Resolve("Dev1"), kUnknownProduct);
}

TEST_F(DeviceLookup, SimulatedSessionWithoutADeviceGetsTheDefaultModel) {
  ASSERT_EQ(Resolve("Missing", "Simulate=1,DriverSetup=allowMultipleSessions:1"), VI_SUCCESS);
  EXPECT_TRUE(system.simulate);
  EXPECT_FALSE(system.fromCache);
  EXPECT_EQ(record.deviceName, L"");
  EXPECT_EQ(record.moduleKind, 1u);
  EXPECT_EQ(record.productId, 0u);
  EXPECT_TRUE(record.allowMultipleSessions);
  EXPECT_EQ(PimloQuestions(), 1); // from building the expert list only
}

TEST_F(DeviceLookup, ASimulatedModelLoadsTheLibraryButSearchesNothing) {
  ASSERT_EQ(Resolve("Anything", "Simulate=1,DriverSetup=Model:q122"), VI_SUCCESS);
  EXPECT_EQ(record.moduleKind, 5u);
  EXPECT_EQ(record.productId, 0x1C06u);
  EXPECT_EQ(fakes::Loader().instantiations, 1);
  EXPECT_EQ(system.framework->findCalls, 0);
  EXPECT_EQ(system.store.Count(), 0u);
}

TEST_F(DeviceLookup, ExpertsAreListedInProbeOrderWithQuibTwice) {
  system.framework->experts = {L"//localhost/zu-rfaccessory", L"//localhost/zu-quib", L"//localhost/pimlo",
                               L"//localhost/zu-lem"};
  Install({{.name = L"Dev1"}});
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_EQ(system.framework->lastExpertList, L"//localhost/pimlo,zu-lem,zu-quib,zu-quib,zu-rfaccessory");
  std::vector<std::wstring> expected;
  for (const wchar_t *name : dvlShared::ExpertProbeOrder()) expected.push_back(std::wstring(L"//localhost/") + name);
  EXPECT_EQ(system.framework->expertQuestions, expected);

  ASSERT_EQ(Resolve("Dev2"), kNotFoundPimlo);
  EXPECT_EQ(system.framework->expertQuestions.size(), expected.size()); // list and pimlo answer kept
}

TEST_F(DeviceLookup, NoExpertsIsAnErrorAndTheFrameworkIsTriedAgain) {
  system.framework->experts.clear();
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(ReadThreadError().elaboration,
            "Internal Error: no system API experts for supported VEXA devices were found.");
  EXPECT_EQ(system.framework->registerCalls, 0);

  system.framework->experts = {L"//localhost/zu-lem"};
  Install({{.name = L"Dev1"}});
  EXPECT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_EQ(fakes::Loader().instantiations, 2);
}

TEST_F(DeviceLookup, AMissingLibraryIsReportedAsUnexpectedFailure) {
  fakes::Loader().libraryMissing = true;
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  devtest::ThreadError error = ReadThreadError();
  EXPECT_EQ(error.primary, kSystemApiError);
  EXPECT_EQ(error.elaboration, "Unexpected ZU System API Error: -2147467259.");
}

TEST_F(DeviceLookup, FrameworkCreationAndRegistrationFailures) {
  fakes::Loader().instantiateFailure = static_cast<sysapi::SysStatus>(0x80070057);
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(ReadThreadError().elaboration, "Unexpected ZU System API Error: -2147024809.");

  fakes::Loader().instantiateFailure = 0;
  system.framework->registerFailure = sysapi::kOutOfMemory;
  Ivi_ClearErrorInfo(0);
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(ReadThreadError().elaboration, "Unexpected ZU System API Error: -2147024882.");
  EXPECT_EQ(system.framework->handler, nullptr);

  system.framework->registerFailure = 0;
  Install({{.name = L"Dev1"}});
  EXPECT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_NE(system.framework->handler, nullptr);
}

TEST_F(DeviceLookup, LibraryFailuresDuringTheSearch) {
  Install({{.name = L"Dev1"}, {.name = L"Broken", .presenceFailure = sysapi::kFailure}});
  system.framework->collectionFilterable = false;
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(ReadThreadError().elaboration, "Unexpected ZU System API Error: -2147467262.");

  system.framework->collectionFilterable = true;
  Ivi_ClearErrorInfo(0);
  EXPECT_EQ(Resolve("Broken"), kSystemApiError);
  EXPECT_EQ(ReadThreadError().elaboration, "Unexpected ZU System API Error: -2147467259.");

  system.framework->findFailure = static_cast<sysapi::SysStatus>(0x80004001);
  Ivi_ClearErrorInfo(0);
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(ReadThreadError().elaboration, "Unexpected ZU System API Error: -2147467263.");
  EXPECT_EQ(system.store.Count(), 0u);
}

} // namespace
