// Insertion of members and elements into a JSON text in place.
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "status/jsonz.h"
#include "status/jsonz_internal.h"

namespace jsonz {
namespace {

using detail::IsWhitespace;
using detail::SkipWhitespace;

constexpr char kSentinel = 'J';

char ClosingFor(char opening) { return opening == '{' ? '}' : ']'; }
char OpeningFor(char closing) { return closing == '}' ? '{' : '['; }

// Zero bytes between the text's NUL (at `end`) and the sentinel; -1 when the
// buffer does not end in the sentinel.
ptrdiff_t FreeRoom(const char *end) {
  const char *p = end + 1;
  while (*p == '\0') {
    ++p;
  }
  return *p == kSentinel ? p - (end + 1) : -1;
}

// Opens n bytes for new text at `position` and writes the comma it needs.
// Returns where the caller writes its n bytes, or null (nothing changed).
char *MakeRoom(char *position, size_t n) {
  char *insertAt = position;
  bool commaBefore = false;
  bool commaAfter = false;
  const char c = *position;
  if (c == '{' || c == '[') {
    insertAt = position + 1;
    commaAfter = *SkipWhitespace(insertAt) != ClosingFor(c);
  } else if (c == '}' || c == ']') {
    const char *previous = position - 1;
    while (IsWhitespace(*previous)) {
      --previous;
    }
    commaBefore = *previous != OpeningFor(c);
  } else if (c != '\0') {
    commaBefore = true;
  }
  char *end = insertAt + std::strlen(insertAt);
  const ptrdiff_t room = FreeRoom(end);
  const size_t needed = n + ((commaBefore || commaAfter) ? 1 : 0);
  if (room < 0 || needed < n || needed > static_cast<size_t>(room)) {
    return nullptr;
  }
  std::memmove(insertAt + needed, insertAt, static_cast<size_t>(end - insertAt) + 1);
  if (commaBefore) {
    *insertAt = ',';
    return insertAt + 1;
  }
  if (commaAfter) {
    insertAt[n] = ',';
  }
  return insertAt;
}

bool NeedsEscape(unsigned char c) { return c < 0x20 || c == 0x7F || c == '"' || c == '\\'; }

// The short escape letter for c, or 0 when c needs the \u form.
char ShortEscape(unsigned char c) {
  switch (c) {
  case '"':
    return '"';
  case '\\':
    return '\\';
  case '\b':
    return 'b';
  case '\t':
    return 't';
  case '\n':
    return 'n';
  case '\f':
    return 'f';
  case '\r':
    return 'r';
  default:
    return 0;
  }
}

size_t EscapedLength(const char *text) {
  size_t length = 0;
  for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
    if (!NeedsEscape(*p)) {
      length += 1;
    } else {
      length += ShortEscape(*p) ? 2 : 6;
    }
  }
  return length;
}

char *WriteEscaped(char *out, const char *text) {
  static const char kHex[] = "0123456789abcdef";
  for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
    if (!NeedsEscape(*p)) {
      *out++ = static_cast<char>(*p);
    } else if (char letter = ShortEscape(*p)) {
      *out++ = '\\';
      *out++ = letter;
    } else {
      *out++ = '\\';
      *out++ = 'u';
      *out++ = '0';
      *out++ = '0';
      *out++ = kHex[*p >> 4];
      *out++ = kHex[*p & 0xF];
    }
  }
  return out;
}

char *WriteQuoted(char *out, const char *text) {
  *out++ = '"';
  out = WriteEscaped(out, text);
  *out++ = '"';
  return out;
}

size_t KeyLength(const char *key) { return key ? EscapedLength(key) + 3 : 0; }

char *WriteKey(char *out, const char *key) {
  if (key == nullptr) {
    return out;
  }
  out = WriteQuoted(out, key);
  *out++ = ':';
  return out;
}

// Writes the key (if any) followed by `literal` as it stands.
char *AddLiteral(char *position, const char *key, const char *literal) {
  if (position == nullptr) {
    return nullptr;
  }
  const size_t literalLength = std::strlen(literal);
  char *out = MakeRoom(position, KeyLength(key) + literalLength);
  if (out == nullptr) {
    return nullptr;
  }
  out = WriteKey(out, key);
  std::memcpy(out, literal, literalLength);
  return out + literalLength;
}

} // namespace

char *AddString(char *position, const char *keyOrNull, const char *value) {
  if (position == nullptr || value == nullptr) {
    return nullptr;
  }
  char *out = MakeRoom(position, KeyLength(keyOrNull) + EscapedLength(value) + 2);
  if (out == nullptr) {
    return nullptr;
  }
  return WriteQuoted(WriteKey(out, keyOrNull), value);
}

char *AddInt(char *position, const char *keyOrNull, int32_t value) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%" PRIi32, value);
  return AddLiteral(position, keyOrNull, digits);
}

char *AddUInt(char *position, const char *keyOrNull, uint32_t value) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%" PRIu32, value);
  return AddLiteral(position, keyOrNull, digits);
}

char *AddU64(char *position, const char *keyOrNull, uint64_t value) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%" PRIu64, value);
  return AddLiteral(position, keyOrNull, digits);
}

char *AddObject(char *position, const char *keyOrNull) { return AddLiteral(position, keyOrNull, "{}"); }

char *AddArray(char *position, const char *keyOrNull) { return AddLiteral(position, keyOrNull, "[]"); }

} // namespace jsonz
