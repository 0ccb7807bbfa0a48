// Helpers shared by the jsonz source files; not part of the interface.
#pragma once

#include <cstddef>
#include <cstdint>

#include "status/jsonz.h"

namespace jsonz::detail {

inline bool IsWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

inline const char *SkipWhitespace(const char *p) {
  while (IsWhitespace(*p)) {
    ++p;
  }
  return p;
}

// Parses a string starting at its opening quote. On failure returns null and
// sets out to the error.
const char *ParseString(const char *p, Value &out);

// Decodes the raw string character at p (p < end) into up to 4 UTF-8 bytes.
// Returns the position after it, or null for a broken escape.
const char *DecodeCharacter(const char *p, const char *end, char bytes[4], int &count);

} // namespace jsonz::detail
