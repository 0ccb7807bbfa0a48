// Error information, attributes, locks and injected failures of the engine.
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "IviTestSupport.h"

namespace {

using namespace std::chrono_literals;
using IviEngine = IviStandinTest;

constexpr ViStatus kFirst = static_cast<ViStatus>(0xBFFA0011);
constexpr ViStatus kSecond = static_cast<ViStatus>(0xBFFA000F);
constexpr ViStatus kWarning = static_cast<ViStatus>(0x3FFA0068);

TEST_F(IviEngine, FirstErrorStaysUnlessOverriddenAndReplacesOnlyWarnings) {
  const ViSession vi = NewSession();
  Ivi_SetErrorInfo(vi, VI_FALSE, kFirst, 7, "first");
  Ivi_SetErrorInfo(vi, VI_FALSE, kSecond, 8, "second");
  EXPECT_EQ(ReadError(vi), Error(kFirst, 7, "first"));
  Ivi_SetErrorInfo(vi, VI_TRUE, kSecond, 3, nullptr);
  EXPECT_EQ(ReadError(vi), Error(kSecond, 3, ""));
  ASSERT_EQ(Ivi_ClearErrorInfo(vi), VI_SUCCESS);
  EXPECT_EQ(ReadError(vi), Error(0, 0, ""));

  Ivi_SetErrorInfo(vi, VI_FALSE, kWarning, 0, "warn");
  Ivi_SetErrorInfo(vi, VI_FALSE, 0, 0, nullptr);
  EXPECT_EQ(ReadError(vi), Error(kWarning, 0, "warn")) << "success does not wipe a warning";
  Ivi_SetErrorInfo(vi, VI_FALSE, kFirst, 0, "err");
  EXPECT_EQ(ReadError(vi), Error(kFirst, 0, "err"));
}

TEST_F(IviEngine, SessionsAndThreadsKeepTheirOwnRecords) {
  Ivi_SetErrorInfo(NewSession(), VI_FALSE, kFirst, 0, "session");
  EXPECT_EQ(std::get<0>(ReadError(0)), 0) << "the session's error must not reach the thread";
  Ivi_SetErrorInfo(0xDEAD, VI_FALSE, kSecond, 0, nullptr);
  EXPECT_EQ(std::get<0>(ReadError(0)), kSecond) << "an unknown handle records for the calling thread";
  Error other;
  std::thread([&] { other = ReadError(0); }).join();
  EXPECT_EQ(std::get<0>(other), 0);
}

TEST_F(IviEngine, StringAttributeFollowsTheBufferRule) {
  const ViSession vi = NewSession("PXI1Slot2");  // 9 characters
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 0, buffer), 10);
  EXPECT_EQ(buffer[0], 'x') << "size 0 writes nothing";
  EXPECT_EQ(Ivi_GetAttributeViString(vi, nullptr, IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 4, buffer), 10);
  EXPECT_STREQ(buffer, "PXI");
  EXPECT_EQ(buffer[4], 'x') << "nothing beyond the given size";
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 10, buffer), 0);
  EXPECT_STREQ(buffer, "PXI1Slot2");
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_DRIVER_SETUP, 0, -1, buffer),
            IVISTANDIN_ERROR_INVALID_VALUE);
}

TEST_F(IviEngine, InterchangeWarningsComeInOrderCutToTheBuffer) {
  const ViSession vi = NewSession();
  IviStandin_QueueInterchangeWarning(vi, "first warning");
  IviStandin_QueueInterchangeWarning(vi, "abcdefgh");
  char buffer[1024];
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 1023, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "first warning");
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 5, buffer), IVISTANDIN_WARNING_TEXT_TRUNCATED);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 1023, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "") << "none left";
}

TEST_F(IviEngine, LockIsRecursiveExclusiveAndSafeToUnlockAfterAFailedLock) {
  const ViSession vi = NewSession();
  ViBoolean hasLock = VI_FALSE;
  ASSERT_EQ(Ivi_LockSession(vi, &hasLock), VI_SUCCESS);
  EXPECT_EQ(hasLock, VI_TRUE);
  ASSERT_EQ(Ivi_LockSession(vi, nullptr), VI_SUCCESS);
  std::atomic<ViStatus> contender{1};
  std::thread other([&] {
    contender = Ivi_LockSession(vi, nullptr);
    Ivi_UnlockSession(vi, nullptr);
  });
  ASSERT_EQ(Ivi_UnlockSession(vi, nullptr), VI_SUCCESS);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(contender, 1) << "still locked once";
  ASSERT_EQ(Ivi_UnlockSession(vi, &hasLock), VI_SUCCESS);
  EXPECT_EQ(hasLock, VI_FALSE);
  EXPECT_EQ(Ivi_UnlockSession(vi, &hasLock), VI_SUCCESS) << "nothing held: nothing to do";
  other.join();
  EXPECT_EQ(contender, VI_SUCCESS);
  EXPECT_EQ(Ivi_UnlockSession(vi, nullptr), IVISTANDIN_ERROR_LOCK_NOT_HELD);
  EXPECT_EQ(Ivi_LockSession(vi + 1000, &hasLock), IVISTANDIN_ERROR_INVALID_SESSION);
  EXPECT_EQ(hasLock, VI_FALSE) << "a failed lock leaves nothing to unlock";
}

TEST_F(IviEngine, InjectedFailureHitsOnlyTheNextCallBeforeOrAfterItsWork) {
  const ViStatus failure = static_cast<ViStatus>(0xBFFA0056);
  IviStandin_FailNextCall("Ivi_SpecificDriverNew", failure, VI_FALSE);
  ViSession vi = 1234;
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "", &vi), failure);
  EXPECT_EQ(vi, 0u);
  IviStandin_FailNextCall("Ivi_SpecificDriverNew", failure, VI_TRUE);
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "", &vi), failure);
  EXPECT_EQ(IviStandin_SessionExists(vi), VI_TRUE) << "the work was done";
  EXPECT_EQ(IviStandin_CallCount("Ivi_SpecificDriverNew"), 2);
  EXPECT_EQ(Ivi_Dispose(vi), VI_SUCCESS) << "only the next call fails";
}

TEST(IviParamPositionError, NamesPositionsOneToEight) {
  EXPECT_EQ(Ivi_ParamPositionError(1) + 7, Ivi_ParamPositionError(8));
  EXPECT_EQ(Ivi_ParamPositionError(8), static_cast<ViStatus>(0xBFFC0008));
  for (ViInt32 outside : {0, 9}) EXPECT_EQ(Ivi_ParamPositionError(outside), IVISTANDIN_ERROR_INVALID_PARAMETER);
}

}  // namespace
