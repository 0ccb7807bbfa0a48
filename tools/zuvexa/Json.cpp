#include "Json.h"

#include <cstdio>
#include <cstdlib>

namespace zuvexacli {

namespace {

constexpr int kMaxDepth = 64;

class Parser {
public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<JsonValue> Document() {
    JsonValue value;
    if (!Value(value, 0)) return std::nullopt;
    SkipSpace();
    return pos_ == text_.size() ? std::optional<JsonValue>(std::move(value)) : std::nullopt;
  }

private:
  void SkipSpace() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }
  bool Take(char c) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) return ++pos_, true;
    return false;
  }
  bool Word(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool Value(JsonValue &value, int depth) {
    SkipSpace();
    if (pos_ >= text_.size() || depth > kMaxDepth) return false;
    const char c = text_[pos_];
    if (c == '{') return Object(value, depth);
    if (c == '[') return Array(value, depth);
    if (c == '"') return value.kind = JsonValue::Kind::String, String(value.text);
    if (Word("null")) return value.kind = JsonValue::Kind::Null, true;
    for (const char *word : {"true", "false"})
      if (Word(word)) return value.kind = JsonValue::Kind::Boolean, value.text = word, true;
    return Number(value);
  }

  bool Number(JsonValue &value) {
    const std::string rest(text_.substr(pos_, 64));
    char *end = nullptr;
    std::strtod(rest.c_str(), &end);
    if (end == rest.c_str()) return false;
    value.kind = JsonValue::Kind::Number;
    value.text = rest.substr(0, std::size_t(end - rest.c_str()));
    pos_ += value.text.size();
    return true;
  }

  bool String(std::string &out) {
    ++pos_; // opening quote
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) return false;
      const char e = text_[pos_++];
      static const std::string_view from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
      if (const auto i = from.find(e); i != std::string_view::npos)
        out += to[i];
      else if (e == 'u' && pos_ + 4 <= text_.size())
        AppendUtf8(out, std::strtoul(std::string(text_.substr(pos_, 4)).c_str(), nullptr, 16)), pos_ += 4;
      else
        return false;
    }
    return false;
  }

  static void AppendUtf8(std::string &out, unsigned long code) {
    if (code < 0x80) {
      out += char(code);
    } else if (code < 0x800) {
      out += char(0xC0 | (code >> 6)), out += char(0x80 | (code & 0x3F));
    } else {
      out += char(0xE0 | (code >> 12)), out += char(0x80 | ((code >> 6) & 0x3F)),
          out += char(0x80 | (code & 0x3F));
    }
  }

  bool Array(JsonValue &value, int depth) {
    value.kind = JsonValue::Kind::Array;
    ++pos_;
    if (Take(']')) return true;
    do {
      value.items.emplace_back();
      if (!Value(value.items.back(), depth + 1)) return false;
    } while (Take(','));
    return Take(']');
  }

  bool Object(JsonValue &value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++pos_;
    if (Take('}')) return true;
    do {
      std::string key;
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '"' || !String(key) || !Take(':')) return false;
      value.members.emplace_back(std::move(key), JsonValue());
      if (!Value(value.members.back().second, depth + 1)) return false;
    } while (Take(','));
    return Take('}');
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

std::string Quoted(const std::string &text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\')
      out += '\\', out += char(c);
    else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else
      out += char(c);
  }
  return out + "\"";
}

} // namespace

const JsonValue *JsonValue::Find(std::string_view key) const {
  for (const auto &[name, value] : members)
    if (name == key) return &value;
  return nullptr;
}

std::string JsonValue::Compact() const {
  switch (kind) {
  case Kind::Null:
    return "null";
  case Kind::Boolean:
  case Kind::Number:
    return text;
  case Kind::String:
    return Quoted(text);
  case Kind::Array: {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out.append(i ? "," : "").append(items[i].Compact());
    return out + "]";
  }
  case Kind::Object: {
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i)
      out.append(i ? "," : "")
          .append(Quoted(members[i].first))
          .append(":")
          .append(members[i].second.Compact());
    return out + "}";
  }
  }
  return "null";
}

std::optional<JsonValue> ParseJson(std::string_view text) { return Parser(text).Document(); }

} // namespace zuvexacli
