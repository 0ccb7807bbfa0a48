// Conversion of JSON numbers to int32.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "status/jsonz.h"

namespace jsonz {
namespace {

// Longest number text converted; longer ones give the default rather than a
// value read from a cut-off text.
constexpr size_t kMaxNumberText = 63;

bool LocaleUsesDecimalComma() {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", 1.5);
  return std::strchr(text, ',') != nullptr;
}

// Integers are read like "%i" (a leading 0 means octal); values outside int32
// give false.
bool ConvertInteger(const char *text, int32_t &result) {
  errno = 0;
  char *end = nullptr;
  const long value = std::strtol(text, &end, 0);
  if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) {
    return false;
  }
  result = static_cast<int32_t>(value);
  return true;
}

// Fractions and exponents are read as double in the current C locale (so the
// first '.' becomes ',' where the locale writes a decimal comma) and
// truncated toward zero; values outside int32 give false.
bool ConvertFloat(char *text, int32_t &result) {
  if (LocaleUsesDecimalComma()) {
    char *point = std::strpbrk(text, ".,");
    if (point != nullptr && *point == '.') {
      *point = ',';
    }
  }
  const double value = std::strtod(text, nullptr);
  if (!(value > static_cast<double>(INT32_MIN) - 1.0 && value < static_cast<double>(INT32_MAX) + 1.0)) {
    return false;
  }
  result = static_cast<int32_t>(value);
  return true;
}

} // namespace

int32_t GetInt(const char *value, int32_t defaultValue, const char **end) {
  if (end != nullptr) {
    *end = nullptr;
  }
  Value parsed;
  const char *after = ParseValue(value, &parsed);
  if (after == nullptr || parsed.type != kNumber || parsed.length > kMaxNumberText) {
    return defaultValue;
  }
  // Convert a copy, so that the conversion reads exactly the number's text.
  char text[kMaxNumberText + 1];
  std::memcpy(text, parsed.start, parsed.length);
  text[parsed.length] = '\0';
  int32_t result = 0;
  if (!(parsed.isFloat ? ConvertFloat(text, result) : ConvertInteger(text, result))) {
    return defaultValue;
  }
  if (end != nullptr) {
    *end = after;
  }
  return result;
}

} // namespace jsonz
