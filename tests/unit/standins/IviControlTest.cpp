#include "IviTestSupport.h"

namespace {

using IviControl = IviStandinTest;

TEST_F(IviControl, SessionsHaveFreshHandlesAndDisposeRemovesThem) {
  const ViSession first = NewSession("A", VI_TRUE);
  const ViSession second = NewSession("B");
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  EXPECT_EQ(IviStandin_SessionCount(), 2);
  EXPECT_EQ(Ivi_Simulating(first), VI_TRUE);
  EXPECT_EQ(Ivi_Simulating(second), VI_FALSE);

  ASSERT_EQ(Ivi_Dispose(first), VI_SUCCESS);
  EXPECT_EQ(IviStandin_SessionExists(first), VI_FALSE);
  EXPECT_EQ(Ivi_Dispose(first), IVISTANDIN_ERROR_INVALID_SESSION);
  IviStandin_Reset();
  EXPECT_EQ(IviStandin_SessionCount(), 0);
  EXPECT_NE(NewSession(), first) << "handles are never reused";
}

TEST_F(IviControl, CallsAreCountedPerFunction) {
  const ViSession vi = NewSession();
  Ivi_Dispose(vi);
  Ivi_Dispose(vi);
  EXPECT_EQ(IviStandin_CallCount("Ivi_Dispose"), 2);
  EXPECT_EQ(IviStandin_CallCount("Ivi_LockSession"), 0);
  EXPECT_EQ(IviStandin_CallCount("NotAnEngineFunction"), -1);
  IviStandin_Reset();
  EXPECT_EQ(IviStandin_CallCount("Ivi_Dispose"), 0);
}

TEST_F(IviControl, InjectedFailureSkipsTheWorkOnce) {
  const ViStatus failure = static_cast<ViStatus>(0xBFFA0056);
  ASSERT_EQ(IviStandin_FailNextCall("Ivi_SpecificDriverNew", failure, VI_FALSE), VI_SUCCESS);
  ViSession vi = 1234;
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "", &vi), failure);
  EXPECT_EQ(vi, 0u);
  EXPECT_EQ(IviStandin_SessionCount(), 0);
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "", &vi), VI_SUCCESS) << "only the next call fails";
  EXPECT_NE(vi, 0u);
}

TEST_F(IviControl, InjectedFailureAfterWorkKeepsTheOutputs) {
  const ViStatus failure = static_cast<ViStatus>(0xBFFA0000);
  ASSERT_EQ(IviStandin_FailNextCall("Ivi_SpecificDriverNew", failure, VI_TRUE), VI_SUCCESS);
  ViSession vi = 0;
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "", &vi), failure);
  EXPECT_EQ(IviStandin_SessionExists(vi), VI_TRUE);

  ASSERT_EQ(IviStandin_FailNextCall("Ivi_Simulating", 2, VI_FALSE), VI_SUCCESS);
  EXPECT_EQ(Ivi_Simulating(vi), 2);
  ASSERT_EQ(IviStandin_FailNextCall("Ivi_Dispose", failure, VI_FALSE), VI_SUCCESS);
  ASSERT_EQ(IviStandin_FailNextCall("Ivi_Dispose", 0, VI_FALSE), VI_SUCCESS);  // cancelled
  EXPECT_EQ(Ivi_Dispose(vi), VI_SUCCESS);
  EXPECT_EQ(IviStandin_FailNextCall("Ivi_Nothing", failure, VI_FALSE), IVISTANDIN_ERROR_INVALID_VALUE);
}

}  // namespace
