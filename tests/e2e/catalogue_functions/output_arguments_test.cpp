// Output arguments checked or filled by the library itself: text attribute
// buffers, relay count pointers and the waveform record of failed fetches.
#include "CatalogueSupport.h"

#include <cstring>

using namespace e2e;

// No module version files are installed here, so the models text is empty.
TEST_F(CatalogueTest, TextAttributesReturnTheNeededSizeUnrecordedButRecordErrors) {
  ViSession vi = OpenSimulated();
  constexpr ViAttr kSupportedModels = 1050327, kAttribute = 1150100;
  constexpr ViStatus kChannelNotAllowed = static_cast<ViStatus>(0xBFFA0045);
  char value[4] = "abc";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, nullptr, kSupportedModels, 0, value), 1) << "length + 1";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, "0", kSupportedModels, sizeof value, value), kChannelNotAllowed);
  EXPECT_STREQ(value, "abc");
  EXPECT_EQ(ReadSessionError(vi).primary, kChannelNotAllowed);
  EXPECT_EQ(BackendStandin_CallCount(), 0) << "answered by the library";

  ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViString(vi, "", kAttribute, "spectrum"), 0);
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, "", kAttribute, sizeof value, value), 9);
  EXPECT_STREQ(value, "spe");
  EXPECT_EQ(zuVEXA_GetDesiredAttributeViString(vi, "", kAttribute, sizeof value, value), 9);
  EXPECT_EQ(ReadSessionError(vi).primary, 0) << "needed sizes are not recorded";
  constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2002);
  ASSERT_EQ(BackendStandin_ScriptStatus(kTov, "GetDesiredAttributeViString", kBackendError, VI_FALSE), 0);
  EXPECT_EQ(zuVEXA_GetDesiredAttributeViString(vi, "", kAttribute, sizeof value, value), kBackendError);
  EXPECT_EQ(ReadSessionError(vi).primary, kBackendError) << "errors are recorded";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(CatalogueTest, RelayCountsCheckOutputsAndReturnTheModulesResultUnrecorded) {
  ViSession vi = OpenSimulated();
  ViInt32 a = 0, b = 0, c = 0;
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(vi, &a, &b, nullptr), kNullPointer);
  EXPECT_EQ(ReadSessionError(vi).primary, kNullPointer);
  EXPECT_EQ(BackendStandin_CallCount(), 0);

  ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
  constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2004);
  ASSERT_EQ(BackendStandin_ScriptStatus(kTov, "Get_Relay_Operation_Counts", kBackendError, VI_FALSE), 0);
  EXPECT_EQ(GX_zuVEXA_Get_Relay_Operation_Counts(vi, &a, &b, &c), kBackendError);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(FirstCall("GX_zuVEXAtov_Get_Relay_Operation_Counts"), 3), &c);
  EXPECT_EQ(ReadSessionError(vi).primary, 0) << "the module's result is not recorded";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(CatalogueTest, FailedIntegerFetchesStillHaveWaveformDefaults) {
  const WaveformInfo garbage{7, 7, 7, 7, 7, 7, 7, 7}, defaults{0, 0, 1.0, 0, 0, 1.0, 0, 0};
  WaveformInfo i16 = garbage, ifData = garbage, dma = garbage;
  ViInt16 data[8] = {};
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexI16(kNeverOpened, "", 0, 4, 1.0, data, &i16), kUnknownSession);
  EXPECT_EQ(zuVEXA_FetchIFDataSingleRecordI16(kNeverOpened, "", 0, 4, 1.0, data, &ifData), kUnknownSession);
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordDirectDMA(kNeverOpened, "", 0, 4, 1.0, sizeof data, data, &dma, nullptr),
            kUnknownSession);
  for (const WaveformInfo &info : {i16, ifData, dma}) EXPECT_EQ(std::memcmp(&info, &defaults, sizeof info), 0);
}
