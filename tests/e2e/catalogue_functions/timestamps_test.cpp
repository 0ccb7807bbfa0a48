#include "CatalogueSupport.h"

#include <cmath>
#include <limits>

using namespace e2e;

namespace {

constexpr ViInt64 kEpochOffset = 2082844800;
constexpr ViUInt64 kHalf = ViUInt64{1} << 63;
constexpr ViUInt64 kQuarter = ViUInt64{1} << 62;

ZUTimestamp FromValues(ViInt64 seconds, ViReal64 fraction) {
  ZUTimestamp timestamp{123, 456};
  EXPECT_EQ(zuVEXA_TimestampFromValues(seconds, fraction, &timestamp), 0);
  return timestamp;
}

void ExpectTimestamp(const ZUTimestamp &t, ViInt64 seconds, ViUInt64 fraction) {
  EXPECT_EQ(t.seconds, seconds);
  EXPECT_EQ(t.fraction, fraction);
}

} // namespace

TEST(Timestamps, EpochsAndFractionsConvertBothWays) {
  ExpectTimestamp(FromValues(0, 0.5), kEpochOffset, kHalf);
  ExpectTimestamp(FromValues(-3, 0.75), kEpochOffset - 3, kHalf | kQuarter);
  ViInt64 seconds = -1;
  ViReal64 fraction = -1;
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(ZUTimestamp{kHalf, kEpochOffset}, &seconds, &fraction), 0);
  EXPECT_EQ(seconds, 0);
  EXPECT_EQ(fraction, 0.5);
  ASSERT_EQ(zuVEXA_ValuesFromTimestamp(FromValues(1700000000, 0.999999), &seconds, &fraction), 0);
  EXPECT_EQ(seconds, 1700000000);
  EXPECT_NEAR(fraction, 0.999999, 1e-15);

  EXPECT_EQ(zuVEXA_TimestampFromValues(0, 0.5, nullptr), kNullPointer);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(ZUTimestamp{0, kEpochOffset + 7}, nullptr, &fraction), kNullPointer);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(ZUTimestamp{0, kEpochOffset + 7}, &seconds, nullptr), kNullPointer);
  EXPECT_EQ(seconds, 7) << "the seconds are stored before the fraction is checked";
}

// Fractions outside [0, 1) carry their whole seconds; NaN counts as 0.
TEST(Timestamps, FractionsOutsideOneSecondCarryIntoTheSeconds) {
  ExpectTimestamp(FromValues(10, 1.5), kEpochOffset + 11, kHalf);
  ExpectTimestamp(FromValues(10, -0.25), kEpochOffset + 9, kHalf | kQuarter);
  ExpectTimestamp(FromValues(10, -1e-30), kEpochOffset + 10, 0); // the remainder rounds to a whole second
  ExpectTimestamp(FromValues(10, std::nan("")), kEpochOffset + 10, 0);
  constexpr ViInt64 kMax = std::numeric_limits<ViInt64>::max();
  ExpectTimestamp(FromValues(0, INFINITY), static_cast<ViInt64>(static_cast<ViUInt64>(kMax) + kEpochOffset), 0);

  ViInt64 seconds = 0;
  ViReal64 fraction = 0;
  ASSERT_EQ(zuVEXA_ValuesFromTimestamp(FromValues(kMax, 0.5), &seconds, &fraction), 0);
  EXPECT_EQ(seconds, kMax) << "seconds wrap around and come back";
}
