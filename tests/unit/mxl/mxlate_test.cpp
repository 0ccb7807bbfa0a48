// Status codes mapped into the driver's range and back, languages, and the thread's error information
// saved and restored around a call.
#include <gtest/gtest.h>

#include <thread>

#include "ThreadErrorInfo.h"
#include "platform/IviEngine.h"
#include "redirector/api/ErrorInfoSnapshot.h"
#include "zumxl/mxlate.h"

using namespace zumxl;

namespace {

constexpr ViStatus S(int64_t value) { return static_cast<ViStatus>(value); }

// A block of platform codes and the images of its ends.
struct Block {
  ViStatus lowest, highest;
  uint32_t top, bottom; // images of highest and of lowest
};
constexpr Block kBlocks[] = {
    {-223899, -223800, 0xBFFA47FF, 0xBFFA479C}, {-224699, -224600, 0xBFFA479B, 0xBFFA4738},
    {-201023, -200000, 0xBFFA4BFF, 0xBFFA4800}, {-51023, -50000, 0xBFFA67FF, 0xBFFA6400},
    {-89999, -88000, 0xBFFA6FFF, 0xBFFA6830},   {-10999, -10000, 0xBFFA63FF, 0xBFFA6018},
    {-309799, -309700, 0xBFFA7064, 0xBFFA7001},
};

} // namespace

// The platform range keeps the warning bit for positive codes.
TEST(CodeMapping, PlatformRangeAndEveryBlockAtItsEndsBothSignsAndRoundTrips) {
  const std::pair<ViStatus, int64_t> images[] = {{-52000, 0xBFFA9400}, {-52256, 0xBFFA9500},
                                                 {52000, 0x3FFA9400},  {52256, 0x3FFA9500},
                                                 {-51999, -51999},     {-52257, -52257}};
  for (auto [code, image] : images) EXPECT_EQ(MapErrorCode(code), S(image)) << code;
  EXPECT_EQ(UnmapErrorCode(S(0xBFFA9501)), S(0xBFFA9501));
  for (ViStatus k = 52000; k <= 52256; ++k) {
    ASSERT_EQ(UnmapErrorCode(MapErrorCode(-k)), -k);
    ASSERT_EQ(UnmapErrorCode(MapErrorCode(k)), k);
  }
  for (const Block &b : kBlocks) {
    SCOPED_TRACE(b.lowest);
    EXPECT_EQ(MapErrorCode(b.highest), S(b.top));
    EXPECT_EQ(MapErrorCode(b.lowest), S(b.bottom));
    EXPECT_EQ(MapErrorCode(-b.highest), -S(b.top));
    EXPECT_EQ(MapErrorCode(-b.lowest), -S(b.bottom));
    EXPECT_EQ(MapErrorCode(b.highest + 1), b.highest + 1) << "just outside stays unchanged";
    EXPECT_EQ(MapErrorCode(b.lowest - 1), b.lowest - 1);
    for (ViStatus c = b.lowest; c <= b.highest; ++c) {
      ASSERT_EQ(UnmapErrorCode(MapErrorCode(c)), c);
      ASSERT_EQ(UnmapErrorCode(MapErrorCode(-c)), -c);
    }
  }
  EXPECT_EQ(MapErrorCode(-1), -1);
  EXPECT_EQ(UnmapErrorCode(-1), -1);
}

TEST(Languages, NamesResolveIgnoringCaseAndAnInvalidOneIsRefused) {
  EXPECT_EQ(LanguageFromName("JPN", kThreeLetter), kJapanese);
  EXPECT_EQ(LanguageFromName("de", kTwoLetter), kGerman);
  EXPECT_EQ(LanguageFromName("chineses", kLongName), kChineseS);
  EXPECT_EQ(LanguageFromName("en", kLongName), kInvalidLanguage) << "names of another kind";
  EXPECT_EQ(LanguageFromName("zzz", kThreeLetter), kInvalidLanguage) << "row 6 never matches";
  EXPECT_EQ(LanguageFromName("Invalid", kLongName), kInvalidLanguage);
  EXPECT_EQ(LanguageFromName("en", 3), kInvalidLanguage);
  EXPECT_EQ(LanguageFromName(nullptr, kTwoLetter), kInvalidLanguage);
  EXPECT_STREQ(LanguageName(kKorean, kLongName), "Korean");
  EXPECT_STREQ(LanguageName(kInvalidLanguage, kThreeLetter), "zzz");
  EXPECT_EQ(LanguageName(7, kLongName), nullptr);
  LanguageId language = kFrench;
  EXPECT_EQ(SetLanguage(language, kInvalidLanguage), S(0xBFFA916C));
  EXPECT_EQ(language, kFrench);
  EXPECT_EQ(SetLanguage(language, kChineseS), 0);
  EXPECT_EQ(language, kChineseS);
}

TEST(ErrorInfoSnapshot, RestoreBringsBackTheSavedErrorOnly) {
  const testsupport::ThreadError saved[] = {{S(0xBFFA0060), 7, "x"}, {0, 0, ""}};
  for (const testsupport::ThreadError &before : saved) {
    std::thread([&] {
      Ivi_ClearErrorInfo(0);
      if (before.primary != 0) Ivi_SetErrorInfo(0, VI_FALSE, before.primary, before.secondary, "x");
      zuapi::ErrorInfoSnapshot snapshot;
      ASSERT_EQ(snapshot.Save(), 0);
      Ivi_SetErrorInfo(0, VI_TRUE, S(0xBFFA000A), 0, "Driver Module: libzuvexatov.so.");
      Ivi_SetErrorInfo(0, VI_FALSE, -1, 0, "later");
      ASSERT_EQ(snapshot.Restore(), 0);
      const testsupport::ThreadError now = testsupport::ReadThreadError();
      EXPECT_EQ(std::tie(now.primary, now.secondary, now.elaboration),
                std::tie(before.primary, before.secondary, before.elaboration));
    }).join();
  }
}
