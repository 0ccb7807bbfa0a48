#include <cstring>

#include "IviTestSupport.h"

namespace {

using IviAttribute = IviStandinTest;

TEST_F(IviAttribute, StringFollowsTheBufferRule) {
  const ViSession vi = NewSession("PXI1Slot2");  // 9 characters
  char buffer[16];

  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 0, buffer), 10);
  EXPECT_EQ(buffer[0], 'x') << "size 0 writes nothing";
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 0, nullptr), 10);

  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(Ivi_GetAttributeViString(vi, nullptr, IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 4, buffer), 10);
  EXPECT_STREQ(buffer, "PXI");
  EXPECT_EQ(buffer[4], 'x') << "nothing beyond the given size";

  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 10, buffer), 0);
  EXPECT_STREQ(buffer, "PXI1Slot2");
}

TEST_F(IviAttribute, StringRejectsBadBuffers) {
  const ViSession vi = NewSession();
  char buffer[4];
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_DRIVER_SETUP, 0, -1, buffer),
            IVISTANDIN_ERROR_INVALID_VALUE);
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_DRIVER_SETUP, 0, 4, nullptr),
            IVISTANDIN_ERROR_NULL_POINTER);
}

TEST_F(IviAttribute, UnknownSessionOrAttributeFails) {
  const ViSession vi = NewSession();
  char buffer[32] = "untouched";
  ViInt32 value = 42;
  EXPECT_EQ(Ivi_GetAttributeViString(vi + 1000, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 32, buffer),
            IVISTANDIN_ERROR_INVALID_SESSION);
  EXPECT_STREQ(buffer, "untouched");
  EXPECT_EQ(Ivi_GetAttributeViString(0, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 32, buffer),
            IVISTANDIN_ERROR_INVALID_SESSION);
  EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", ZUVEXA_ATTR_SESSION_LANGUAGE, 0, &value),
            IVISTANDIN_ERROR_INVALID_ATTRIBUTE);
  EXPECT_EQ(value, 42);
  EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, nullptr),
            IVISTANDIN_ERROR_NULL_POINTER);
}

TEST_F(IviAttribute, ControlFunctionsSetAttributes) {
  const ViSession vi = NewSession();
  ASSERT_EQ(IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, 3), VI_SUCCESS);
  ASSERT_EQ(IviStandin_SetAttributeViString(vi, IVI_ATTR_DRIVER_SETUP, "Model:Q101"), VI_SUCCESS);
  ViInt32 language = 0;
  char setup[32];
  EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", ZUVEXA_ATTR_SESSION_LANGUAGE, 0, &language), 0);
  EXPECT_EQ(language, 3);
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_DRIVER_SETUP, 0, 32, setup), 0);
  EXPECT_STREQ(setup, "Model:Q101");
  EXPECT_EQ(IviStandin_SetAttributeViInt32(vi + 1000, 1, 1), IVISTANDIN_ERROR_INVALID_SESSION);
}

TEST_F(IviAttribute, InterchangeWarningsComeInOrderThenEmpty) {
  const ViSession vi = NewSession();
  ASSERT_EQ(IviStandin_QueueInterchangeWarning(vi, "first warning"), VI_SUCCESS);
  ASSERT_EQ(IviStandin_QueueInterchangeWarning(vi, "second"), VI_SUCCESS);
  char buffer[1024];
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 1023, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "first warning");
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 1023, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "second");
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 1023, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 1023, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "");
}

TEST_F(IviAttribute, LongInterchangeWarningIsCutToTheBuffer) {
  const ViSession vi = NewSession();
  ASSERT_EQ(IviStandin_QueueInterchangeWarning(vi, "abcdefgh"), VI_SUCCESS);
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 5, buffer), IVISTANDIN_WARNING_TEXT_TRUNCATED);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(buffer[5], 'x');
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi + 1000, 5, buffer), IVISTANDIN_ERROR_INVALID_SESSION);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(Ivi_GetNextInterchangeCheckString(vi, 0, buffer), IVISTANDIN_ERROR_INVALID_VALUE);
}

}  // namespace
