// Conversions between the 16-byte timestamp (whole seconds since 1904 and a
// 2^-64 s fraction) and seconds since 1970 with a fraction as a double. No
// session, engine or trace is involved.
#include <cmath>
#include <cstdint>
#include <limits>

#include "redirector/api/ExportDeclarations.h"
#include "status/StatusCodes.h"

namespace {

constexpr int64_t kSecondsFrom1904To1970 = 2082844800;
constexpr double kTwoTo64 = 18446744073709551616.0;
constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr uint64_t kTopBit = uint64_t{1} << 63;

// Seconds arithmetic wraps around instead of overflowing, so that the two
// conversions stay inverse to each other over the whole range.
int64_t WrappingAdd(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}

// A fraction in [0, 1) in units of 2^-64 s.
uint64_t FractionUnits(double fraction) {
  double scaled = fraction * kTwoTo64;
  if (scaled >= kTwoTo63) return static_cast<uint64_t>(scaled - kTwoTo63) | kTopBit;
  return static_cast<uint64_t>(scaled);
}

// Whole seconds of a value, clamped to the 64-bit range.
int64_t ClampedWholeSeconds(double whole) {
  constexpr double kLimit = kTwoTo63;
  if (whole >= kLimit) return std::numeric_limits<int64_t>::max();
  if (whole < -kLimit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(whole);
}

// Splits a fraction outside [0, 1) into whole seconds carried to the
// seconds and a remainder in [0, 1); NaN counts as 0.
void NormalizeFraction(double &fraction, int64_t &carriedSeconds) {
  carriedSeconds = 0;
  if (std::isnan(fraction)) {
    fraction = 0.0;
    return;
  }
  if (fraction >= 0.0 && fraction < 1.0) return;
  double whole = std::floor(fraction);
  carriedSeconds = ClampedWholeSeconds(whole);
  fraction = std::isinf(fraction) ? 0.0 : fraction - whole;
  if (fraction >= 1.0) { // a tiny negative fraction rounds up to 1
    fraction = 0.0;
    carriedSeconds = WrappingAdd(carriedSeconds, 1);
  }
}

} // namespace

ViStatus zuVEXA_TimestampFromValues(ViInt64 seconds, ViReal64 fractionalSeconds, ZUTimestamp *timestamp) {
  if (timestamp == nullptr) return ZUVEXA_ERROR_NULL_POINTER;
  int64_t carried = 0;
  NormalizeFraction(fractionalSeconds, carried);
  timestamp->seconds = WrappingAdd(WrappingAdd(seconds, carried), kSecondsFrom1904To1970);
  timestamp->fraction = FractionUnits(fractionalSeconds);
  return VI_SUCCESS;
}

ViStatus zuVEXA_ValuesFromTimestamp(ZUTimestamp timestamp, ViInt64 *seconds, ViReal64 *fractionalSeconds) {
  if (seconds == nullptr) return ZUVEXA_ERROR_NULL_POINTER;
  *seconds = WrappingAdd(timestamp.seconds, -kSecondsFrom1904To1970);
  if (fractionalSeconds == nullptr) return ZUVEXA_ERROR_NULL_POINTER;
  *fractionalSeconds = static_cast<double>(timestamp.fraction) / kTwoTo64;
  return VI_SUCCESS;
}
