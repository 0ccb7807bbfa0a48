// A reference reader of the JSON the status texts hold, written from the
// documented results of the scanner (jsonz.h): what a value is, where it
// ends, and for a failure the error code and the position it names. The
// fuzz programs compare the scanner and the decoder with it.
#pragma once

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "status/jsonz.h"

namespace jsonmodel {

struct Outcome {
  int32_t type = jsonz::kInvalid;
  size_t begin = 0; // offset of the value, or of the error
  size_t end = 0;   // offset after the value
  int32_t error = 0;
  bool isFloat = false;
  bool boolean = false;
};

class Reader {
public:
  explicit Reader(std::string_view text) : s_(text) {}

  Outcome Read() {
    Skip();
    if (At() == '\0') return Error(jsonz::kNoText);
    if (!Value(0)) return failure_;
    return value_;
  }

private:
  char Char(size_t position) const { return position < s_.size() ? s_[position] : '\0'; }
  char At(size_t offset = 0) const { return Char(at_ + offset); }
  static bool Digit(char c) { return c >= '0' && c <= '9'; }
  static bool Hex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
  void Skip() {
    while (At() == ' ' || At() == '\t' || At() == '\n' || At() == '\r') ++at_;
  }
  Outcome Error(int32_t code) { return failure_ = Outcome{jsonz::kInvalid, at_, 0, code}; }
  bool Fail(int32_t code) {
    Error(code);
    return false;
  }
  bool Done(int32_t type, size_t begin, bool isFloat = false, bool boolean = false) {
    value_ = Outcome{type, begin, at_, 0, isFloat, boolean};
    return true;
  }

  bool Value(int depth) {
    const char c = At();
    if (c == '"') return String();
    if (c == '{' || c == '[') return Container(depth);
    if (c == '-' || Digit(c)) return Number();
    for (auto [word, type, truth] : {std::tuple{"true", jsonz::kBoolean, true},
                                     {"false", jsonz::kBoolean, false},
                                     {"null", jsonz::kNull, false}}) {
      if (s_.substr(at_).starts_with(word)) {
        const size_t begin = at_;
        at_ += std::string_view(word).size();
        return Done(type, begin, false, truth);
      }
    }
    return Fail(jsonz::kStringExpected);
  }

  size_t Digits(size_t from) const {
    while (Digit(Char(from))) ++from;
    return from;
  }

  // A fraction or exponent without digits is not part of the number.
  bool Number() {
    const size_t begin = at_;
    size_t p = at_ + (At() == '-');
    if (!Digit(Char(p))) return Fail(jsonz::kStringExpected);
    p = Digits(p);
    bool isFloat = false;
    if (Char(p) == '.' && Digit(Char(p + 1))) p = Digits(p + 1), isFloat = true;
    if (Char(p) == 'e' || Char(p) == 'E') {
      const size_t exponent = p + 1 + (Char(p + 1) == '+' || Char(p + 1) == '-');
      if (Digit(Char(exponent))) p = Digits(exponent), isFloat = true;
    }
    at_ = p;
    return Done(jsonz::kNumber, begin, isFloat);
  }

  bool String() {
    const size_t begin = ++at_;
    while (At() != '"') {
      if (static_cast<unsigned char>(At()) < 0x20) return Fail(jsonz::kStringExpected);
      if (At() != '\\') {
        ++at_;
      } else if (std::string_view("\"\\/bfnrt").find(At(1)) != std::string_view::npos && At(1) != '\0') {
        at_ += 2;
      } else if (At(1) == 'u' && Hex(At(2)) && Hex(At(3)) && Hex(At(4)) && Hex(At(5))) {
        at_ += 6;
      } else {
        return Fail(jsonz::kInvalidEscape);
      }
    }
    ++at_;
    value_ = Outcome{jsonz::kString, begin, at_, 0};
    return true;
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
      if (object && !Name()) return false;
      if (!Value(depth + 1)) return false;
      Skip();
      if (At() == ',') {
        ++at_;
        Skip();
        if (At() == closing) return Fail(jsonz::kTrailingComma);
      } else if (At() != closing) {
        return Fail(At() == '\0' ? endedInside : jsonz::kSeparatorExpected);
      }
    }
    ++at_;
    return Done(object ? jsonz::kObject : jsonz::kArray, begin);
  }

  // A member name and its colon; the text may not end before the value.
  bool Name() {
    if (At() != '"') return Fail(jsonz::kStringExpected);
    if (!String()) return false;
    Skip();
    if (At() != ':') return Fail(At() == '\0' ? jsonz::kObjectExpected : jsonz::kColonExpected);
    ++at_;
    Skip();
    return At() == '\0' ? Fail(jsonz::kObjectExpected) : true;
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
  if (point < 0x80) {
    out += static_cast<char>(point);
    return;
  }
  static constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
  const int extra = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
  out += static_cast<char>(kLead[extra] | point >> (6 * extra));
  for (int i = extra - 1; i >= 0; --i) out += static_cast<char>(0x80 | (point >> (6 * i) & 0x3F));
}

// The decoded raw string text, or nothing when an escape is broken: an
// unknown letter, fewer than four hex digits, a low surrogate first or a
// high surrogate without a low one after it.
inline std::optional<std::string> Decode(std::string_view raw) {
  std::string out;
  auto unit = [&](size_t at) -> std::optional<uint32_t> {
    if (raw.size() < at + 6 || raw[at] != '\\' || raw[at + 1] != 'u') return std::nullopt;
    const std::string hex(raw.substr(at + 2, 4));
    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return std::nullopt;
    return static_cast<uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
  };
  for (size_t at = 0; at < raw.size();) {
    if (raw[at] != '\\') {
      out += raw[at++];
      continue;
    }
    const char letter = at + 1 < raw.size() ? raw[at + 1] : '\0';
    const size_t simple = std::string_view("\"\\/bfnrt").find(letter);
    if (letter != '\0' && simple != std::string_view::npos) {
      out += "\"\\/\b\f\n\r\t"[simple];
      at += 2;
      continue;
    }
    const auto first = unit(at);
    if (!first || (*first >= 0xDC00 && *first <= 0xDFFF)) return std::nullopt;
    at += 6;
    uint32_t point = *first;
    if (point >= 0xD800 && point <= 0xDBFF) {
      const auto second = unit(at);
      if (!second || *second < 0xDC00 || *second > 0xDFFF) return std::nullopt;
      point = 0x10000 + ((point - 0xD800) << 10) + (*second - 0xDC00);
      at += 6;
    }
    AppendUtf8(point, out);
  }
  return out;
}

} // namespace jsonmodel
