// Exported functions with logic of their own: shortcuts, checked outputs, the session of a device, the error
// queue, timestamps and de-embedding tables. Null outputs: tests/reliability/guard_pages.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "StandIns.h"
#include "ThreadErrorInfo.h"

namespace {

constexpr ViStatus kInvalidArgument = ZUVEXA_ERROR_INVALID_PARAMETER;
constexpr ViStatus kNullPointer = ZUVEXA_ERROR_NULL_POINTER;
constexpr ViStatus kUnknownSession = ZUVEXA_ERROR_INVALID_SESSION;
constexpr ViSession kNeverOpened = 0x7777;
constexpr ViUInt32 kTov = 5;

using testsupport::OpenSimulated;
using testsupport::ReadThreadError; // of a session when given its handle

class CatalogueTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
  }

  static ViInt32 FirstCall(const char *entry) { return BackendStandin_FindCall(0, entry, 0); }
};

// Each shortcut sets its attribute without a channel (or self-calibrates) through another exported function.
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
    EXPECT_EQ(std::pair(BackendStandin_CallArgumentInt(call, 2), BackendStandin_CallArgumentInt(call, 3)),
              std::pair(ViInt64{shortcut.attribute}, ViInt64{shortcut.value}));

    ASSERT_EQ(Ivi_ClearErrorInfo(0), 0);
    EXPECT_EQ(shortcut.function(kNeverOpened), kUnknownSession);
    EXPECT_EQ(ReadThreadError().primary, kUnknownSession) << "recorded by the inner call";
  }
  ASSERT_EQ(zuVEXA_SelfCal(vi), 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(FirstCall("SelfCalibrate"), 1), 0) << "no steps omitted";
  EXPECT_EQ(zuVEXA_SelfCal(kNeverOpened), kUnknownSession);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

// No module version files here, so the models text is empty; needed sizes: tests/reliability/guard_pages.
TEST_F(CatalogueTest, TextAttributesReturnTheNeededSizeUnrecordedButRecordErrors) {
  ViSession vi = OpenSimulated();
  constexpr ViAttr kSupportedModels = 1050327, kAttribute = 1150100;
  constexpr ViStatus kChannelNotAllowed = static_cast<ViStatus>(0xBFFA0045);
  char value[4] = "abc";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, nullptr, kSupportedModels, 0, value), 1) << "a null channel";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, "0", kSupportedModels, sizeof value, value), kChannelNotAllowed);
  EXPECT_STREQ(value, "abc");
  EXPECT_EQ(ReadThreadError(vi).primary, kChannelNotAllowed);
  EXPECT_EQ(BackendStandin_CallCount(), 0) << "answered by the library";

  ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViString(vi, "", kAttribute, "spectrum"), 0);
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
  EXPECT_EQ(std::to_string(code) + message, "0untouched");
  EXPECT_EQ(ReadThreadError(vi).primary, kErrorQueryNotSupported) << "recorded as a warning";

  EXPECT_EQ(zuVEXA_error_query(vi, &code, nullptr), kInvalidArgument);
  EXPECT_EQ(IviStandin_CallCount("Ivi_LockSession"), IviStandin_CallCount("Ivi_UnlockSession"))
      << "every path unlocks";
  EXPECT_EQ(zuVEXA_error_query(kNeverOpened, &code, message), kUnknownSession) << "the engine cannot lock it";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

constexpr ViInt64 kEpochOffset = 2082844800, kMax = std::numeric_limits<ViInt64>::max();
constexpr ViUInt64 kHalf = ViUInt64{1} << 63, kThreeQuarters = kHalf | ViUInt64{1} << 62;

// Fractions outside [0, 1) carry their whole seconds; NaN counts as 0; seconds wrap and come back unwrapped.
TEST(Timestamps, ValuesBecomeTimestampsFromThe1904EpochAndBack) {
  const std::tuple<ViInt64, ViReal64, ViInt64, ViUInt64> cases[] = {
      {0, 0.5, kEpochOffset, kHalf},
      {-3, 0.75, kEpochOffset - 3, kThreeQuarters},
      {10, 1.5, kEpochOffset + 11, kHalf},
      {10, -0.25, kEpochOffset + 9, kThreeQuarters},
      {10, -1e-30, kEpochOffset + 10, 0}, // the remainder rounds to a whole second
      {10, std::nan(""), kEpochOffset + 10, 0},
      {0, INFINITY, static_cast<ViInt64>(static_cast<ViUInt64>(kMax) + kEpochOffset), 0},
  };
  for (const auto &[seconds, fraction, expectedSeconds, expectedFraction] : cases) {
    ZUTimestamp t{123, 456};
    EXPECT_EQ(zuVEXA_TimestampFromValues(seconds, fraction, &t), 0);
    EXPECT_EQ(std::pair(t.seconds, t.fraction), std::pair(expectedSeconds, expectedFraction))
        << seconds << " + " << fraction;
  }
  ViInt64 seconds = -1;
  ViReal64 fraction = -1;
  ZUTimestamp wrapped{};
  ASSERT_EQ(zuVEXA_TimestampFromValues(kMax, 0.5, &wrapped), 0);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(wrapped, &seconds, &fraction), 0);
  EXPECT_EQ(std::pair(seconds, fraction), std::pair(kMax, 0.5));
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(ZUTimestamp{0, kEpochOffset + 7}, &seconds, nullptr), kNullPointer);
  EXPECT_EQ(seconds, 7) << "the seconds are stored before the fraction is checked";
}

constexpr ViInt32 kValues = 8; // two frequencies of a 2-port table
constexpr ViStatus kArrayDimensions = static_cast<ViStatus>(0xBFFA916F);

class DeembeddingTest : public CatalogueTest {
protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    vi = OpenSimulated();
    std::vector<ZUComplexNumber> table(kValues, ZUComplexNumber{0.5, -0.25});
    table.back().real = 7.5;
    ASSERT_EQ(zuVEXA_SetAttributeZUComplexNumberArray(vi, "", 1100341, kValues, table.data()), 0);
    ASSERT_EQ(zuVEXA_SetAttributeViInt32(vi, "", 1100342 /* number of ports */, 2), 0);
    BackendStandin_ClearCalls();
  }
  void TearDown() override { EXPECT_EQ(zuVEXA_close(vi), 0); }

  ViSession vi = 0;
  ViInt32 count = -1, ports = -1;
};

// A too small array is refused before any value is fetched; a null output before anything is written.
TEST_F(DeembeddingTest, SparametersAreCopiedOnlyIntoAnArrayThatHoldsThemAll) {
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, nullptr), kInvalidArgument);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, &ports), 0) << "a size query";
  EXPECT_EQ(std::pair(count, ports), std::pair(kValues, 2));
  for (ViInt32 size : {kValues - 1, kValues, kValues + 1}) {
    SCOPED_TRACE(size);
    std::vector<ZUComplexNumber> values(kValues + 1, ZUComplexNumber{-9, -9});
    BackendStandin_ClearCalls();
    ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
    count = ports = -1;
    if (size < kValues) {
      EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, values.data(), size, &count, &ports), kInvalidArgument);
      EXPECT_EQ(ReadThreadError(vi).secondary, IVISTANDIN_ERROR_PARAMETER_BASE + 3);
      EXPECT_EQ(BackendStandin_CallCount(), 2) << "sizes only, no values copied";
      EXPECT_EQ(values[0].real, -9);
    } else {
      EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, values.data(), size, &count, &ports), 0);
      EXPECT_EQ(values[kValues - 1].real, 7.5);
      EXPECT_EQ(values[kValues].real, -9) << "the fetch asks for the stored count only";
    }
    EXPECT_EQ(std::pair(count, ports), std::pair(kValues, 2));
  }
}

// Graphical-environment array blocks: 32-bit sizes, elements from byte 8 (1-D) or 16 (3-D).
TEST_F(DeembeddingTest, GraphicalTableStatesItsSizeAndRefusesBadBlocks) {
  struct {
    ViInt32 size, padding;
    ViReal64 values[4];
  } frequencies{4, 0, {1e9, 2e9, 3e9, 4e9}}, *frequencyBlock = &frequencies;
  struct {
    ViInt32 sizes[3], padding;
    ZUComplexNumber values[4 * 3 * 3];
  } sparameters{{4, 3, 3}, 0, {}}, *tableBlock = &sparameters;
  auto create = [&](void *tableHandle) {
    return GX_zuVEXA_CreateDeembeddingSparameterTableArray(vi, "if0", "cable", &frequencyBlock, tableHandle,
                                                           1);
  };
  ASSERT_EQ(create(&tableBlock), 0);
  ViInt32 call = FirstCall("CreateDeembeddingSparameterTableArray");
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 3), frequencies.values);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 5), sparameters.values);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 6), 4 * 3 * 3) << "frequencies x ports x ports";
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 7), 3);

  BackendStandin_ClearCalls();
  EXPECT_EQ(create(nullptr), kArrayDimensions);
  for (ViInt32 size : {3, 5}) {
    frequencies.size = size;
    EXPECT_EQ(create(&tableBlock), kArrayDimensions) << "one frequency per table row, not " << size;
  }
  frequencies.size = 4;
  sparameters.sizes[2] = 2;
  EXPECT_EQ(create(&tableBlock), kArrayDimensions) << "square port matrices";
  EXPECT_EQ(BackendStandin_CallCount(), 0);
}

// Dimensions are checked before the session: an unknown session tells an accepted block from a refused one.
TEST_F(DeembeddingTest, GraphicalTableAcceptsUpToTheLargest32BitValueCount) {
  const std::tuple<ViInt32, ViInt32, ViStatus> cases[] = {
      {INT32_MAX, 1, ZUVEXA_ERROR_INVALID_SESSION}, // 2^31 - 1 values: the most a count holds
      {1 << 29, 2, kArrayDimensions},               // 2^31 values: one more
      {0x10000, 0x1000, kArrayDimensions},
  };
  for (const auto &[frequencyCount, ports, expected] : cases) {
    struct {
      ViInt32 size, padding;
    } frequencies{frequencyCount, 0}, *frequencyBlock = &frequencies;
    struct {
      ViInt32 sizes[3], padding;
    } table{{frequencyCount, ports, ports}, 0}, *tableBlock = &table;
    EXPECT_EQ(GX_zuVEXA_CreateDeembeddingSparameterTableArray(0x7FFF, "if0", "big", &frequencyBlock,
                                                              &tableBlock, 1),
              expected)
        << frequencyCount << " x " << ports << " x " << ports;
  }
  EXPECT_EQ(BackendStandin_CallCount(), 0);
}

} // namespace
