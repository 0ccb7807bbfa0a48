// One JSON value as text. The scanner, the member lookup, the array walk and
// the string and number readers must agree with each other, and none may
// read past the text's NUL (the text sits in a heap block of exactly its
// size).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "status/jsonz.h"

namespace {

using jsonz::Value;

const char *SkipWhitespace(const char *p) {
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r') ++p;
  return p;
}

// Decoded text of a raw string, or false when it cannot serve as a key (a
// broken escape, or a decoded NUL).
bool DecodeKey(const Value &name, std::string &key) {
  std::unique_ptr<char[]> buffer(new char[name.length + 1]);
  char *end = jsonz::DecodeString(name.start, name.length, buffer.get());
  if (end == nullptr) return false;
  FUZZ_CHECK(end >= buffer.get() && end <= buffer.get() + name.length && *end == '\0');
  key.assign(buffer.get(), end);
  return key.find('\0') == std::string::npos;
}

void CheckString(const char *text, const Value &value, const char *after) {
  FUZZ_CHECK(value.start[-1] == '"' && value.start[value.length] == '"');
  FUZZ_CHECK(after == value.start + value.length + 1);
  size_t length = 0;
  const char *end = nullptr;
  FUZZ_CHECK(jsonz::GetString(text, nullptr, &length, &end) == value.start);
  FUZZ_CHECK(length == value.length && end == after);
  std::string decoded;
  DecodeKey(value, decoded);
}

void CheckNumber(const char *text, const char *after) {
  const char *end = nullptr;
  jsonz::GetInt(text, 0, &end);
  FUZZ_CHECK(end == nullptr || end == after);
}

// Walks the members; Lookup must find the first member of every name.
void CheckObject(const Value &object) {
  std::set<std::string> seen;
  const char *p = SkipWhitespace(object.start + 1);
  while (*p != '}') {
    Value name;
    p = jsonz::ParseValue(p, &name);
    FUZZ_CHECK(p != nullptr && name.type == jsonz::kString);
    p = SkipWhitespace(p);
    FUZZ_CHECK(*p == ':');
    const char *member = SkipWhitespace(p + 1);
    p = jsonz::ParseValue(member, nullptr);
    FUZZ_CHECK(p != nullptr);
    std::string key;
    if (DecodeKey(name, key) && seen.insert(key).second)
      FUZZ_CHECK(jsonz::Lookup(object.start, key.c_str()) == member);
    p = SkipWhitespace(p);
    if (*p == ',') p = SkipWhitespace(p + 1);
  }
  FUZZ_CHECK(p == object.start + object.length - 1);
}

// The element walk ends at the array's closing bracket.
void CheckArray(const Value &array) {
  const char *last = array.start + 1;
  for (const char *element = jsonz::FirstElement(array.start); element != nullptr;) {
    const char *after = jsonz::ParseValue(element, nullptr);
    FUZZ_CHECK(after != nullptr);
    last = after;
    element = jsonz::NextElement(after);
  }
  FUZZ_CHECK(SkipWhitespace(last) == array.start + array.length - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::unique_ptr<char[]> block(new char[size + 1]);
  std::memcpy(block.get(), data, size);
  block[size] = '\0';
  const char *text = block.get();
  const char *textEnd = text + std::strlen(text);

  Value value;
  const char *after = jsonz::ParseValue(text, &value);
  if (after == nullptr) {
    FUZZ_CHECK(value.type == jsonz::kInvalid && value.length >= 1 && value.length <= 8);
    FUZZ_CHECK(value.start >= text && value.start <= textEnd);
    FUZZ_CHECK(jsonz::EndOf(text) == nullptr);
    return 0;
  }
  FUZZ_CHECK(after > text && after <= textEnd);
  FUZZ_CHECK(value.start >= text);
  if (value.type != jsonz::kString) FUZZ_CHECK(value.start + value.length == after);
  switch (value.type) {
  case jsonz::kString:
    CheckString(text, value, after);
    break;
  case jsonz::kNumber:
    CheckNumber(text, after);
    break;
  case jsonz::kObject:
    CheckObject(value);
    break;
  case jsonz::kArray:
    CheckArray(value);
    break;
  case jsonz::kBoolean:
  case jsonz::kNull:
    break;
  default:
    FUZZ_CHECK(!"unknown value type");
  }
  if (value.type == jsonz::kObject || value.type == jsonz::kArray) {
    if (value.start == text) FUZZ_CHECK(jsonz::EndOf(text) == after - 1);
  }
  return 0;
}
