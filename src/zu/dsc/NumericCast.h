// Integer conversion that throws OutOfRange instead of losing the value.
#pragma once

#include "zu/dsc/Exception.h"

#include <concepts>
#include <cstdint>
#include <utility>

namespace zu::dsc {

template <std::integral To, std::integral From> To NumericCast(From value, const char *file, uint32_t line) {
  if (!std::in_range<To>(value)) {
    throw exception::OutOfRange(file, line);
  }
  return static_cast<To>(value);
}

} // namespace zu::dsc

#define ZU_NUMERIC_CAST(To, value) ::zu::dsc::NumericCast<To>((value), __FILE__, __LINE__)
