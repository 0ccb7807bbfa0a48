#include <dlfcn.h>
#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "StandinSupport.h"
#include "redirector/api/ExportDeclarations.h"

namespace {

using devtest::ResolveInProcess;
using devtest::Searches;
using devtest::StandinDevice;

class StandinLookup : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(dlopen("libzusysapi.so", RTLD_NOW | RTLD_NOLOAD), nullptr) << "stand-in not loaded";
    SysapiStandin_AddExpert("zu-vexa");
    Ivi_ClearErrorInfo(0);
  }
};

TEST_F(StandinLookup, FindsByAliasThenAnswersFromTheStore) {
  SysapiStandinDevice device = StandinDevice("SaDev1", "SaBench", 0x1C02);
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);

  int64_t before = Searches();
  devtest::Resolution first = ResolveInProcess("SaBench");
  ASSERT_EQ(first.status, VI_SUCCESS);
  EXPECT_FALSE(first.fromCache);
  EXPECT_EQ(first.record.deviceName, L"SaBench");
  EXPECT_EQ(first.record.deviceIdentifier, L"SaDev1");
  EXPECT_EQ(first.record.backendResourceText, "PXI1Slot2");
  EXPECT_EQ(first.record.moduleKind, 5u);
  EXPECT_EQ(Searches(), before + 1);

  devtest::Resolution second = ResolveInProcess("sabench");
  ASSERT_EQ(second.status, VI_SUCCESS);
  EXPECT_TRUE(second.fromCache);
  EXPECT_EQ(second.record.deviceIdentifier, L"SaDev1");
  EXPECT_EQ(Searches(), before + 1);
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK), 1);
}

TEST_F(StandinLookup, ANotificationFromTheLibraryThreadInvalidates) {
  SysapiStandinDevice device = StandinDevice("SaDev2", nullptr, 0x1B01);
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
  ASSERT_EQ(ResolveInProcess("SaDev2").status, VI_SUCCESS);
  ASSERT_TRUE(ResolveInProcess("SaDev2").fromCache);

  const char *names[] = {"//localhost/SaDev2"};
  ASSERT_EQ(SysapiStandin_NotifyChange(2, names, 1), 0);
  devtest::Resolution again = ResolveInProcess("SaDev2");
  ASSERT_EQ(again.status, VI_SUCCESS);
  EXPECT_FALSE(again.fromCache);

  ASSERT_EQ(SysapiStandin_NotifyChange(1, names, 1), 0); // kind 1 is ignored
  EXPECT_TRUE(ResolveInProcess("SaDev2").fromCache);
}

TEST_F(StandinLookup, EveryReferenceButTheFrameworkIsReleased) {
  SysapiStandinDevice a = StandinDevice("SaDev3", "SaPair", 0x1B01);
  SysapiStandinDevice b = StandinDevice("SaDev4", "SaPair", 0x1B01);
  SysapiStandin_AddDevice(&a);
  SysapiStandin_AddDevice(&b);
  EXPECT_EQ(ResolveInProcess("SaPair").status, devtest::kNotFound);
  EXPECT_EQ(ResolveInProcess("SaDev3").status, VI_SUCCESS);
  EXPECT_EQ(ResolveInProcess("SaNothing").status, devtest::kNotFound);
  EXPECT_EQ(SysapiStandin_LiveObjectCount(), 1);
  EXPECT_EQ(SysapiStandin_HandlerCount(), 1);
}

TEST_F(StandinLookup, BitfileDirectoryQueryAlwaysSearchesAfresh) {
  SysapiStandinDevice device = StandinDevice("SaDev5", nullptr, 0x1B01);
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
  ASSERT_EQ(ResolveInProcess("SaDev5").status, VI_SUCCESS);
  int64_t before = Searches();
  char folder[256] = {};
  ViInt32 needed = 0;
  zuVEXA_GetFPGAExtensionsBitfileDir("SaDev5", 0, 0, sizeof folder, folder, &needed);
  EXPECT_EQ(Searches(), before + 1);
  EXPECT_TRUE(ResolveInProcess("SaDev5").fromCache); // the fresh answer is stored again
}

} // namespace
