#include "CatalogueSupport.h"

using namespace e2e;

TEST_F(CatalogueTest, RelayCountsCheckOutputsAndReturnTheModulesResultUnrecorded) {
  ViSession vi = OpenSimulated();
  ViInt32 a = 0, b = 0, c = 0;
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(vi, nullptr, &b, &c), kNullPointer);
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(vi, &a, &b, nullptr), kNullPointer);
  EXPECT_EQ(ReadSessionError(vi).primary, kNullPointer);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);

  constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2004);
  ASSERT_EQ(BackendStandin_ScriptStatus(kTov, "Get_Relay_Operation_Counts", kBackendError, VI_FALSE), 0);
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(vi, &a, &b, &c), kBackendError);
  ViInt32 call = BackendStandin_FindCall(0, "GX_zuVEXAtov_Get_Relay_Operation_Counts", 0);
  ASSERT_GE(call, 0);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 3), &c);
  EXPECT_EQ(ReadSessionError(vi).primary, 0) << "the module's result is not recorded";
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(kNeverOpened, &a, &b, &c), kUnknownSession);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}
