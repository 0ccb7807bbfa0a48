// Unsigned arithmetic that throws OutOfRange instead of wrapping around.
#pragma once

#include "zu/dsc/Exception.h"

#include <concepts>
#include <cstdint>

namespace zu::dsc {

template <std::unsigned_integral T> T SafeAdd(T a, T b, const char *file, uint32_t line) {
  T sum;
  if (__builtin_add_overflow(a, b, &sum)) {
    throw exception::OutOfRange(file, line);
  }
  return sum;
}

template <std::unsigned_integral T> T SafeMultiply(T a, T b, const char *file, uint32_t line) {
  T product;
  if (__builtin_mul_overflow(a, b, &product)) {
    throw exception::OutOfRange(file, line);
  }
  return product;
}

// Throws unless value < limit.
template <std::unsigned_integral T> T SafeBelow(T value, T limit, const char *file, uint32_t line) {
  if (!(value < limit)) {
    throw exception::OutOfRange(file, line);
  }
  return value;
}

} // namespace zu::dsc

#define ZU_SAFE_ADD(a, b) ::zu::dsc::SafeAdd((a), (b), __FILE__, __LINE__)
#define ZU_SAFE_MULTIPLY(a, b) ::zu::dsc::SafeMultiply((a), (b), __FILE__, __LINE__)
#define ZU_SAFE_BELOW(value, limit) ::zu::dsc::SafeBelow((value), (limit), __FILE__, __LINE__)
