// The device lookup over fake system configuration objects: what a found
// device yields, the expert list, and the status of every way it can fail.
#include <gtest/gtest.h>

#include "DeviceTestSupport.h"

namespace {

using devtest::FakeSystem;
using devtest::kNotFound;
using devtest::kSystemApiError;
using devtest::ReadThreadError;
using dvlShared::DeviceRecord;

constexpr wchar_t kPimlo[] = L"//localhost/pimlo";

class DeviceLookup : public ::testing::Test {
protected:
  ViStatus Resolve(const char *name, const char *options = "") {
    record = DeviceRecord{};
    return system.Resolve(name, options, record);
  }

  FakeSystem system;
  DeviceRecord record;
};

TEST_F(DeviceLookup, BackendTextIsNarrowedAndTheFoundDeviceStored) {
  system.framework->devices = {{.name = L"PXI1Slot4", .alias = L"Analyzer", .backend = std::wstring{wchar_t(0x141), L'b'}}};
  ASSERT_EQ(Resolve("Analyzer"), VI_SUCCESS);
  EXPECT_EQ(record.deviceName, L"Analyzer");
  EXPECT_EQ(record.deviceIdentifier, L"PXI1Slot4");
  EXPECT_EQ(record.backendResourceText, "Ab");
  EXPECT_EQ(system.framework->lastExpertList, L"//localhost/zu-vexa");
  ASSERT_EQ(Resolve("ANALYZER"), VI_SUCCESS);
  EXPECT_TRUE(system.fromCache);
  EXPECT_EQ(system.framework->findCalls, 1);
}

TEST_F(DeviceLookup, AllowMultipleSessionsComesFromTheDriverSetupOnBothPaths) {
  system.framework->devices = {{.name = L"Dev1"}};
  ASSERT_EQ(Resolve("Dev1", "DriverSetup=allowMultipleSessions:1"), VI_SUCCESS);
  EXPECT_TRUE(record.allowMultipleSessions);
  ASSERT_EQ(Resolve("Dev1", "DriverSetup=allowMultipleSessions:1"), VI_SUCCESS);
  EXPECT_TRUE(system.fromCache);
  EXPECT_TRUE(record.allowMultipleSessions);
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_FALSE(record.allowMultipleSessions);
}

TEST_F(DeviceLookup, ExpertsAreListedInProbeOrderAndAskedOnce) {
  system.framework->experts = {L"//localhost/zu-rfaccessory", L"//localhost/zu-quib", kPimlo, L"//localhost/zu-lem"};
  system.framework->devices = {{.name = L"Dev1"}};
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_EQ(system.framework->lastExpertList, L"//localhost/pimlo,zu-lem,zu-quib,zu-quib,zu-rfaccessory");
  std::vector<std::wstring> expected;
  for (const wchar_t *name : dvlShared::ExpertProbeOrder()) expected.push_back(std::wstring(L"//localhost/") + name);
  EXPECT_EQ(system.framework->expertQuestions, expected);
  ASSERT_EQ(Resolve("Dev2"), -200220) << "not found with the pimlo expert installed";
  EXPECT_EQ(system.framework->expertQuestions.size(), expected.size()) << "list and pimlo answer kept";
}

TEST_F(DeviceLookup, AFailedFrameworkIsTriedAgainAndTheObserverRegisteredOnSuccess) {
  system.framework->experts.clear();
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(system.framework->handler, nullptr);
  system.framework->experts = {L"//localhost/zu-lem"};
  system.framework->registerFailure = sysapi::kOutOfMemory;
  EXPECT_EQ(Resolve("Dev1"), kSystemApiError);
  EXPECT_EQ(system.framework->handler, nullptr);
  system.framework->registerFailure = 0;
  system.framework->devices = {{.name = L"Dev1"}};
  EXPECT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_NE(system.framework->handler, nullptr);
  EXPECT_EQ(fakes::Loader().instantiations, 3);
}

struct FailureCase {
  const char *what;
  std::vector<fakes::FakeDevice> devices;
  void (*arrange)(FakeSystem &);
  ViStatus status;
  // Recorded text: nullptr when nothing is recorded (the caller records it);
  // "-N" for the unexpected system API error of status -N.
  const char *elaboration;
};

const fakes::FakeDevice kDev1{.name = L"Dev1"}, kUnknownProduct{.name = L"Dev1", .productId = 0x9999};
void Nothing(FakeSystem &) {}
void WithPimlo(FakeSystem &s) { s.framework->experts.emplace_back(kPimlo); }
std::string SystemApiError(const char *code) { return std::string("Unexpected ZU System API Error: ") + code + "."; }

const FailureCase kFailures[] = {
    {"not found", {}, Nothing, kNotFound, nullptr},
    {"not found, pimlo installed", {}, WithPimlo, -200220, nullptr},
    {"unknown product", {kUnknownProduct}, Nothing, kNotFound, nullptr},
    {"unknown product, pimlo installed", {kUnknownProduct}, WithPimlo, static_cast<ViStatus>(0xBFFA4003), nullptr},
    {"two devices with one alias", {{.name = L"Dev1", .alias = L"dev1"}, {.name = L"Dev2", .alias = L"Dev1"}}, Nothing,
     kNotFound, "Two or more devices in the system have the specified device name or LEM alias."},
    {"no experts", {kDev1}, [](FakeSystem &s) { s.framework->experts.clear(); }, kSystemApiError,
     "Internal Error: no system API experts for supported VEXA devices were found."},
    {"library missing", {kDev1}, [](FakeSystem &) { fakes::Loader().libraryMissing = true; }, kSystemApiError, "-2147467259"},
    {"framework creation", {kDev1}, [](FakeSystem &) { fakes::Loader().instantiateFailure = sysapi::kNullPointer; },
     kSystemApiError, "-2147467261"},
    {"observer registration", {kDev1}, [](FakeSystem &s) { s.framework->registerFailure = sysapi::kOutOfMemory; },
     kSystemApiError, "-2147024882"},
    {"search", {kDev1}, [](FakeSystem &s) { s.framework->findFailure = static_cast<sysapi::SysStatus>(0x80004001); },
     kSystemApiError, "-2147467263"},
    {"collection not filterable", {kDev1}, [](FakeSystem &s) { s.framework->collectionFilterable = false; },
     kSystemApiError, "-2147467262"},
    {"presence query", {{.name = L"Dev1", .presenceFailure = sysapi::kFailure}}, Nothing, kSystemApiError, "-2147467259"},
};

TEST(DeviceLookupFailure, EachFailureHasItsStatusAndNothingIsStored) {
  for (const FailureCase &c : kFailures) {
    SCOPED_TRACE(c.what);
    FakeSystem system;
    system.framework->devices = c.devices;
    c.arrange(system);
    DeviceRecord record;
    EXPECT_EQ(system.Resolve("Dev1", "", record), c.status);
    const devtest::ThreadError error = ReadThreadError();
    EXPECT_EQ(error.primary, c.elaboration != nullptr ? c.status : 0);
    const std::string text = c.elaboration == nullptr ? "" : c.elaboration;
    EXPECT_EQ(error.elaboration, text.starts_with("-") ? SystemApiError(c.elaboration) : text);
    EXPECT_EQ(system.store.Count(), 0u);
  }
}

} // namespace
