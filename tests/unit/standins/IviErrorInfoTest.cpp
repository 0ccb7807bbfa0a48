#include <latch>
#include <thread>

#include "IviTestSupport.h"

namespace {

constexpr ViStatus kFirstError = static_cast<ViStatus>(0xBFFA0011);
constexpr ViStatus kSecondError = static_cast<ViStatus>(0xBFFA000F);
constexpr ViStatus kWarning = static_cast<ViStatus>(0x3FFA0068);

using IviErrorInfo = IviStandinTest;

TEST_F(IviErrorInfo, FirstErrorOfASessionStaysWithoutOverride) {
  const ViSession vi = NewSession();
  ASSERT_EQ(Ivi_SetErrorInfo(vi, VI_FALSE, kFirstError, 7, "first"), VI_SUCCESS);
  ASSERT_EQ(Ivi_SetErrorInfo(vi, VI_FALSE, kSecondError, 8, "second"), VI_SUCCESS);
  const ErrorRead read = ReadError(vi);
  EXPECT_EQ(read.primary, kFirstError);
  EXPECT_EQ(read.secondary, 7);
  EXPECT_EQ(read.elaboration, "first");
  EXPECT_EQ(ReadError(0).primary, 0) << "the session's error must not reach the thread";
}

TEST_F(IviErrorInfo, OverrideReplacesAndClearEmpties) {
  ASSERT_EQ(Ivi_SetErrorInfo(0, VI_FALSE, kFirstError, 0, "first"), VI_SUCCESS);
  ASSERT_EQ(Ivi_SetErrorInfo(0, VI_TRUE, kSecondError, 3, nullptr), VI_SUCCESS);
  ErrorRead read = ReadError(0);
  EXPECT_EQ(read.primary, kSecondError);
  EXPECT_EQ(read.secondary, 3);
  EXPECT_EQ(read.elaboration, "");

  ASSERT_EQ(Ivi_ClearErrorInfo(0), VI_SUCCESS);
  read = ReadError(0);
  EXPECT_EQ(read.primary, 0);
  EXPECT_EQ(read.secondary, 0);
  EXPECT_EQ(read.elaboration, "");
}

TEST_F(IviErrorInfo, ErrorReplacesWarningButSuccessDoesNot) {
  ASSERT_EQ(Ivi_SetErrorInfo(0, VI_FALSE, kWarning, 0, "warn"), VI_SUCCESS);
  ASSERT_EQ(Ivi_SetErrorInfo(0, VI_FALSE, 0, 0, nullptr), VI_SUCCESS);
  EXPECT_EQ(ReadError(0).primary, kWarning);
  ASSERT_EQ(Ivi_SetErrorInfo(0, VI_FALSE, kFirstError, 0, "err"), VI_SUCCESS);
  EXPECT_EQ(ReadError(0).primary, kFirstError);
  EXPECT_EQ(ReadError(0).elaboration, "err");
}

TEST_F(IviErrorInfo, EachThreadKeepsItsOwnFirstError) {
  std::latch recorded(2);
  ErrorRead seen[2];
  auto worker = [&](int index, ViStatus first, ViStatus later) {
    Ivi_SetErrorInfo(0, VI_FALSE, first, index, "thread");
    recorded.arrive_and_wait();
    Ivi_SetErrorInfo(0, VI_FALSE, later, 0, "later");
    seen[index] = ReadError(0);
  };
  std::thread a(worker, 0, kFirstError, kSecondError);
  std::thread b(worker, 1, kSecondError, kFirstError);
  a.join();
  b.join();
  EXPECT_EQ(seen[0].primary, kFirstError);
  EXPECT_EQ(seen[0].secondary, 0);
  EXPECT_EQ(seen[1].primary, kSecondError);
  EXPECT_EQ(seen[1].secondary, 1);
  EXPECT_EQ(ReadError(0).primary, 0) << "the main thread recorded nothing";
}

TEST_F(IviErrorInfo, UnknownHandleRecordsForTheCallingThread) {
  ASSERT_EQ(Ivi_SetErrorInfo(0xDEAD, VI_FALSE, static_cast<ViStatus>(0xBFFA1190), 0, nullptr),
            VI_SUCCESS);
  EXPECT_EQ(ReadError(0).primary, static_cast<ViStatus>(0xBFFA1190));
  ViInt32 value = 0;
  EXPECT_EQ(Ivi_GetAttributeViInt32(0xDEAD, "", IVI_ATTR_PRIMARY_ERROR, 0, &value),
            IVISTANDIN_ERROR_INVALID_SESSION);
}

TEST_F(IviErrorInfo, ResetForgetsErrorsOfEveryThread) {
  ASSERT_EQ(Ivi_SetErrorInfo(0, VI_FALSE, kFirstError, 0, "x"), VI_SUCCESS);
  IviStandin_Reset();
  EXPECT_EQ(ReadError(0).primary, 0);
  EXPECT_EQ(ReadError(0).elaboration, "");
}

TEST(IviParamPositionError, NamesPositionsOneToEight) {
  EXPECT_EQ(Ivi_ParamPositionError(1), static_cast<ViStatus>(0xBFFC0001));
  EXPECT_EQ(Ivi_ParamPositionError(8), static_cast<ViStatus>(0xBFFC0008));
  EXPECT_EQ(Ivi_ParamPositionError(0), IVISTANDIN_ERROR_INVALID_PARAMETER);
  EXPECT_EQ(Ivi_ParamPositionError(9), IVISTANDIN_ERROR_INVALID_PARAMETER);
}

}  // namespace
