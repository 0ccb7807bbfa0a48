// Range-checked casts and counted wide-text blocks.
#include <gtest/gtest.h>

#include <cstring>

#include "zu/dsc/CountedWideString.h"
#include "zu/dsc/NumericCast.h"

namespace zu::dsc {
namespace {

TEST(NumericCastTest, KeepsValuesThatFitAndThrowsItsSourceForTheRest) {
  EXPECT_EQ(NumericCast<uint32_t>(size_t{0xFFFFFFFF}, "f", 1), 0xFFFFFFFFu);
  EXPECT_EQ(NumericCast<int8_t>(-128, "f", 1), -128);
  EXPECT_THROW(NumericCast<uint32_t>(size_t{0x100000000}, "f", 1), exception::OutOfRange);
  EXPECT_THROW(NumericCast<uint32_t>(-1, "f", 1), exception::OutOfRange);
  EXPECT_THROW(NumericCast<int32_t>(uint32_t{0x80000000}, "f", 1), exception::OutOfRange);
  try {
    NumericCast<uint16_t>(70000, "caller.cpp", 42);
    ADD_FAILURE() << "no exception";
  } catch (const exception::Exception &failure) { // caught through the base
    EXPECT_EQ(std::string(failure.what()) + failure.file(), "Out of rangecaller.cpp");
    EXPECT_EQ(failure.errorCode(), 0x8ABC7007u);
    EXPECT_EQ(failure.line(), 42u);
  }
}

TEST(CountedWideStringTest, CopiesTextWithCountInFrontPassesNullThroughAndStaysBelow4GiB) {
  for (const wchar_t *source : {L"Gr\u00FC\u00DFe \U0001F600", L""}) {
    wchar_t *copy = CountedWideString::duplicate(source);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, source);
    uint32_t stored;
    std::memcpy(&stored, reinterpret_cast<const unsigned char *>(copy) - 4, sizeof stored);
    EXPECT_EQ(stored, std::wcslen(source));
    EXPECT_EQ(CountedWideString::count(copy), stored);
    CountedWideString::free(copy);
  }
  EXPECT_EQ(CountedWideString::duplicate(nullptr), nullptr);
  EXPECT_EQ(CountedWideString::count(nullptr), 0u);
  CountedWideString::free(nullptr);
  EXPECT_EQ(CountedWideString::blockSize(0), 8u);
  EXPECT_EQ(CountedWideString::blockSize(0x3FFFFFFD), 0xFFFFFFFCu) << "the largest text";
  for (size_t units : {size_t{0x3FFFFFFE}, size_t{0xFFFFFFFF}, size_t{1} << 32})
    EXPECT_THROW(CountedWideString::blockSize(units), exception::OutOfRange) << units;
}

} // namespace
} // namespace zu::dsc
