// Validating scanner for one JSON value. Containers recurse at most
// kMaxNesting levels deep; everything stops at the text's NUL.
#include <cstring>

#include "status/jsonz.h"
#include "status/jsonz_internal.h"

namespace jsonz {
namespace detail {
namespace {

const char *Fail(Value &out, const char *at, int32_t code) {
  out = Value{kInvalid, at, static_cast<size_t>(code), false, false};
  return nullptr;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

const char *SkipDigits(const char *p) {
  while (IsDigit(*p)) {
    ++p;
  }
  return p;
}

// Position after a valid escape whose backslash is at p, or null.
const char *SkipEscape(const char *p) {
  switch (p[1]) {
  case '"':
  case '\\':
  case '/':
  case 'b':
  case 'f':
  case 'n':
  case 'r':
  case 't':
    return p + 2;
  case 'u':
    for (int i = 2; i < 6; ++i) {
      if (!IsHexDigit(p[i])) {
        return nullptr;
      }
    }
    return p + 6;
  default:
    return nullptr;
  }
}

// '-'? digits ('.' digits)? ([eE] [+-]? digits)?; an incomplete fraction or
// exponent is left to the caller, as the text after the number.
const char *ParseNumber(const char *p, Value &out) {
  const char *start = p;
  if (*p == '-') {
    ++p;
  }
  if (!IsDigit(*p)) {
    return Fail(out, start, kStringExpected);
  }
  p = SkipDigits(p);
  bool isFloat = false;
  if (p[0] == '.' && IsDigit(p[1])) {
    p = SkipDigits(p + 1);
    isFloat = true;
  }
  if (*p == 'e' || *p == 'E') {
    const char *exponent = p + 1;
    if (*exponent == '+' || *exponent == '-') {
      ++exponent;
    }
    if (IsDigit(*exponent)) {
      p = SkipDigits(exponent);
      isFloat = true;
    }
  }
  out = Value{kNumber, start, static_cast<size_t>(p - start), isFloat, false};
  return p;
}

bool StartsWith(const char *p, const char *word) { return std::strncmp(p, word, std::strlen(word)) == 0; }

const char *ParseLiteral(const char *p, Value &out) {
  if (StartsWith(p, "true")) {
    out = Value{kBoolean, p, 4, false, true};
    return p + 4;
  }
  if (StartsWith(p, "false")) {
    out = Value{kBoolean, p, 5, false, false};
    return p + 5;
  }
  if (StartsWith(p, "null")) {
    out = Value{kNull, p, 4, false, false};
    return p + 4;
  }
  return Fail(out, p, kStringExpected);
}

const char *ParseAny(const char *p, Value &out, int depth);

// One object member or array element, ending after its trailing whitespace.
const char *ParseEntry(const char *p, bool isObject, Value &out, int depth) {
  if (isObject) {
    if (*p != '"') {
      return Fail(out, p, kStringExpected);
    }
    p = ParseString(p, out);
    if (p == nullptr) {
      return nullptr;
    }
    p = SkipWhitespace(p);
    if (*p == '\0') {
      return Fail(out, p, kObjectExpected);
    }
    if (*p != ':') {
      return Fail(out, p, kColonExpected);
    }
    p = SkipWhitespace(p + 1);
    if (*p == '\0') {
      return Fail(out, p, kObjectExpected);
    }
  }
  p = ParseAny(p, out, depth + 1);
  return p ? SkipWhitespace(p) : nullptr;
}

// Object or array whose opening bracket is at p.
const char *ParseContainer(const char *p, Value &out, int depth) {
  const char *start = p;
  const bool isObject = *p == '{';
  const char closing = isObject ? '}' : ']';
  const int32_t endedInside = isObject ? kObjectExpected : kArrayExpected;
  if (depth >= kMaxNesting) {
    return Fail(out, start, endedInside);
  }
  p = SkipWhitespace(p + 1);
  while (*p != closing) {
    if (*p == '\0') {
      return Fail(out, p, endedInside);
    }
    p = ParseEntry(p, isObject, out, depth);
    if (p == nullptr) {
      return nullptr;
    }
    if (*p == ',') {
      p = SkipWhitespace(p + 1);
      if (*p == closing) {
        return Fail(out, p, kTrailingComma);
      }
    } else if (*p == '\0') {
      return Fail(out, p, endedInside);
    } else if (*p != closing) {
      return Fail(out, p, kSeparatorExpected);
    }
  }
  out = Value{isObject ? kObject : kArray, start, static_cast<size_t>(p + 1 - start), false, false};
  return p + 1;
}

// p is at the first character of the value. Only the attempt that matches
// the first character can get past it; every other attempt fails right there
// and the string attempt, tried first, reports that as kStringExpected.
const char *ParseAny(const char *p, Value &out, int depth) {
  switch (*p) {
  case '"':
    return ParseString(p, out);
  case '{':
  case '[':
    return ParseContainer(p, out, depth);
  case '-':
  case '0':
  case '1':
  case '2':
  case '3':
  case '4':
  case '5':
  case '6':
  case '7':
  case '8':
  case '9':
    return ParseNumber(p, out);
  default:
    return ParseLiteral(p, out);
  }
}

} // namespace

const char *ParseString(const char *p, Value &out) {
  if (*p != '"') {
    return Fail(out, p, kStringExpected);
  }
  const char *start = p + 1;
  for (p = start; *p != '"';) {
    if (static_cast<unsigned char>(*p) < 0x20) {
      return Fail(out, p, kStringExpected);
    }
    if (*p == '\\') {
      const char *after = SkipEscape(p);
      if (after == nullptr) {
        return Fail(out, p, kInvalidEscape);
      }
      p = after;
    } else {
      ++p;
    }
  }
  out = Value{kString, start, static_cast<size_t>(p - start), false, false};
  return p + 1;
}

} // namespace detail

const char *ParseValue(const char *text, Value *out) {
  Value scratch;
  Value &value = out ? *out : scratch;
  if (text == nullptr) {
    value = Value{kInvalid, nullptr, static_cast<size_t>(kNoText), false, false};
    return nullptr;
  }
  const char *p = detail::SkipWhitespace(text);
  if (*p == '\0') {
    value = Value{kInvalid, p, static_cast<size_t>(kNoText), false, false};
    return nullptr;
  }
  return detail::ParseAny(p, value, 0);
}

} // namespace jsonz
