#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "dvlShared/ErrorText.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"

using dvlShared::CopyToUserBuffer;

// "hello" needs 6 bytes: one less cuts it, exactly 6 or more holds it.
TEST(CopyToUserBuffer, FollowsTheIviBufferConvention) {
  const struct {
    ViInt32 size;
    ViStatus result;
    const char *written;
  } cases[] = {{0, 6, "xxxxxxx"}, {4, 6, "hel"}, {5, 6, "hell"}, {6, 0, "hello"}, {7, 0, "hello"}};
  for (const auto &c : cases) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(CopyToUserBuffer("hello", c.size, buffer), c.result) << "size " << c.size;
    EXPECT_STREQ(buffer, c.written) << "size " << c.size;
  }
  char buffer[8] = "xxxxxxx";
  EXPECT_EQ(CopyToUserBuffer("hi", -1, buffer), 0) << "a negative size copies without a check";
  EXPECT_STREQ(buffer, "hi");
  EXPECT_EQ(CopyToUserBuffer("hi", 5, nullptr), static_cast<ViStatus>(0xBFFA0058));
  EXPECT_EQ(CopyToUserBuffer("", 0, nullptr), 1);
}

namespace {

std::string ErrorTextOf(ViSession vi, ViStatus *primary = nullptr) {
  char text[1024] = {};
  EXPECT_EQ(dvlShared::GetErrorText(vi, primary, sizeof text, text), 0);
  return text;
}

} // namespace

TEST(ErrorText, ElaborationFollowsTheDescriptions) {
  std::thread([] {
    IviStandin_Reset();
    Ivi_SetErrorInfo(0, VI_FALSE, static_cast<ViStatus>(0xBFFA0060), 0, "abc");
    ViStatus primary = 0;
    // Descriptions are empty until translation is available; the layout of
    // the text does not depend on them.
    EXPECT_EQ(ErrorTextOf(0, &primary), "\n\nabc");
    EXPECT_EQ(primary, static_cast<ViStatus>(0xBFFA0060));

    Ivi_SetErrorInfo(0, VI_TRUE, -1, 5, "");
    EXPECT_EQ(ErrorTextOf(0), "\n\n") << "the separator precedes any secondary description";
  }).join();
}

TEST(ErrorText, ElaborationOnlyCodeGivesTheElaborationAlone) {
  std::thread([] {
    IviStandin_Reset();
    Ivi_SetErrorInfo(0, VI_FALSE, static_cast<ViStatus>(0xBFFA1190),
                     static_cast<ViStatus>(0xBFFA4242), "xyz");
    ViStatus primary = 0;
    EXPECT_EQ(ErrorTextOf(0, &primary), "xyz");
    EXPECT_EQ(primary, static_cast<ViStatus>(0xBFFA1190));
  }).join();
}

TEST(ErrorText, SessionLanguageFallsBackAndFlagsInvalidValues) {
  IviStandin_Reset();
  ViSession vi = 0;
  ASSERT_EQ(IviStandin_CreateSession("dev", VI_FALSE, &vi), 0);
  EXPECT_EQ(dvlShared::SessionLanguage(vi), zumxl::kEnglish) << "no language attribute";
  IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, 3);
  EXPECT_EQ(dvlShared::SessionLanguage(vi), zumxl::kJapanese);
  IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, 9);
  EXPECT_EQ(dvlShared::SessionLanguage(vi), zumxl::kInvalidLanguage);
  IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, -1);
  EXPECT_EQ(dvlShared::SessionLanguage(vi), zumxl::kInvalidLanguage);
}

TEST(GetError, SizeQueryKeepsTheErrorAndTheFullReadClearsIt) {
  std::thread([] {
    IviStandin_Reset();
    Ivi_SetErrorInfo(0, VI_FALSE, -7, 0, "details");
    ViStatus code = 0;
    ViStatus needed = zuVEXA_GetError(0, &code, 0, nullptr);
    EXPECT_EQ(needed, static_cast<ViStatus>(std::string("\n\ndetails").size() + 1));
    char text[64];
    EXPECT_EQ(zuVEXA_GetError(0, &code, needed, text), 0);
    EXPECT_EQ(code, -7);
    EXPECT_STREQ(text, "\n\ndetails");
    EXPECT_EQ(zuVEXA_GetError(0, &code, sizeof text, text), 0);
    EXPECT_EQ(code, 0) << "the first full read cleared the error";
  }).join();
}
