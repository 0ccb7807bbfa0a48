#include "CatalogueSupport.h"

using namespace e2e;

namespace {

constexpr ViAttr kSupportedModels = 1050327;
constexpr ViStatus kChannelNotAllowed = static_cast<ViStatus>(0xBFFA0045);

} // namespace

// No module version files are installed here, so the models text is empty.
TEST_F(CatalogueTest, SupportedModelsAreAnsweredByTheLibrary) {
  ViSession vi = OpenSimulated();
  char value[16] = "untouched";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, nullptr, kSupportedModels, 0, value), 1) << "length + 1";
  EXPECT_STREQ(value, "untouched");
  EXPECT_EQ(ReadSessionError(vi).primary, 0) << "the needed size is not recorded";
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, "0", kSupportedModels, sizeof value, value), kChannelNotAllowed);
  EXPECT_STREQ(value, "untouched");
  EXPECT_EQ(ReadSessionError(vi).primary, kChannelNotAllowed);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  EXPECT_EQ(zuVEXA_GetAttributeViString(kNeverOpened, nullptr, kSupportedModels, 0, value), kUnknownSession);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(CatalogueTest, OtherTextAttributesReturnTheNeededSizeUnrecorded) {
  ViSession vi = OpenSimulated();
  constexpr ViAttr kAttribute = 1150100;
  ASSERT_EQ(zuVEXA_SetAttributeViString(vi, "", kAttribute, "spectrum"), 0);
  char value[4] = {};
  EXPECT_EQ(zuVEXA_GetAttributeViString(vi, "", kAttribute, sizeof value, value), 9);
  EXPECT_STREQ(value, "spe");
  EXPECT_EQ(zuVEXA_GetDesiredAttributeViString(vi, "", kAttribute, sizeof value, value), 9);
  EXPECT_EQ(ReadSessionError(vi).primary, 0);
  EXPECT_EQ(CountCalls("GetDesiredAttributeViString"), 1);

  constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2002);
  ASSERT_EQ(BackendStandin_ScriptStatus(kTov, "GetDesiredAttributeViString", kBackendError, VI_FALSE), 0);
  EXPECT_EQ(zuVEXA_GetDesiredAttributeViString(vi, "", kAttribute, sizeof value, value), kBackendError);
  EXPECT_EQ(ReadSessionError(vi).primary, kBackendError) << "errors are recorded";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}
