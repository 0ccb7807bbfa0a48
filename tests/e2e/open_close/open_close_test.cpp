#include "OpenCloseSupport.h"

using namespace e2e;

TEST_F(OpenCloseTest, SimulatedModelOpensOnItsModuleAndCloses) {
  ViSession vi = 0;
  ASSERT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi), 0);
  EXPECT_EQ(BackendStandin_SessionKind(vi), 5u) << "Q118 is served by the tov module";
  ViInt32 init = LastCall(5, "InitWithOptions3");
  ASSERT_GE(init, 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 1), 0x1C02) << "the model's product identifier";
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 7), VI_FALSE) << "not opened by the graphical environment";

  EXPECT_EQ(zuVEXA_close(vi), 0);
  EXPECT_EQ(BackendStandin_SessionCount(), 0);
  EXPECT_EQ(zuVEXA_close(vi), kUnknownSession) << "the record is gone";
}

TEST_F(OpenCloseTest, RealDeviceGetsItsIdentifierAndBackendText) {
  ViSession vi = 0;
  ASSERT_EQ(zuVEXA_InitWithOptions("analyzer", VI_TRUE, VI_FALSE, "", &vi), 0) << "found by its alias";
  ViInt32 init = LastCall(5, "InitWithOptions3");
  ASSERT_GE(init, 0);
  EXPECT_EQ(TextArgument(init, 0), "analyzer");
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 2), VI_TRUE) << "IDQuery passed on";
  EXPECT_EQ(TextArgument(init, 5), "RIO0");
  EXPECT_EQ(zuVEXA_close(vi), 0);
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
  ViInt32 init = LastCall(5, "InitExtCal2");
  ASSERT_GE(init, 0);
  EXPECT_EQ(TextArgument(init, 2), "secret");
  ASSERT_EQ(zuVEXA_InitializeExternalAlignment("PXI1Slot5", "", &align), 0);

  // A module closes sessions through the library's callback.
  EXPECT_EQ(BackendStandin_InvokeCloseCallback(cal), 0);
  ViInt32 close = LastCall(5, "CloseExtCal");
  ASSERT_GE(close, 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(close, 1), 1500);
  EXPECT_EQ(BackendStandin_InvokeCloseCallback(align), 0);
  close = LastCall(1, "CloseExternalAlignment");
  ASSERT_GE(close, 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(close, 1), 3100);
  EXPECT_EQ(zuVEXA_CloseExtCal(cal, 1500), kUnknownSession);
}

TEST_F(OpenCloseTest, GraphicalWrappersPassLowBitsAndLeaveDescriptionOnSuccess) {
  ViSession vi = 0;
  char description[64] = "untouched";
  ASSERT_EQ(GX_zuVEXA_InitWithOptions("PXI1Slot2", 0x10001, 0x20000, "", &vi, sizeof description,
                                      description),
            0);
  ViInt32 init = LastCall(5, "InitWithOptions3");
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 2), 1) << "low 16 bits of IDQuery";
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 3), 0) << "low 16 bits of reset";
  EXPECT_EQ(BackendStandin_CallArgumentInt(init, 7), VI_TRUE) << "graphical-environment flag";
  EXPECT_EQ(GX_zuVEXA_close(vi, sizeof description, description), 0);
  EXPECT_STREQ(description, "untouched");

  EXPECT_EQ(GX_zuVEXA_close(vi, sizeof description, description), kUnknownSession);
  char expected[sizeof description] = {};
  zuVEXA_GetErrorMessage(0, kUnknownSession, sizeof expected, expected);
  EXPECT_NE(expected[0], '\0');
  EXPECT_STREQ(description, expected) << "a failure fills the description of its status";
}

TEST_F(OpenCloseTest, ServerEntryPointsOpenAndRelease) {
  ViSession vi = 0;
  ASSERT_EQ(InitializeSessionForServer("PXI1Slot5", VI_FALSE, VI_FALSE, "", nullptr, &vi), 0);
  EXPECT_EQ(BackendStandin_SessionKind(vi), 1u);
  EXPECT_EQ(ReleaseSessionForServer(vi), 0);
  EXPECT_EQ(ReleaseSessionForServer(vi), kUnknownSession);
}
