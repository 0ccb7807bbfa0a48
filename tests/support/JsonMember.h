// Members of the JSON detail a status carries.
#pragma once

#include <string>

#include "status/jsonz.h"

namespace testsupport {

// Member `key` of `object` (decoded when a string, else its raw text), or "<missing>".
inline std::string Member(const char *object, const char *key) {
  jsonz::Value value;
  const char *start = object != nullptr ? jsonz::Lookup(object, key) : nullptr;
  const char *end = start != nullptr ? jsonz::ParseValue(start, &value) : nullptr;
  if (end == nullptr) return "<missing>";
  if (value.type != jsonz::kString) return std::string(start, end);
  std::string decoded(value.length + 1, '\0');
  jsonz::DecodeString(value.start, value.length, decoded.data());
  return decoded.c_str();
}
inline std::string Detail(const std::string &json, const char *object, const char *key) {
  return Member(jsonz::Lookup(json.c_str(), object), key);
}

} // namespace testsupport
