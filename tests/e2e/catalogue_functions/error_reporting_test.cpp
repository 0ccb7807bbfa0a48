#include "CatalogueSupport.h"

#include <cstring>

using namespace e2e;

TEST_F(CatalogueTest, ErrorQueryAnswersThatTheQueueIsNotRead) {
  ViSession vi = OpenSimulated();
  constexpr ViStatus kErrorQueryNotSupported = 0x3FFA0068;
  ViInt32 code = 99;
  char message[32] = "untouched";
  EXPECT_EQ(zuVEXA_error_query(vi, &code, message), kErrorQueryNotSupported);
  EXPECT_EQ(code, 0);
  EXPECT_STREQ(message, "untouched");
  EXPECT_EQ(ReadSessionError(vi).primary, kErrorQueryNotSupported) << "recorded as a warning";

  EXPECT_EQ(zuVEXA_error_query(vi, &code, nullptr), kInvalidArgument);
  EXPECT_EQ(IviStandin_CallCount("Ivi_LockSession"), IviStandin_CallCount("Ivi_UnlockSession"))
      << "every path unlocks";
  EXPECT_EQ(zuVEXA_error_query(kNeverOpened, &code, message), kUnknownSession) << "the engine cannot lock it";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(CatalogueTest, ErrorMessagesNeedTheirBuffer) {
  EXPECT_EQ(zuVEXA_error_message(0, kUnknownSession, nullptr), kInvalidArgument);
  char message[256];
  std::memset(message, 'x', sizeof message);
  EXPECT_EQ(zuVEXA_error_message(0, kUnknownSession, message), 0);
  EXPECT_LT(std::strlen(message), sizeof message) << "a terminated text within the 256 the caller provides";

  char description[1024] = "untouched";
  ViStatus needed = zuVEXA_GetErrorMessage(0, kUnknownSession, 0, description);
  EXPECT_STREQ(description, "untouched");
  EXPECT_EQ(zuVEXA_GetErrorMessage(0, kUnknownSession, needed, description), 0);
  EXPECT_EQ(static_cast<ViStatus>(std::strlen(description)) + 1, needed);
  EXPECT_EQ(zuVEXA_GetErrorMessage(0, kUnknownSession, needed - 1, description), needed) << "one byte short";
  EXPECT_EQ(static_cast<ViStatus>(std::strlen(description)) + 2, needed);
  EXPECT_EQ(zuVEXA_GetErrorMessage(0, kUnknownSession, 8, nullptr), kNullPointer);
}
