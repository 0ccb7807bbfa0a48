#include "CatalogueSupport.h"

#include <cmath>
#include <limits>

using namespace e2e;

namespace {

constexpr ViInt64 kEpochOffset = 2082844800, kMax = std::numeric_limits<ViInt64>::max();
constexpr ViUInt64 kHalf = ViUInt64{1} << 63, kThreeQuarters = kHalf | ViUInt64{1} << 62;

void ExpectTimestamp(ViInt64 seconds, ViReal64 fraction, ViInt64 expectedSeconds, ViUInt64 expectedFraction) {
  ZUTimestamp t{123, 456};
  EXPECT_EQ(zuVEXA_TimestampFromValues(seconds, fraction, &t), 0);
  EXPECT_EQ(t.seconds, expectedSeconds) << seconds << " + " << fraction;
  EXPECT_EQ(t.fraction, expectedFraction) << seconds << " + " << fraction;
}

} // namespace

// Fractions outside [0, 1) carry their whole seconds; NaN counts as 0; the
// seconds wrap around rather than overflow.
TEST(Timestamps, ValuesBecomeTimestampsFromThe1904Epoch) {
  ExpectTimestamp(0, 0.5, kEpochOffset, kHalf);
  ExpectTimestamp(-3, 0.75, kEpochOffset - 3, kThreeQuarters);
  ExpectTimestamp(10, 1.5, kEpochOffset + 11, kHalf);
  ExpectTimestamp(10, -0.25, kEpochOffset + 9, kThreeQuarters);
  ExpectTimestamp(10, -1e-30, kEpochOffset + 10, 0); // the remainder rounds to a whole second
  ExpectTimestamp(10, std::nan(""), kEpochOffset + 10, 0);
  ExpectTimestamp(0, INFINITY, static_cast<ViInt64>(static_cast<ViUInt64>(kMax) + kEpochOffset), 0);
  EXPECT_EQ(zuVEXA_TimestampFromValues(0, 0.5, nullptr), kNullPointer);
}

TEST(Timestamps, TimestampsBecomeValuesEvenAfterWrappingAround) {
  ViInt64 seconds = -1;
  ViReal64 fraction = -1;
  ZUTimestamp wrapped{};
  ASSERT_EQ(zuVEXA_TimestampFromValues(kMax, 0.5, &wrapped), 0);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(wrapped, &seconds, &fraction), 0);
  EXPECT_EQ(seconds, kMax);
  EXPECT_EQ(fraction, 0.5);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(ZUTimestamp{0, kEpochOffset + 7}, nullptr, &fraction), kNullPointer);
  EXPECT_EQ(zuVEXA_ValuesFromTimestamp(ZUTimestamp{0, kEpochOffset + 7}, &seconds, nullptr), kNullPointer);
  EXPECT_EQ(seconds, 7) << "the seconds are stored before the fraction is checked";
}
