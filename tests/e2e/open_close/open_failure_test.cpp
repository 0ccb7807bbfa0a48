#include "OpenCloseSupport.h"

using namespace e2e;

TEST_F(OpenCloseTest, UnknownDeviceFailsWithoutTouchingTheCallersSession) {
  ViSession mine = 0;
  ASSERT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &mine), 0);
  ViSession newVi = mine; // a caller reusing a variable that holds a live session
  EXPECT_EQ(zuVEXA_init("NoSuchDevice", VI_FALSE, VI_FALSE, &newVi), kDeviceNotFound);
  EXPECT_EQ(newVi, 0u);
  EXPECT_EQ(zuVEXA_close(mine), 0) << "the caller's own session was not closed";
}

TEST_F(OpenCloseTest, FailedInitReleasesTheSessionItCreated) {
  constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2001);
  // The backend writes a handle and still fails.
  ViSession existing = 0;
  ASSERT_EQ(IviStandin_CreateSession("other", VI_TRUE, &existing), 0);
  ASSERT_EQ(BackendStandin_ScriptNextInit(1, VI_TRUE, existing, kBackendError), 0);
  ViSession vi = 0;
  EXPECT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &vi), kBackendError);
  EXPECT_EQ(vi, 0u);
  EXPECT_GE(LastCall(1, "close"), 0) << "the handle the init wrote was closed in its module";
  EXPECT_EQ(ReadThreadError().primary, kBackendError);
}

TEST_F(OpenCloseTest, InitReportsBackendStatus4006As4007) {
  constexpr ViStatus k4006 = static_cast<ViStatus>(0xBFFA4006);
  ViSession vi = 0;
  // Every init fails, so the retry with a cached device fails the same way.
  ASSERT_EQ(BackendStandin_ScriptStatus(1, "InitWithOptions", k4006, VI_TRUE), 0);
  EXPECT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &vi), static_cast<ViStatus>(0xBFFA4007));
  EXPECT_EQ(ReadThreadError().primary, static_cast<ViStatus>(0xBFFA4007)) << "overrides the 4006 record";
  EXPECT_EQ(zuVEXA_InitWithOptions("PXI1Slot5", VI_FALSE, VI_FALSE, "", &vi), k4006);
  EXPECT_EQ(InitializeSessionForServer("PXI1Slot5", VI_FALSE, VI_FALSE, "", nullptr, &vi), k4006);
}

TEST_F(OpenCloseTest, FailureWithCachedDeviceRetriesWithAFreshLookup) {
  constexpr ViStatus kStale = static_cast<ViStatus>(0xBFFA2002);
  ViSession vi = 0;
  ASSERT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &vi), 0);
  ASSERT_EQ(zuVEXA_close(vi), 0);
  int64_t searches = SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES);

  Ivi_ClearErrorInfo(0);
  Ivi_SetErrorInfo(0, VI_FALSE, -5, 0, "before the open");
  ASSERT_EQ(BackendStandin_ScriptNextInit(1, VI_FALSE, 0, kStale), 0);
  EXPECT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &vi), 0) << "the second attempt succeeds";
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES), searches + 1);
  ThreadError error = ReadThreadError();
  EXPECT_EQ(error.primary, -5) << "no trace of the first attempt";
  EXPECT_EQ(error.elaboration, "before the open");
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(OpenCloseTest, UnregistrableCalibrationHandleOfAnotherSessionIsLeftOpen) {
  ViSession mine = 0;
  ASSERT_EQ(zuVEXA_init("PXI1Slot2", VI_FALSE, VI_FALSE, &mine), 0);
  // The backend hands out a handle the registry already holds (on a device
  // not yet cached, so that the open is not retried).
  ASSERT_EQ(BackendStandin_ScriptNextInit(1, VI_TRUE, mine, 0), 0);
  ViSession cal = 0;
  EXPECT_EQ(zuVEXA_InitExtCal("PXI1Slot5", "pw", "", &cal), static_cast<ViStatus>(0xBFFA0000));
  EXPECT_EQ(cal, 0u);
  EXPECT_LT(LastCall(1, "CloseExtCal"), 0) << "another session's handle is never closed";
  EXPECT_EQ(zuVEXA_close(mine), 0);
}
