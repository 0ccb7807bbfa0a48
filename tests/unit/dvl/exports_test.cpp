// The association exports and the bitfile directory query, through the stand-ins.

#include "StandinSupport.h"
#include "backend_standin.h"
#include "redirector/api/ExportDeclarations.h"

namespace {

constexpr ViUInt32 kKa = 1, kTov = 5;

class DeviceExports : public ::testing::Test {
protected:
  void SetUp() override {
    BackendStandin_Reset();
    SysapiStandin_AddExpert("zu-vexa");
    Ivi_ClearErrorInfo(0);
  }
};

TEST_F(DeviceExports, NameFunctionsAndBitfileDirectoryReachTheirModuleUnchangedAndFailuresAreRecorded) {
  int a[8] = {};
  EXPECT_EQ(zuVEXA_GetAssociatedDevicesForGUID(&a[0], &a[1], &a[2], &a[3], &a[4], &a[5], &a[6], &a[7]),
            VI_SUCCESS);
  const ViInt32 call = BackendStandin_FindCall(kKa, "GetAssociatedDevicesForGUID", 0);
  ASSERT_GE(call, 0);
  ASSERT_EQ(BackendStandin_CallArgumentCount(call), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(BackendStandin_CallArgumentPointer(call, i), &a[i]);

  const ViStatus scripted = static_cast<ViStatus>(0xBFFA1234);
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "SetAssociatedDevicesForGUID", scripted, VI_FALSE), VI_SUCCESS);
  EXPECT_EQ(zuVEXA_SetAssociatedDevicesForGUID(a, a, a, a, a, a, a), scripted);
  EXPECT_EQ(devtest::ReadThreadError().primary, 0) << "the module's status is returned, not recorded";
  devtest::AddStandinDevice("SaFpga", nullptr, 0x1C02);
  ASSERT_EQ(devtest::ResolveInProcess("SaFpga").status, VI_SUCCESS);
  char folder[64] = {};
  ViInt32 needed = 0;
  for (const uintptr_t context : {uintptr_t{0xFFFFFFFF}, uintptr_t{0x7FEDCBA987654321}}) {
    const int64_t searches = devtest::Searches();
    BackendStandin_ClearCalls();
    EXPECT_EQ(zuVEXA_GetFPGAExtensionsBitfileDir("SaFpga", context, 9, sizeof folder, folder, &needed),
              VI_SUCCESS);
    EXPECT_EQ(devtest::Searches(), searches + 1) << "not answered from the store";
    const ViInt32 call = BackendStandin_FindCall(kTov, "GetFPGAExtensionsBitfileDir", 0);
    ASSERT_GE(call, 0);
    char name[16] = {};
    BackendStandin_CallArgumentText(call, 0, sizeof name, name);
    EXPECT_STREQ(name, "SaFpga");
    const ViInt64 integers[] = {0x1C02, static_cast<ViInt64>(context), 9, sizeof folder};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(BackendStandin_CallArgumentInt(call, i + 1), integers[i]) << i + 1;
    EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 5), folder);
    EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 6), &needed);
  }
  EXPECT_TRUE(devtest::ResolveInProcess("SaFpga").fromCache) << "the fresh answer is stored again";
  BackendStandin_ClearCalls();
  EXPECT_EQ(zuVEXA_GetFPGAExtensionsBitfileDir("SaNoSuchDevice", 0, 0, sizeof folder, folder, &needed),
            devtest::kNotFound);
  EXPECT_EQ(devtest::ReadThreadError().primary, devtest::kNotFound);
  EXPECT_LT(BackendStandin_FindCall(0, "GetFPGAExtensionsBitfileDir", 0), 0);

  devtest::AddStandinDevice("SaDev3", nullptr, 0x1B01);
  const ViStatus failure = static_cast<ViStatus>(0xBFFA2222);
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "GetFPGAExtensionsBitfileDir", failure, VI_FALSE), VI_SUCCESS);
  Ivi_ClearErrorInfo(0);
  EXPECT_EQ(zuVEXA_GetFPGAExtensionsBitfileDir("SaDev3", 0, 0, sizeof folder, folder, &needed), failure);
  EXPECT_EQ(devtest::ReadThreadError().primary, failure);
  EXPECT_EQ(SysapiStandin_LiveObjectCount(), 1);
  EXPECT_EQ(SysapiStandin_HandlerCount(), 1);
}

} // namespace
