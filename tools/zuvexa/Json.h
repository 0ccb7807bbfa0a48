// Just enough JSON to read the tracing library's records: one value parsed
// from a text, numbers kept as written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zuvexacli {

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  std::string text; // a string's characters, a number as written, "true"/"false"
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;

  const JsonValue *Find(std::string_view key) const; // object member or null
  std::string Compact() const;                       // back to JSON text
};

// The whole text must be one value (surrounding white space allowed).
std::optional<JsonValue> ParseJson(std::string_view text);

} // namespace zuvexacli
