// Exported functions with logic of their own: shortcuts, outputs the library
// checks or fills itself, the session of a device, the error queue and
// timestamps.
#include "CatalogueSupport.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace e2e;

// Each shortcut sets its attribute without a channel (or self-calibrates)
// through another exported function, whose frame records the errors.
TEST_F(CatalogueTest, ShortcutsReachTheirEntryThroughTheInnerCall) {
  struct Shortcut {
    ViStatus (*function)(ViSession);
    ViAttr attribute;
    ViInt32 value;
  } const shortcuts[] = {
      {zuVEXA_ConfigureSoftwareEdgeStartTrigger, 1150024, 604},
      {zuVEXA_DisableStartTrigger, 1150024, 600},
      {zuVEXA_DisableRefTrigger, 1150028, 600},
      {zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger, 1150036, 604},
      {zuVEXA_DisableAdvanceTrigger, 1150036, 600},
      {[](ViSession vi) { return zuVEXA_ConfigureAcquisitionType(vi, 101); }, 1150001, 101},
  };
  ViSession vi = OpenSimulated();
  for (const Shortcut &shortcut : shortcuts) {
    SCOPED_TRACE(shortcut.attribute);
    BackendStandin_ClearCalls();
    ASSERT_EQ(shortcut.function(vi), 0);
    ASSERT_EQ(BackendStandin_CallCount(), 1);
    ViInt32 call = FirstCall("SetAttributeViInt32");
    EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 1), nullptr) << "no channel name";
    EXPECT_EQ(BackendStandin_CallArgumentInt(call, 2), shortcut.attribute);
    EXPECT_EQ(BackendStandin_CallArgumentInt(call, 3), shortcut.value);

    ASSERT_EQ(Ivi_ClearErrorInfo(0), 0);
    EXPECT_EQ(shortcut.function(kNeverOpened), kUnknownSession);
    EXPECT_EQ(ReadThreadError().primary, kUnknownSession) << "recorded by the inner call";
  }
  ASSERT_EQ(zuVEXA_SelfCal(vi), 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(FirstCall("SelfCalibrate"), 1), 0) << "no steps omitted";
  EXPECT_EQ(zuVEXA_SelfCal(kNeverOpened), kUnknownSession);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

// No module version files are installed here, so the models text is empty.
TEST_F(CatalogueTest, TextAttributesReturnTheNeededSizeUnrecordedButRecordErrors) {
  ViSession vi = OpenSimulated();
  constexpr ViAttr kSupportedModels = 1050327, kAttribute = 1150100;
  constexpr ViStatus kChannelNotAllowed = static_cast<ViStatus>(0xBFFA0045);
  char value[4] = "abc";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, nullptr, kSupportedModels, 0, value), 1) << "length + 1";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, "0", kSupportedModels, sizeof value, value), kChannelNotAllowed);
  EXPECT_STREQ(value, "abc");
  EXPECT_EQ(ReadThreadError(vi).primary, kChannelNotAllowed);
  EXPECT_EQ(BackendStandin_CallCount(), 0) << "answered by the library";

  ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViString(vi, "", kAttribute, "spectrum"), 0);
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, "", kAttribute, sizeof value, value), 9);
  EXPECT_EQ(zuVEXA_GetDesiredAttributeViString(vi, "", kAttribute, sizeof value, value), 9);
  EXPECT_EQ(ReadThreadError(vi).primary, 0) << "needed sizes are not recorded";
  constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2002);
  ASSERT_EQ(BackendStandin_ScriptStatus(kTov, "GetDesiredAttributeViString", kBackendError, VI_FALSE), 0);
  EXPECT_EQ(zuVEXA_GetDesiredAttributeViString(vi, "", kAttribute, sizeof value, value), kBackendError);
  EXPECT_EQ(ReadThreadError(vi).primary, kBackendError) << "errors are recorded";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(CatalogueTest, RelayCountsCheckOutputsAndReturnTheModulesResultUnrecorded) {
  ViSession vi = OpenSimulated();
  ViInt32 a = 0, b = 0, c = 0;
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(vi, &a, &b, nullptr), kNullPointer);
  EXPECT_EQ(ReadThreadError(vi).primary, kNullPointer);
  EXPECT_EQ(BackendStandin_CallCount(), 0);

  ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
  constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2004);
  ASSERT_EQ(BackendStandin_ScriptStatus(kTov, "Get_Relay_Operation_Counts", kBackendError, VI_FALSE), 0);
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(vi, &a, &b, &c), kBackendError);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(FirstCall("GX_zuVEXAtov_Get_Relay_Operation_Counts"), 3), &c);
  EXPECT_EQ(ReadThreadError(vi).primary, 0) << "the module's result is not recorded";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(CatalogueTest, FailedIntegerFetchesStillHaveWaveformDefaults) {
  const WaveformInfo garbage{7, 7, 7, 7, 7, 7, 7, 7}, defaults{0, 0, 1.0, 0, 0, 1.0, 0, 0};
  WaveformInfo i16 = garbage, ifData = garbage, dma = garbage;
  ViInt16 data[8] = {};
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexI16(kNeverOpened, "", 0, 4, 1.0, data, &i16), kUnknownSession);
  EXPECT_EQ(zuVEXA_FetchIFDataSingleRecordI16(kNeverOpened, "", 0, 4, 1.0, data, &ifData), kUnknownSession);
  EXPECT_EQ(
      zuVEXA_FetchIQSingleRecordDirectDMA(kNeverOpened, "", 0, 4, 1.0, sizeof data, data, &dma, nullptr),
      kUnknownSession);
  for (const WaveformInfo &info : {i16, ifData, dma})
    EXPECT_EQ(std::memcmp(&info, &defaults, sizeof info), 0);
}

TEST_F(CatalogueTest, SessionByNameFindsOnlyTheNormalSessionByNameOrAlias) {
  ViSession vi = 0, cal = 0, found = 0x55;
  ASSERT_EQ(zuVEXA_init("PXI1Slot2", VI_FALSE, VI_FALSE, &vi), 0);
  EXPECT_EQ(zuVEXA_GetViSessionByName("analyzer", &found), 0);
  EXPECT_EQ(found, vi);
  EXPECT_EQ(zuVEXA_close(vi), 0);

  // The device is cached now: the failure makes it look the device up again.
  int64_t searches = SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES);
  ASSERT_EQ(zuVEXA_InitExtCal("PXI1Slot2", "secret", "", &cal), 0);
  found = 0x55;
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI1Slot2", &found), ZUVEXA_ERROR_CANNOT_RECOVER)
      << "calibration sessions do not count";
  EXPECT_EQ(found, 0x55u) << "written only when a session is found";
  EXPECT_EQ(ReadThreadError().primary, ZUVEXA_ERROR_CANNOT_RECOVER);
  EXPECT_GT(SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES), searches);
  EXPECT_EQ(zuVEXA_CloseExtCal(cal, 1500), 0);
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI9Slot9", &found), static_cast<ViStatus>(0xBFFA0060));
}

TEST_F(CatalogueTest, ErrorQueryAnswersThatTheQueueIsNotRead) {
  ViSession vi = OpenSimulated();
  constexpr ViStatus kErrorQueryNotSupported = 0x3FFA0068;
  ViInt32 code = 99;
  char message[32] = "untouched";
  EXPECT_EQ(zuVEXA_error_query(vi, &code, message), kErrorQueryNotSupported);
  EXPECT_EQ(code, 0);
  EXPECT_STREQ(message, "untouched");
  EXPECT_EQ(ReadThreadError(vi).primary, kErrorQueryNotSupported) << "recorded as a warning";

  EXPECT_EQ(zuVEXA_error_query(vi, &code, nullptr), kInvalidArgument);
  EXPECT_EQ(IviStandin_CallCount("Ivi_LockSession"), IviStandin_CallCount("Ivi_UnlockSession"))
      << "every path unlocks";
  EXPECT_EQ(zuVEXA_error_query(kNeverOpened, &code, message), kUnknownSession) << "the engine cannot lock it";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

namespace {

constexpr ViInt64 kEpochOffset = 2082844800, kMax = std::numeric_limits<ViInt64>::max();
constexpr ViUInt64 kHalf = ViUInt64{1} << 63, kThreeQuarters = kHalf | ViUInt64{1} << 62;

} // namespace

// Fractions outside [0, 1) carry their whole seconds; NaN counts as 0; the
// seconds wrap around rather than overflow, and come back unwrapped.
TEST(Timestamps, ValuesBecomeTimestampsFromThe1904EpochAndBack) {
  struct Case {
    ViInt64 seconds;
    ViReal64 fraction;
    ViInt64 expectedSeconds;
    ViUInt64 expectedFraction;
  } const cases[] = {
      {0, 0.5, kEpochOffset, kHalf},
      {-3, 0.75, kEpochOffset - 3, kThreeQuarters},
      {10, 1.5, kEpochOffset + 11, kHalf},
      {10, -0.25, kEpochOffset + 9, kThreeQuarters},
      {10, -1e-30, kEpochOffset + 10, 0}, // the remainder rounds to a whole second
      {10, std::nan(""), kEpochOffset + 10, 0},
      {0, INFINITY, static_cast<ViInt64>(static_cast<ViUInt64>(kMax) + kEpochOffset), 0},
  };
  for (const Case &c : cases) {
    ZUTimestamp t{123, 456};
    EXPECT_EQ(zuVEXA_TimestampFromValues(c.seconds, c.fraction, &t), 0);
    EXPECT_EQ(t.seconds, c.expectedSeconds) << c.seconds << " + " << c.fraction;
    EXPECT_EQ(t.fraction, c.expectedFraction) << c.seconds << " + " << c.fraction;
  }
  ViInt64 seconds = -1;
  ViReal64 fraction = -1;
  ZUTimestamp wrapped{};
  ASSERT_EQ(zuVEXA_TimestampFromValues(kMax, 0.5, &wrapped), 0);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(wrapped, &seconds, &fraction), 0);
  EXPECT_EQ(seconds, kMax);
  EXPECT_EQ(fraction, 0.5);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(ZUTimestamp{0, kEpochOffset + 7}, &seconds, nullptr), kNullPointer);
  EXPECT_EQ(seconds, 7) << "the seconds are stored before the fraction is checked";
}
