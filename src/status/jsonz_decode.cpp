// Decoding of raw JSON string text (escapes, \u code points, UTF-8).
#include "status/jsonz.h"
#include "status/jsonz_internal.h"

namespace jsonz {
namespace detail {
namespace {

constexpr uint32_t kBadCodePoint = 0xFFFFFFFF;
constexpr uint32_t kCodePointLimit = 0x200000;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code unit of a "\uXXXX" escape at p, within end; kBadCodePoint if none.
uint32_t ReadUnicodeEscape(const char *p, const char *end) {
  if (end - p < 6 || p[0] != '\\' || p[1] != 'u') {
    return kBadCodePoint;
  }
  uint32_t unit = 0;
  for (int i = 2; i < 6; ++i) {
    const int digit = HexValue(p[i]);
    if (digit < 0) {
      return kBadCodePoint;
    }
    unit = unit << 4 | static_cast<uint32_t>(digit);
  }
  return unit;
}

// Reads a \u escape at p, joining a surrogate pair; only a high surrogate
// followed by a low one is accepted. Sets next; kBadCodePoint if broken.
uint32_t ReadCodePoint(const char *p, const char *end, const char *&next) {
  const uint32_t first = ReadUnicodeEscape(p, end);
  next = p + 6;
  if (first == kBadCodePoint || (first >= 0xDC00 && first <= 0xDFFF)) {
    return kBadCodePoint;
  }
  if (first < 0xD800 || first > 0xDBFF) {
    return first;
  }
  const uint32_t second = ReadUnicodeEscape(next, end);
  if (second == kBadCodePoint || second < 0xDC00 || second > 0xDFFF) {
    return kBadCodePoint;
  }
  next += 6;
  return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
}

int EncodeUtf8(uint32_t codePoint, char bytes[4]) {
  if (codePoint < 0x80) {
    bytes[0] = static_cast<char>(codePoint);
    return 1;
  }
  if (codePoint < 0x800) {
    bytes[0] = static_cast<char>(0xC0 | codePoint >> 6);
    bytes[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 2;
  }
  if (codePoint < 0x10000) {
    bytes[0] = static_cast<char>(0xE0 | codePoint >> 12);
    bytes[1] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    bytes[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 3;
  }
  bytes[0] = static_cast<char>(0xF0 | codePoint >> 18);
  bytes[1] = static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
  bytes[2] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
  bytes[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
  return 4;
}

// The character a short escape letter stands for, or 0.
char ShortEscapeValue(char letter) {
  switch (letter) {
  case '"':
    return '"';
  case '\\':
    return '\\';
  case '/':
    return '/';
  case 'b':
    return '\b';
  case 'f':
    return '\f';
  case 'n':
    return '\n';
  case 'r':
    return '\r';
  case 't':
    return '\t';
  default:
    return 0;
  }
}

} // namespace

const char *DecodeCharacter(const char *p, const char *end, char bytes[4], int &count) {
  if (*p != '\\') {
    bytes[0] = *p;
    count = 1;
    return p + 1;
  }
  if (end - p < 2) {
    return nullptr;
  }
  if (p[1] != 'u') {
    bytes[0] = ShortEscapeValue(p[1]);
    count = 1;
    return bytes[0] ? p + 2 : nullptr;
  }
  const char *next = nullptr;
  const uint32_t codePoint = ReadCodePoint(p, end, next);
  if (codePoint == kBadCodePoint || codePoint >= kCodePointLimit) {
    return nullptr;
  }
  count = EncodeUtf8(codePoint, bytes);
  return next;
}

} // namespace detail

char *DecodeString(const char *start, size_t length, char *buffer) {
  if (buffer == nullptr || (start == nullptr && length > 0)) {
    return nullptr;
  }
  const char *end = start + length;
  char *out = buffer;
  for (const char *p = start; p < end;) {
    char bytes[4];
    int count = 0;
    p = detail::DecodeCharacter(p, end, bytes, count);
    if (p == nullptr) {
      *out = '\0';
      return nullptr;
    }
    for (int i = 0; i < count; ++i) {
      *out++ = bytes[i];
    }
  }
  *out = '\0';
  return out;
}

bool EqualsDecoded(const char *key, const char *start, size_t length) {
  if (key == nullptr || (start == nullptr && length > 0)) {
    return false;
  }
  const char *end = start + length;
  for (const char *p = start; p < end;) {
    char bytes[4];
    int count = 0;
    p = detail::DecodeCharacter(p, end, bytes, count);
    if (p == nullptr) {
      return false;
    }
    for (int i = 0; i < count; ++i, ++key) {
      if (*key == '\0' || *key != bytes[i]) {
        return false;
      }
    }
  }
  return *key == '\0';
}

} // namespace jsonz
