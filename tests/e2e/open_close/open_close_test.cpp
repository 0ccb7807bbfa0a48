// Opens and closes: what the module receives, stale and failed opens, the retry, graphical and server
// entries. The module of each open and what a close leaves: tests/reliability/allocation_failure.
#include "OpenCloseSupport.h"

using namespace e2e;

TEST_F(OpenCloseTest, SimulatedModelOpensOnItsModuleAndCloses) {
  ViSession vi = 0;
  ASSERT_EQ(zuVEXA_InitWithOptions("", VI_TRUE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi), 0);
  ViInt32 init = LastCall(5, "InitWithOptions3");
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 1), 0x1C02) << "the model's product identifier";
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 2), VI_TRUE) << "IDQuery passed on";
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 7), VI_FALSE) << "not opened by the graphical environment";

  EXPECT_EQ(zuVEXA_close(vi), 0);
  EXPECT_EQ(zuVEXA_close(vi), kUnknownSession) << "the record is gone";
}

TEST_F(OpenCloseTest, SecondOpenOfADeviceClosesTheFirstUnlessSimulated) {
  ViSession first = 0, second = 0, simulated = 0;
  ASSERT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &first), 0);
  ASSERT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &second), 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(zuVEXA_close(first), kUnknownSession) << "the stale session was closed";

  ASSERT_EQ(zuVEXA_InitWithOptions("PXI1Slot5", VI_FALSE, VI_FALSE, "Simulate=1", &simulated), 0);
  EXPECT_EQ(zuVEXA_close(second), 0) << "a simulated open leaves the earlier session open";
  EXPECT_EQ(zuVEXA_close(simulated), 0);
}

TEST_F(OpenCloseTest, CalibrationAndAlignmentSessionsCloseByKind) {
  ViSession cal = 0, align = 0;
  ASSERT_EQ(zuVEXA_InitExtCal("PXI1Slot2", "secret", "", &cal), 0);
  EXPECT_EQ(CallText(LastCall(5, "InitExtCal2"), 2), "secret");
  ASSERT_EQ(zuVEXA_InitializeExternalAlignment("PXI1Slot5", "", &align), 0);

  // A module closes sessions through the library's callback.
  EXPECT_EQ(BackendStandin_InvokeCloseCallback(cal), 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(LastCall(5, "CloseExtCal"), 1), 1500);
  EXPECT_EQ(BackendStandin_InvokeCloseCallback(align), 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(LastCall(1, "CloseExternalAlignment"), 1), 3100);
  EXPECT_EQ(zuVEXA_CloseExtCal(cal, 1500), kUnknownSession);
}

// Their buffers under success and every size: tests/reliability/guard_pages.
TEST_F(OpenCloseTest, GraphicalWrappersPassLowBitsAndDescribeTheirFailure) {
  ViSession vi = 0;
  char description[64] = {};
  ASSERT_EQ(
      GX_zuVEXA_InitWithOptions("PXI1Slot2", 0x10001, 0x20000, "", &vi, sizeof description, description), 0);
  ViInt32 init = LastCall(5, "InitWithOptions3");
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 2), 1) << "low 16 bits of IDQuery";
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 3), 0) << "low 16 bits of reset";
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 7), VI_TRUE) << "graphical-environment flag";
  EXPECT_EQ(GX_zuVEXA_close(vi, sizeof description, description), 0);
  EXPECT_EQ(GX_zuVEXA_close(vi, sizeof description, description), kUnknownSession);
  EXPECT_EQ(std::string(description).rfind("Invalid session handle", 0), 0u) << description;
}

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

TEST_F(OpenCloseTest, InitReportsBackendStatus4006As4007AndServerEntriesOpenAndRelease) {
  constexpr ViStatus k4006 = static_cast<ViStatus>(0xBFFA4006);
  ViSession vi = 0;
  ASSERT_EQ(InitializeSessionForServer("PXI1Slot5", VI_FALSE, VI_FALSE, "", nullptr, &vi), 0);
  EXPECT_EQ(BackendStandin_SessionKind(vi), 1u);
  EXPECT_EQ(ReleaseSessionForServer(vi), 0);
  EXPECT_EQ(ReleaseSessionForServer(vi), kUnknownSession);
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
  // A handle the registry already holds, on an uncached device (no retry).
  ASSERT_EQ(BackendStandin_ScriptNextInit(1, VI_TRUE, mine, 0), 0);
  ViSession cal = 0;
  EXPECT_EQ(zuVEXA_InitExtCal("PXI1Slot5", "pw", "", &cal), static_cast<ViStatus>(0xBFFA0000));
  EXPECT_EQ(cal, 0u);
  EXPECT_LT(LastCall(1, "CloseExtCal"), 0) << "another session's handle is never closed";
  EXPECT_EQ(zuVEXA_close(mine), 0);
}
