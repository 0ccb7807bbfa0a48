#include "zu/dsc/MultibyteToWide.h"

#include <gtest/gtest.h>

#include <clocale>

#include "zuapal/zuapalerr.h"

namespace zu::dsc {
namespace {

class MultibyteToWideTest : public ::testing::Test {
protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_CTYPE, nullptr);
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr) << "C.UTF-8 locale missing";
  }
  void TearDown() override { std::setlocale(LC_CTYPE, previous_.c_str()); }

  std::wstring convert(const std::string &text) {
    std::wstring out = L"untouched";
    MultibyteToWide(text.data(), text.size(), out, status_);
    return out;
  }

  zuapal::StatusRecord status_;
  std::string previous_;
};

// Inner NULs end a conversion run and are kept.
TEST_F(MultibyteToWideTest, ConvertsEveryRunKeepingInnerNulsAndFailuresLeaveTheOutputAlone) {
  const std::pair<std::string, std::wstring> cases[] = {
      {std::string("ab\0cd", 5), std::wstring(L"ab\0cd", 5)},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", L"\u00E9\u20AC\U0001F600"},
      {std::string("\xC3\xA9\0\0", 4), std::wstring(L"\u00E9\0\0", 3)},
      {std::string("Dev\0\xC3\xA9!", 7), std::wstring(L"Dev\0\u00E9!", 6)},
      {"", L""},
  };
  for (const auto &[text, expected] : cases) EXPECT_EQ(convert(text), expected);
  ASSERT_NE(std::setlocale(LC_CTYPE, "C"), nullptr);
  EXPECT_EQ(convert(std::string("PXI1Slot2\0b", 11)), std::wstring(L"PXI1Slot2\0b", 11));
  std::wstring out = L"x";
  MultibyteToWide(nullptr, 0, out, status_);
  EXPECT_EQ(out, L"");
  EXPECT_EQ(status_.code, 0);
  MultibyteToWide(nullptr, 3, out, status_);
  EXPECT_EQ(status_.code, zuapalerr_invalidParameter);
  for (const std::string &text :
       {std::string("ok\xFFok"), std::string("ab\xE2\x82"), std::string("\xE2\x82\0x", 4)}) {
    status_ = zuapal::StatusRecord{};
    EXPECT_EQ(convert(text), L"untouched");
    EXPECT_EQ(status_.code, zuapalerr_invalidMultibyteSequence);
  }
  status_.code = -1;
  EXPECT_EQ(convert("abc"), L"untouched");
  EXPECT_EQ(status_.code, -1);
  status_.code = 3;
  EXPECT_EQ(convert("abc"), L"abc") << "a warning does not stop it";
  EXPECT_EQ(status_.code, 3);
}

} // namespace
} // namespace zu::dsc
