// One JSON value as text. The scanner must read it as the reference reader
// (JsonModel.h) does, failures included; the member lookup, the array walk
// and the string and number readers must agree with it, and none may read
// past the text's NUL (the text sits in a heap block of exactly its size).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "JsonModel.h"
#include "status/jsonz.h"

namespace {

using jsonz::Value;

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
  FUZZ_CHECK(value.start[-1] == '"' && value.start[value.length] == '"' &&
             after == value.start + value.length + 1);
  size_t length = 0;
  const char *end = nullptr;
  FUZZ_CHECK(jsonz::GetString(text, nullptr, &length, &end) == value.start && length == value.length &&
             end == after);
  std::string decoded;
  DecodeKey(value, decoded);
}

void CheckNumber(const char *text, const Value &value, const char *after, bool isFloat) {
  FUZZ_CHECK(value.isFloat == isFloat);
  const auto expected = jsonmodel::NumberValue(std::string(value.start, value.length), value.isFloat);
  const char *end = nullptr;
  const int32_t result = jsonz::GetInt(text, 7, &end);
  FUZZ_CHECK(expected ? result == *expected && end == after : result == 7 && end == nullptr);
}

// Readers of another type give their default.
void CheckOtherReaders(const char *text, const Value &value) {
  size_t length = 0;
  const char *end = "";
  if (value.type != jsonz::kString)
    FUZZ_CHECK(jsonz::GetString(text, "dflt", &length, &end) == std::string_view("dflt") && length == 4 &&
               end == nullptr);
  if (value.type != jsonz::kNumber) FUZZ_CHECK(jsonz::GetInt(text, 7, &end) == 7 && end == nullptr);
  if (value.type != jsonz::kObject) FUZZ_CHECK(jsonz::Lookup(text, "a") == nullptr);
  if (value.type != jsonz::kArray) FUZZ_CHECK(jsonz::FirstElement(text) == nullptr);
}

// Walks the members; Lookup must find the first member of every name.
void CheckObject(const Value &object) {
  std::set<std::string> seen;
  const char *p = jsonmodel::SkipBlanks(object.start + 1);
  while (*p != '}') {
    Value name;
    p = jsonz::ParseValue(p, &name);
    FUZZ_CHECK(p != nullptr && name.type == jsonz::kString);
    FUZZ_CHECK(*(p = jsonmodel::SkipBlanks(p)) == ':');
    const char *member = jsonmodel::SkipBlanks(p + 1);
    FUZZ_CHECK((p = jsonz::ParseValue(member, nullptr)) != nullptr);
    std::string key;
    if (DecodeKey(name, key) && seen.insert(key).second)
      FUZZ_CHECK(jsonz::Lookup(object.start, key.c_str()) == member);
    p = jsonmodel::SkipBlanks(p);
    if (*p == ',') p = jsonmodel::SkipBlanks(p + 1);
  }
  FUZZ_CHECK(p == object.start + object.length - 1);
  if (seen.count("absent") == 0) FUZZ_CHECK(jsonz::Lookup(object.start, "absent") == nullptr);
}

// The element walk ends at the array's closing bracket.
void CheckArray(const Value &array) {
  const char *last = array.start + 1;
  for (const char *at = jsonz::FirstElement(array.start); at != nullptr; at = jsonz::NextElement(last))
    FUZZ_CHECK((last = jsonz::ParseValue(at, nullptr)) != nullptr);
  FUZZ_CHECK(jsonmodel::SkipBlanks(last) == array.start + array.length - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::unique_ptr<char[]> block(new char[size + 1]);
  std::memcpy(block.get(), data, size);
  block[size] = '\0';
  const char *text = block.get();
  const char *textEnd = text + std::strlen(text);

  const jsonmodel::Outcome expected = jsonmodel::Reader({text, static_cast<size_t>(textEnd - text)}).Read();
  Value value;
  value.type = jsonz::kString;
  const char *after = jsonz::ParseValue(text, &value);
  FUZZ_CHECK(value.type == expected.type && value.start == text + expected.begin);
  if (after == nullptr) {
    FUZZ_CHECK(value.length == static_cast<size_t>(expected.error));
    FUZZ_CHECK(jsonz::EndOf(text) == nullptr);
    return 0;
  }
  FUZZ_CHECK(after == text + expected.end);
  if (value.type != jsonz::kString) FUZZ_CHECK(value.start + value.length == after);
  CheckOtherReaders(text, value);
  if (value.type == jsonz::kString) CheckString(text, value, after);
  if (value.type == jsonz::kNumber) CheckNumber(text, value, after, expected.isFloat);
  if (value.type == jsonz::kObject) CheckObject(value);
  if (value.type == jsonz::kArray) CheckArray(value);
  if (value.type == jsonz::kBoolean) FUZZ_CHECK(value.boolean == expected.boolean);
  const bool container = value.type == jsonz::kObject || value.type == jsonz::kArray;
  FUZZ_CHECK(jsonz::EndOf(text) == (container && value.start == text ? after - 1 : nullptr));
  return 0;
}
