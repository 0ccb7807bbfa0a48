#include "Attributes.h"

#include <strings.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>

#include "Session.h"
#include "Text.h"
#include "Units.h"

namespace zuvexaclient {

namespace {

// The catalogue's rows with their value types, generated at build time.
#define ZU_ATTRIBUTE_ROW(identifier, displayName, valueType) {identifier, displayName, ValueType::valueType},
constexpr AttributeRow kRows[] = {
#include "AttributeRows.inc"
};
#undef ZU_ATTRIBUTE_ROW

std::string Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return "";
  return std::string(text.substr(start, text.find_last_not_of(' ') + 1 - start));
}

// A decimal or 0x hex identifier; nothing for other text.
std::optional<ViAttr> ParseIdentifier(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.remove_prefix(2), base = 16;
  ViAttr id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return id;
}

struct TypeInfo {
  const char *name, *getter, *setter;
};

constexpr TypeInfo kTypes[] = {
    {"int32", "zuVEXA_GetAttributeViInt32", "zuVEXA_SetAttributeViInt32"},
    {"int64", "zuVEXA_GetAttributeViInt64", "zuVEXA_SetAttributeViInt64"},
    {"real64", "zuVEXA_GetAttributeViReal64", "zuVEXA_SetAttributeViReal64"},
    {"boolean", "zuVEXA_GetAttributeViBoolean", "zuVEXA_SetAttributeViBoolean"},
    {"string", "zuVEXA_GetAttributeViString", "zuVEXA_SetAttributeViString"},
    {"unknown", "", ""},
};

const TypeInfo &InfoOf(ValueType type) { return kTypes[static_cast<int>(type)]; }

// The variant's alternatives are in ValueType order.
ValueType TypeOf(const AttributeValue &value) { return static_cast<ValueType>(value.index()); }

// A whole number of `type` from text: exactly when it is plain digits,
// else through the units parser (e.g. "2M").
std::optional<int64_t> ParseWhole(ValueType type, const std::string &text) {
  int64_t whole = 0;
  const char *end = text.data() + text.size();
  const bool plus = text.size() > 1 && text[0] == '+' && text[1] != '-';
  const auto parsed = std::from_chars(text.data() + (plus ? 1 : 0), end, whole);
  if (text.empty() || parsed.ec == std::errc::result_out_of_range) return std::nullopt;
  if (parsed.ec != std::errc() || parsed.ptr != end) {
    const auto number = ParseScaled(text);
    if (!number || *number != std::floor(*number) || std::fabs(*number) >= 0x1p63) return std::nullopt;
    whole = static_cast<int64_t>(*number);
  }
  if (type == ValueType::Int32 &&
      (whole < std::numeric_limits<ViInt32>::min() || whole > std::numeric_limits<ViInt32>::max()))
    return std::nullopt;
  return whole;
}

template <class T, class Get>
ViStatus ReadNumber(Get get, ViSession vi, const char *channel, ViAttr id, AttributeValue &value) {
  T result{};
  const ViStatus status = get(vi, channel, id, &result);
  if (status >= 0) value = result;
  return status;
}

} // namespace

std::vector<Attribute> AttributeTable(std::span<const AttributeRow> rows) {
  std::vector<Attribute> table;
  std::set<ViAttr> seen;
  for (const AttributeRow &row : rows)
    if (seen.insert(row.id).second) table.push_back({row.id, Trimmed(row.name), row.type});
  return table;
}

std::span<const Attribute> Attributes() {
  static const std::vector<Attribute> table = AttributeTable(kRows);
  return table;
}

std::vector<const Attribute *> AttributesOfKnownType() {
  std::vector<const Attribute *> known;
  for (const Attribute &attribute : Attributes())
    if (attribute.type != ValueType::Unknown) known.push_back(&attribute);
  return known;
}

const Attribute *FindAttribute(std::string_view nameOrId) {
  const std::string name(nameOrId);
  for (const Attribute &attribute : Attributes())
    if (strcasecmp(attribute.name.c_str(), name.c_str()) == 0) return &attribute;
  const auto id = ParseIdentifier(nameOrId);
  return id ? FindAttribute(*id) : nullptr;
}

const Attribute *FindAttribute(ViAttr id) {
  for (const Attribute &attribute : Attributes())
    if (attribute.id == id) return &attribute;
  return nullptr;
}

const char *TypeName(ValueType type) { return InfoOf(type).name; }

std::optional<ValueType> ParseTypeName(std::string_view name) {
  for (int type = 0; type < static_cast<int>(ValueType::Unknown); ++type)
    if (name == kTypes[type].name) return static_cast<ValueType>(type);
  return std::nullopt;
}

ValueType ValueTypeFor(const Attribute &attribute, std::optional<ValueType> named) {
  const ValueType type = named.value_or(attribute.type);
  return type == ValueType::Unknown ? ValueType::Real64 : type;
}

std::string FormatValue(const AttributeValue &value) {
  switch (TypeOf(value)) {
  case ValueType::Int32:
    return std::to_string(std::get<ViInt32>(value));
  case ValueType::Int64:
    return std::to_string(std::get<ViInt64>(value));
  case ValueType::Boolean:
    return std::get<bool>(value) ? "true" : "false";
  case ValueType::String:
    return std::get<std::string>(value);
  case ValueType::Real64:
  case ValueType::Unknown:
    break;
  }
  // Plain digits for everyday magnitudes, an exponent for the others.
  const double number = std::get<ViReal64>(value);
  const double magnitude = std::fabs(number);
  const bool plain = magnitude == 0 || (magnitude >= 1e-4 && magnitude < 1e15);
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, number,
                                 plain ? std::chars_format::fixed : std::chars_format::general);
  return std::string(text, end.ptr);
}

std::optional<AttributeValue> ParseValue(ValueType type, const std::string &text, std::string &error) {
  const std::string quoted = "\"" + text + "\"";
  switch (type) {
  case ValueType::String:
    return text;
  case ValueType::Boolean:
    if (text == "1" || strcasecmp(text.c_str(), "true") == 0) return true;
    if (text == "0" || strcasecmp(text.c_str(), "false") == 0) return false;
    error = "not a boolean: " + quoted;
    return std::nullopt;
  case ValueType::Int32:
  case ValueType::Int64:
    if (const auto whole = ParseWhole(type, text)) {
      if (type == ValueType::Int32) return static_cast<ViInt32>(*whole);
      return static_cast<ViInt64>(*whole);
    }
    error = ParseScaled(text) ? "not a whole " + std::string(TypeName(type)) + " number: " + quoted
                              : "not a number: " + quoted;
    return std::nullopt;
  case ValueType::Real64:
  case ValueType::Unknown:
    break;
  }
  if (const auto number = ParseScaled(text)) return *number;
  error = "not a number: " + quoted;
  return std::nullopt;
}

ViStatus ReadValue(ViSession vi, const char *channel, ViAttr id, ValueType type, AttributeValue &value) {
  switch (type) {
  case ValueType::Int32:
    return ReadNumber<ViInt32>(zuVEXA_GetAttributeViInt32, vi, channel, id, value);
  case ValueType::Int64:
    return ReadNumber<ViInt64>(zuVEXA_GetAttributeViInt64, vi, channel, id, value);
  case ValueType::Boolean: {
    ViBoolean flag = VI_FALSE;
    const ViStatus status = zuVEXA_GetAttributeViBoolean(vi, channel, id, &flag);
    if (status >= 0) value = flag != VI_FALSE;
    return status;
  }
  case ValueType::String: {
    std::string text;
    const ViStatus status =
        ReadText([&](ViInt32 size,
                     ViChar *buffer) { return zuVEXA_GetAttributeViString(vi, channel, id, size, buffer); },
                 text);
    if (status >= 0) value = std::move(text);
    return status;
  }
  case ValueType::Real64:
  case ValueType::Unknown:
    break;
  }
  return ReadNumber<ViReal64>(zuVEXA_GetAttributeViReal64, vi, channel, id, value);
}

ViStatus WriteValue(ViSession vi, const char *channel, ViAttr id, const AttributeValue &value) {
  switch (TypeOf(value)) {
  case ValueType::Int32:
    return zuVEXA_SetAttributeViInt32(vi, channel, id, std::get<ViInt32>(value));
  case ValueType::Int64:
    return zuVEXA_SetAttributeViInt64(vi, channel, id, std::get<ViInt64>(value));
  case ValueType::Boolean:
    return zuVEXA_SetAttributeViBoolean(vi, channel, id, std::get<bool>(value) ? VI_TRUE : VI_FALSE);
  case ValueType::String:
    return zuVEXA_SetAttributeViString(vi, channel, id, std::get<std::string>(value).c_str());
  case ValueType::Real64:
  case ValueType::Unknown:
    break;
  }
  return zuVEXA_SetAttributeViReal64(vi, channel, id, std::get<ViReal64>(value));
}

AttributeValue ReadAttribute(const Session &session, const Attribute &attribute,
                             std::optional<ValueType> type, const std::string &channel) {
  const ValueType used = ValueTypeFor(attribute, type);
  AttributeValue value;
  session.Check(ReadValue(session.Handle(), channel.c_str(), attribute.id, used, value), InfoOf(used).getter);
  return value;
}

void WriteAttribute(const Session &session, const Attribute &attribute, const AttributeValue &value,
                    const std::string &channel) {
  session.Check(WriteValue(session.Handle(), channel.c_str(), attribute.id, value),
                InfoOf(TypeOf(value)).setter);
}

} // namespace zuvexaclient
