#include "zu/dsc/CountedWideString.h"

#include "zu/dsc/Exception.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zu::dsc {
namespace {

uint32_t StoredCount(const wchar_t *text) {
  uint32_t count;
  std::memcpy(&count, reinterpret_cast<const unsigned char *>(text) - 4, sizeof count);
  return count;
}

TEST(CountedWideStringTest, CopiesTextWithCountInFrontEvenWhenEmpty) {
  const wchar_t source[] = L"Gr\u00FC\u00DFe \U0001F600";
  wchar_t *copy = CountedWideString::duplicate(source);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, source);
  EXPECT_STREQ(copy, source);
  EXPECT_EQ(StoredCount(copy), 7u);
  EXPECT_EQ(CountedWideString::count(copy), 7u);
  CountedWideString::free(copy);

  wchar_t *empty = CountedWideString::duplicate(L"");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(StoredCount(empty), 0u);
  EXPECT_EQ(empty[0], L'\0');
  CountedWideString::free(empty);
}

TEST(CountedWideStringTest, NullIsPassedThrough) {
  EXPECT_EQ(CountedWideString::duplicate(nullptr), nullptr);
  EXPECT_EQ(CountedWideString::count(nullptr), 0u);
  CountedWideString::free(nullptr);
}

TEST(CountedWideStringTest, BlockSizeLimits) {
  EXPECT_EQ(CountedWideString::blockSize(0), 8u);
  // The largest text whose bytes stay below 0xFFFFFFFC.
  EXPECT_EQ(CountedWideString::blockSize(0x3FFFFFFD), 0xFFFFFFFCu);
  EXPECT_THROW(CountedWideString::blockSize(0x3FFFFFFE), exception::OutOfRange);
  EXPECT_THROW(CountedWideString::blockSize(0x3FFFFFFF), exception::OutOfRange);
  EXPECT_THROW(CountedWideString::blockSize(0xFFFFFFFF), exception::OutOfRange);
  EXPECT_THROW(CountedWideString::blockSize(size_t{1} << 32), exception::OutOfRange);
}

} // namespace
} // namespace zu::dsc
