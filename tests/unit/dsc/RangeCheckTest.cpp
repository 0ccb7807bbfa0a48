#include "zu/dsc/NumericCast.h"

#include <gtest/gtest.h>

namespace zu::dsc {
namespace {

TEST(NumericCastTest, KeepsValuesThatFitAndRejectsTheRest) {
  EXPECT_EQ(NumericCast<uint32_t>(size_t{0xFFFFFFFF}, "f", 1), 0xFFFFFFFFu);
  EXPECT_EQ(NumericCast<int8_t>(-128, "f", 1), -128);
  EXPECT_THROW(NumericCast<uint32_t>(size_t{0x100000000}, "f", 1), exception::OutOfRange);
  EXPECT_THROW(NumericCast<uint32_t>(-1, "f", 1), exception::OutOfRange);
  EXPECT_THROW(NumericCast<int32_t>(uint32_t{0x80000000}, "f", 1), exception::OutOfRange);
  EXPECT_THROW(NumericCast<uint8_t>(256, "f", 1), exception::OutOfRange);
}

TEST(NumericCastTest, FailureCarriesItsSourceAndCode) {
  try {
    NumericCast<uint16_t>(70000, "caller.cpp", 42);
    FAIL() << "no exception";
  } catch (const exception::Exception &failure) { // caught through the base
    EXPECT_STREQ(failure.what(), "Out of range");
    EXPECT_EQ(failure.errorCode(), 0x8ABC7007u);
    EXPECT_STREQ(failure.file(), "caller.cpp");
    EXPECT_EQ(failure.line(), 42u);
  }
}

} // namespace
} // namespace zu::dsc
