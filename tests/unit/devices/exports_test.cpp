// The device name and association exports, through the module stand-ins
// (linked by the program, so the module registry finds them loaded).
#include <gtest/gtest.h>

#include <string>

#include "DeviceTestSupport.h"
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

  static std::string TextArgument(ViInt32 call, ViInt32 argument) {
    char text[256] = {};
    BackendStandin_CallArgumentText(call, argument, sizeof text, text);
    return text;
  }
};

TEST_F(DeviceExports, NameFunctionsReachTheKaModuleWithTheArgumentsUnchanged) {
  int first = 0, second = 0;
  EXPECT_EQ(zuVEXA_GetLONameForDownconverter(&first, &second), VI_SUCCESS);
  ViInt32 call = BackendStandin_FindCall(kKa, "GetLONameForDownconverter", 0);
  ASSERT_GE(call, 0);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 0), &first);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 1), &second);

  int args[8] = {};
  EXPECT_EQ(zuVEXA_GetAssociatedDevicesForGUID(&args[0], &args[1], &args[2], &args[3], &args[4], &args[5],
                                               &args[6], &args[7]),
            VI_SUCCESS);
  call = BackendStandin_FindCall(kKa, "GetAssociatedDevicesForGUID", 0);
  ASSERT_GE(call, 0);
  ASSERT_EQ(BackendStandin_CallArgumentCount(call), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(BackendStandin_CallArgumentPointer(call, i), &args[i]);
}

TEST_F(DeviceExports, TheModuleStatusIsReturnedButNotRecorded) {
  const ViStatus scripted = static_cast<ViStatus>(0xBFFA1234);
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "GetRFCondNameForDownconverter", scripted, VI_FALSE), VI_SUCCESS);
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "SetAssociatedDevicesForGUID", scripted, VI_FALSE), VI_SUCCESS);
  int a = 0;
  EXPECT_EQ(zuVEXA_GetRFCondNameForDownconverter(&a, &a), scripted);
  EXPECT_EQ(zuVEXA_SetAssociatedDevicesForGUID(&a, &a, &a, &a, &a, &a, &a), scripted);
  EXPECT_EQ(devtest::ReadThreadError().primary, 0);
}

TEST_F(DeviceExports, BitfileDirectoryGoesToTheDevicesModuleWithItsProductId) {
  SysapiStandinDevice device = devtest::StandinDevice("SaFpga", nullptr, 0x1C02);
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
  char folder[64] = {};
  ViInt32 needed = 0;
  EXPECT_EQ(zuVEXA_GetFPGAExtensionsBitfileDir("SaFpga", 7, 9, sizeof folder, folder, &needed), VI_SUCCESS);

  ViInt32 call = BackendStandin_FindCall(kTov, "GetFPGAExtensionsBitfileDir", 0);
  ASSERT_GE(call, 0);
  EXPECT_EQ(TextArgument(call, 0), "SaFpga");
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 1), 0x1C02);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 2), 7);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 3), 9);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 4), static_cast<ViInt64>(sizeof folder));
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 5), folder);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 6), &needed);
}

TEST_F(DeviceExports, BitfileDirectoryRecordsEveryFailingStep) {
  char folder[64] = {};
  ViInt32 needed = 0;
  EXPECT_EQ(zuVEXA_GetFPGAExtensionsBitfileDir("SaNoSuchDevice", 0, 0, sizeof folder, folder, &needed),
            devtest::kNotFound);
  EXPECT_EQ(devtest::ReadThreadError().primary, devtest::kNotFound);
  EXPECT_LT(BackendStandin_FindCall(0, "GetFPGAExtensionsBitfileDir", 0), 0);

  SysapiStandinDevice device = devtest::StandinDevice("SaFpga2", nullptr, 0x1B01);
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
  const ViStatus scripted = static_cast<ViStatus>(0xBFFA2222);
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "GetFPGAExtensionsBitfileDir", scripted, VI_FALSE), VI_SUCCESS);
  Ivi_ClearErrorInfo(0);
  EXPECT_EQ(zuVEXA_GetFPGAExtensionsBitfileDir("SaFpga2", 0, 0, sizeof folder, folder, &needed), scripted);
  EXPECT_EQ(devtest::ReadThreadError().primary, scripted);
}

} // namespace
