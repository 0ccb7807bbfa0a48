#include <gtest/gtest.h>

#include "zumxl/mxlate.h"

using namespace zumxl;

TEST(Languages, NamesResolveIgnoringCase) {
  EXPECT_EQ(LanguageFromName("JPN", kThreeLetter), kJapanese);
  EXPECT_EQ(LanguageFromName("de", kTwoLetter), kGerman);
  EXPECT_EQ(LanguageFromName("chineses", kLongName), kChineseS);
  EXPECT_EQ(LanguageFromName("en", kLongName), kInvalidLanguage) << "names of another kind";
  EXPECT_EQ(LanguageFromName("zzz", kThreeLetter), kInvalidLanguage) << "row 6 never matches";
  EXPECT_EQ(LanguageFromName("Invalid", kLongName), kInvalidLanguage);
  EXPECT_EQ(LanguageFromName("en", 3), kInvalidLanguage);
  EXPECT_EQ(LanguageFromName(nullptr, kTwoLetter), kInvalidLanguage);
  EXPECT_STREQ(LanguageName(kKorean, kLongName), "Korean");
  EXPECT_EQ(LanguageName(7, kLongName), nullptr);
}

TEST(Languages, InvalidLanguageIsRefused) {
  LanguageId language = kFrench;
  EXPECT_EQ(SetLanguage(language, kInvalidLanguage), static_cast<ViStatus>(0xBFFA916C));
  EXPECT_EQ(language, kFrench);
  EXPECT_EQ(SetLanguage(language, kChineseS), 0);
  EXPECT_EQ(language, kChineseS);
}
