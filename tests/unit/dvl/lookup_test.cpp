// The device lookup over fake system configuration objects.
#include <gtest/gtest.h>

#include "DeviceTestSupport.h"

namespace {

using devtest::FakeSystem;
using devtest::kSystemApiError;
using dvlShared::DeviceRecord;

class DeviceLookup : public ::testing::Test {
protected:
  ViStatus Resolve(const char *name, const char *options = "") {
    record = DeviceRecord{};
    return system.Resolve(name, options, record);
  }

  FakeSystem system;
  DeviceRecord record;
};

TEST_F(DeviceLookup, BackendTextIsNarrowedAndAllowMultipleSessionsComesFromEachOpen) {
  system.framework->devices = {{.name = L"PXI1Slot4", .backend = {wchar_t(0x141), L'b'}}};
  const char *multiple = "DriverSetup=allowMultipleSessions:1";
  ASSERT_EQ(Resolve("Analyzer", multiple), VI_SUCCESS);
  EXPECT_EQ(record.deviceName, L"Analyzer");
  EXPECT_EQ(record.deviceIdentifier, L"PXI1Slot4");
  EXPECT_EQ(record.backendResourceText, "Ab") << "each unit cut to its low 8 bits";
  EXPECT_TRUE(record.allowMultipleSessions);
  ASSERT_EQ(Resolve("ANALYZER", multiple), VI_SUCCESS);
  EXPECT_TRUE(system.fromCache);
  EXPECT_TRUE(record.allowMultipleSessions);
  ASSERT_EQ(Resolve("Analyzer"), VI_SUCCESS);
  EXPECT_FALSE(record.allowMultipleSessions);
  EXPECT_EQ(system.framework->findCalls, 1);
}

TEST_F(DeviceLookup, ExpertsAreAskedInProbeOrderAndListedByName) {
  system.framework->experts = {L"//localhost/zu-rfaccessory", L"//localhost/zu-quib", L"//localhost/pimlo",
                               L"//localhost/zu-lem"};
  system.framework->devices = {{.name = L"Dev1"}};
  ASSERT_EQ(Resolve("Dev1"), VI_SUCCESS);
  EXPECT_EQ(system.framework->lastExpertList, L"//localhost/pimlo,zu-lem,zu-quib,zu-quib,zu-rfaccessory");
  std::vector<std::wstring> expected;
  for (const wchar_t *name : dvlShared::ExpertProbeOrder()) expected.push_back(std::wstring(L"//localhost/") + name);
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
  EXPECT_NE(system.framework->handler, nullptr);
  EXPECT_EQ(fakes::gInstantiations, 3);
}

// A number N stands for "Unexpected ZU System API Error: N.".
struct FailureCase {
  const char *what;
  void (*arrange)(FakeSystem &);
  const char *elaboration;
};

const FailureCase kFailures[] = {
    {"no experts", [](FakeSystem &s) { s.framework->experts.clear(); },
     "Internal Error: no system API experts for supported VEXA devices were found."},
    {"framework creation", [](FakeSystem &) { fakes::gInstantiateFailure = sysapi::kNullPointer; },
     "-2147467261"},
    {"observer registration", [](FakeSystem &s) { s.framework->registerFailure = sysapi::kOutOfMemory; },
     "-2147024882"},
    {"search", [](FakeSystem &s) { s.framework->findFailure = static_cast<sysapi::SysStatus>(0x80004001); },
     "-2147467263"},
    {"collection not filterable", [](FakeSystem &s) { s.framework->collectionFilterable = false; }, "-2147467262"},
    {"presence query", [](FakeSystem &s) { s.framework->devices[0].presenceFailure = sysapi::kFailure; },
     "-2147467259"},
};

TEST(DeviceLookupFailure, EachFailureHasItsStatusAndNothingIsStored) {
  for (const FailureCase &c : kFailures) {
    SCOPED_TRACE(c.what);
    FakeSystem system;
    system.framework->devices = {{.name = L"Dev1"}};
    c.arrange(system);
    DeviceRecord record;
    EXPECT_EQ(system.Resolve("Dev1", "", record), kSystemApiError);
    const devtest::ThreadError error = devtest::ReadThreadError();
    EXPECT_EQ(error.primary, kSystemApiError);
    const std::string text = c.elaboration;
    EXPECT_EQ(error.elaboration, text.starts_with("-") ? "Unexpected ZU System API Error: " + text + "." : text);
    EXPECT_EQ(system.store.Count(), 0u);
  }
}

} // namespace
