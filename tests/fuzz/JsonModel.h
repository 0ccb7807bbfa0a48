// A reference reader of the JSON the status texts hold, written from the
// documented results of the scanner (jsonz.h): what a value is, where it
// ends, and for a failure the error code and the position it names. The
// fuzz programs compare the scanner and the decoder with it.
#pragma once

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "status/jsonz.h"

namespace jsonmodel {

struct Outcome {
  int32_t type = jsonz::kInvalid;
  size_t begin = 0, end = 0; // offsets of the value (begin: of the error) and after it
  int32_t error = 0;
  bool isFloat = false, boolean = false;
};

inline const char *SkipBlanks(const char *p) { return p + std::strspn(p, " \t\n\r"); }
inline bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
// The letter of a two-character escape, as its position in "\"\\/bfnrt".
inline size_t SimpleEscape(char c) {
  return c == '\0' ? std::string_view::npos : std::string_view("\"\\/bfnrt").find(c);
}

class Reader {
public:
  explicit Reader(std::string_view text) : s_(text) {}

  Outcome Read() {
    Skip();
    const bool read = At() == '\0' ? Fail(jsonz::kNoText) : Value(0);
    return read ? value_ : failure_;
  }

private:
  char Char(size_t position) const { return position < s_.size() ? s_[position] : '\0'; }
  char At(size_t offset = 0) const { return Char(at_ + offset); }
  static bool Digit(char c) { return c >= '0' && c <= '9'; }
  size_t Digits(size_t from) const { return std::min(s_.find_first_not_of("0123456789", from), s_.size()); }
  void Skip() { at_ = std::min(s_.find_first_not_of(" \t\n\r", at_), s_.size()); }
  bool Fail(int32_t code) {
    failure_ = Outcome{jsonz::kInvalid, at_, 0, code};
    return false;
  }
  bool Done(int32_t type, size_t begin, size_t end, bool isFloat = false, bool boolean = false) {
    value_ = Outcome{type, begin, at_ = end, 0, isFloat, boolean};
    return true;
  }

  bool Value(int depth) {
    const char c = At();
    if (c == '"') return String();
    if (c == '{' || c == '[') return Container(depth);
    if (c == '-' || Digit(c)) return Number();
    for (auto [word, type, truth] : {std::tuple{"true", jsonz::kBoolean, true},
                                     {"false", jsonz::kBoolean, false},
                                     {"null", jsonz::kNull, false}})
      if (s_.substr(at_).starts_with(word)) return Done(type, at_, at_ + std::strlen(word), false, truth);
    return Fail(jsonz::kStringExpected);
  }

  // A fraction or exponent without digits is not part of the number.
  bool Number() {
    size_t p = at_ + (At() == '-');
    if (!Digit(Char(p))) return Fail(jsonz::kStringExpected);
    p = Digits(p);
    bool isFloat = false;
    if (Char(p) == '.' && Digit(Char(p + 1))) p = Digits(p + 1), isFloat = true;
    const size_t exponent = p + 1 + (Char(p + 1) == '+' || Char(p + 1) == '-');
    if ((Char(p) == 'e' || Char(p) == 'E') && Digit(Char(exponent))) p = Digits(exponent), isFloat = true;
    return Done(jsonz::kNumber, at_, p, isFloat);
  }

  // Length of the escape at the cursor, 0 when it is broken.
  size_t Escape() const {
    if (SimpleEscape(At(1)) != std::string_view::npos) return 2;
    return At(1) == 'u' && IsHex(At(2)) && IsHex(At(3)) && IsHex(At(4)) && IsHex(At(5)) ? 6 : 0;
  }

  bool String() {
    const size_t begin = ++at_;
    while (At() != '"') {
      if (static_cast<unsigned char>(At()) < 0x20) return Fail(jsonz::kStringExpected);
      const size_t length = At() == '\\' ? Escape() : 1;
      if (length == 0) return Fail(jsonz::kInvalidEscape);
      at_ += length;
    }
    return Done(jsonz::kString, begin, at_ + 1);
  }

  bool Container(int depth) {
    const size_t begin = at_;
    const bool object = At() == '{';
    const char closing = object ? '}' : ']';
    const int32_t endedInside = object ? jsonz::kObjectExpected : jsonz::kArrayExpected;
    if (depth >= jsonz::kMaxNesting) return Fail(endedInside);
    ++at_;
    Skip();
    while (At() != closing) {
      if (At() == '\0') return Fail(endedInside);
      if ((object && !Name()) || !Value(depth + 1)) return false;
      Skip();
      if (At() == ',') {
        ++at_;
        Skip();
        if (At() == closing) return Fail(jsonz::kTrailingComma);
      } else if (At() != closing) {
        return Fail(At() == '\0' ? endedInside : jsonz::kSeparatorExpected);
      }
    }
    return Done(object ? jsonz::kObject : jsonz::kArray, begin, at_ + 1);
  }

  // A member name and its colon; the text may not end before the value.
  bool Name() {
    if (At() != '"') return Fail(jsonz::kStringExpected);
    if (!String()) return false;
    Skip();
    if (At() != ':') return Fail(At() == '\0' ? jsonz::kObjectExpected : jsonz::kColonExpected);
    ++at_;
    Skip();
    return At() != '\0' || Fail(jsonz::kObjectExpected);
  }

  std::string_view s_;
  size_t at_ = 0;
  Outcome value_, failure_;
};

// GetInt's reading of a number text: integers as strtol base 0 reads them,
// fractions and exponents truncated toward zero; nothing outside int32.
inline std::optional<int32_t> NumberValue(const std::string &text, bool isFloat) {
  if (text.size() > 63) return std::nullopt;
  const double value = isFloat ? std::trunc(std::strtod(text.c_str(), nullptr))
                               : static_cast<double>(std::strtoll(text.c_str(), nullptr, 0));
  if (!(value >= INT32_MIN && value <= INT32_MAX)) return std::nullopt;
  return static_cast<int32_t>(value);
}

inline void AppendUtf8(uint32_t point, std::string &out) {
  static constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
  const int extra = point < 0x80 ? 0 : point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
  out += static_cast<char>(kLead[extra] | point >> (6 * extra));
  for (int i = extra - 1; i >= 0; --i) out += static_cast<char>(0x80 | (point >> (6 * i) & 0x3F));
}

// The decoded raw string text, or nothing when an escape is broken: an
// unknown letter, fewer than four hex digits, a low surrogate first or a
// high surrogate without a low one after it.
inline std::optional<std::string> Decode(std::string_view raw) {
  auto unit = [&](size_t at) -> std::optional<uint32_t> {
    if (raw.size() < at + 6 || raw.substr(at, 2) != "\\u" ||
        !std::all_of(raw.data() + at + 2, raw.data() + at + 6, IsHex))
      return std::nullopt;
    return static_cast<uint32_t>(std::strtoul(std::string(raw.substr(at + 2, 4)).c_str(), nullptr, 16));
  };
  std::string out;
  for (size_t at = 0; at < raw.size();) {
    const size_t simple = at + 1 < raw.size() ? SimpleEscape(raw[at + 1]) : std::string_view::npos;
    if (raw[at] != '\\') {
      out += raw[at++];
    } else if (simple != std::string_view::npos) {
      out += "\"\\/\b\f\n\r\t"[simple];
      at += 2;
    } else {
      const auto first = unit(at), second = unit(at + 6);
      if (!first || (*first >= 0xDC00 && *first <= 0xDFFF)) return std::nullopt;
      const bool pair = *first >= 0xD800 && *first <= 0xDBFF;
      if (pair && (!second || *second < 0xDC00 || *second > 0xDFFF)) return std::nullopt;
      AppendUtf8(pair ? 0x10000 + ((*first - 0xD800) << 10) + (*second - 0xDC00) : *first, out);
      at += pair ? 12 : 6;
    }
  }
  return out;
}

} // namespace jsonmodel
