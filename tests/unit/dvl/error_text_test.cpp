// The error texts of the exported error functions over a private tree of error description files.

#include "SeamErrorTree.h"
#include "dvlShared/ErrorText.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"

using errortest::OnFreshThread;
using errortest::SeamErrorTree;

namespace {

constexpr ViStatus kDeviceNotFound = static_cast<ViStatus>(0xBFFA0060);
constexpr ViStatus kUnknownSession = static_cast<ViStatus>(0xBFFA1190);
constexpr ViStatus kElaborationOnly = static_cast<ViStatus>(0xBFFA4242);

// The thread's full error text through zuVEXA_GetError, read in one go.
std::string FullErrorText(ViStatus *primary = nullptr) {
  char text[2048] = {};
  ViStatus code = 0;
  EXPECT_EQ(zuVEXA_GetError(0, &code, sizeof text, text), 0);
  if (primary != nullptr) *primary = code;
  return text;
}

class ErrorText : public ::testing::Test {
protected:
  void SetUp() override {
    IviStandin_Reset();
    tree.Driver("English", "driver.err",
                {{"0xBFFA0060", "Device not found."}, {"0xBFFA1190", "Unknown session."}});
  }
  SeamErrorTree tree;
};

} // namespace

// The guard-page tests cover every positive size; a negative one is the
// caller's promise that the buffer is large enough.
TEST(CopyToUserBuffer, NegativeSizeCopiesWithoutACheck) {
  char buffer[8] = "xxxxxxx";
  EXPECT_EQ(dvlShared::CopyToUserBuffer("hi", -1, buffer), 0);
  EXPECT_STREQ(buffer, "hi");
}

TEST_F(ErrorText, ComposesWithin1023BytesInTheSessionsLanguageAndReadsClearOrCut) {
  const std::string longPrimary(600, 'p'), longSecondary(600, 's'), hugePrimary(1100, 'h'), medium(300, 'm');
  tree.Driver("English", "long.err",
              {{"1", longPrimary}, {"2", longSecondary}, {"3", hugePrimary}, {"4", medium}});
  const std::tuple<ViStatus, ViStatus, std::string, std::string> cases[] = {
      {kDeviceNotFound, 0, "abc", "Device not found.\n\nabc"},
      {kDeviceNotFound, kUnknownSession, "", "Device not found.\n\nUnknown session."},
      {kDeviceNotFound, kUnknownSession, "x", "Device not found.\n\nUnknown session.\n\nx"},
      {0, kUnknownSession, "", "\n\nUnknown session."},
      {kDeviceNotFound, kElaborationOnly, "only this", "only this"},
      {kDeviceNotFound, kElaborationOnly, "", ""},
      // The secondary description is cut to what is left; no room for the elaboration.
      {1, 2, "lost", longPrimary + "\n\n" + std::string(420, 's')},
      {3, 2, "lost", std::string(1022, 'h')}, // a primary that fills everything leaves no separator
      {4, 0, std::string(900, 'e'), medium + "\n\n" + std::string(721, 'e')},
  };
  for (const auto &[primary, secondary, elaboration, text] : cases) {
    OnFreshThread([&] {
      Ivi_SetErrorInfo(0, VI_FALSE, primary, secondary, elaboration.c_str());
      ViStatus reported = 1;
      EXPECT_EQ(FullErrorText(&reported), text) << primary << " " << elaboration;
      EXPECT_EQ(reported, primary) << "the primary error is reported even when only the elaboration is shown";
    });
  }
  // A size query leaves the error; a read that writes, even a cut one, clears
  // it (the guard-page tests check the texts at every size).
  OnFreshThread([] {
    Ivi_SetErrorInfo(0, VI_FALSE, kDeviceNotFound, 0, "details");
    ViStatus code = 0;
    char text[64] = {};
    const ViStatus needed = zuVEXA_GetError(0, &code, 0, nullptr);
    EXPECT_EQ(zuVEXA_GetError(0, &code, 10, text), needed);
    EXPECT_EQ(code, kDeviceNotFound);
    EXPECT_EQ(zuVEXA_GetError(0, &code, needed, text), 0);
    EXPECT_EQ(code, 0) << "the cut read cleared the error";
  });
  tree.Driver("Japanese", "driver.err", {{"0xBFFA0060", "デバイスが見つかりません。"}});
  ViSession vi = 0;
  ASSERT_EQ(IviStandin_CreateSession("dev", VI_FALSE, &vi), 0);
  char text[256] = {};
  EXPECT_EQ(zuVEXA_GetErrorMessage(vi, kDeviceNotFound, sizeof text, text), 0);
  EXPECT_STREQ(text, "Device not found.") << "a session without a language attribute";
  for (ViInt32 invalid : {9, -1}) {
    IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, invalid);
    EXPECT_EQ(dvlShared::SessionLanguage(vi), zumxl::kInvalidLanguage);
    EXPECT_EQ(zuVEXA_GetErrorMessage(vi, kDeviceNotFound, sizeof text, text), 0);
    EXPECT_STREQ(text, "Device not found.") << "an invalid language is answered in English";
  }
  IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, zumxl::kJapanese);
  EXPECT_EQ(zuVEXA_error_message(vi, kDeviceNotFound, text), 0);
  EXPECT_STREQ(text, "デバイスが見つかりません。");
  tree.Driver("English", "long.err", {{"7", std::string(300, 'd')}});
  char message[256];
  EXPECT_EQ(zuVEXA_error_message(0, 7, message), 0) << "a cut description is no failure";
  EXPECT_EQ(std::string(message), std::string(255, 'd'));
  char none[4] = "xyz";
  EXPECT_EQ(zuVEXA_GetErrorMessage(0, 0, sizeof none, none), 0);
  EXPECT_STREQ(none, "") << "code 0 has no description";
  EXPECT_EQ(zuVEXA_GetErrorMessage(0, 0, 0, none), 1);
}
