// The attribute catalogue as the programs use it: the generated rows
// (AttributeRows.inc), one entry per identifier, looked up by display name
// or identifier, read and written with the value type of its row.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "zuVEXA.h"

namespace zuvexaclient {

class Session;

enum class ValueType { Int32, Int64, Real64, Boolean, String, Unknown };

struct Attribute {
  ViAttr id;
  std::string name; // the display name without surrounding spaces
  ValueType type;
};

// A row as the generator writes it.
struct AttributeRow {
  ViAttr id;
  const char *name;
  ValueType type;
};

// The rows in their order, the first row of an identifier only, names
// without surrounding spaces.
std::vector<Attribute> AttributeTable(std::span<const AttributeRow> rows);

// The table of the generated rows.
std::span<const Attribute> Attributes();
// Only those whose value type is known, for clients that show no others.
std::vector<const Attribute *> AttributesOfKnownType();

// By display name, ignoring case, or by identifier (decimal or 0x hex);
// null when none matches.
const Attribute *FindAttribute(std::string_view nameOrId);
const Attribute *FindAttribute(ViAttr id);

// "int32", "int64", "real64", "boolean", "string", "unknown".
const char *TypeName(ValueType type);
// One of the names above but "unknown"; nothing for any other text.
std::optional<ValueType> ParseTypeName(std::string_view name);
// The type a value is read and written as: `named` when the caller names
// one, else the row's, real64 for an unknown one.
ValueType ValueTypeFor(const Attribute &attribute, std::optional<ValueType> named = std::nullopt);

// The value of one attribute: int32, int64, real64, boolean or string.
using AttributeValue = std::variant<ViInt32, ViInt64, ViReal64, bool, std::string>;

// The value as text: whole numbers in decimal, real64 in the shortest form
// that reads back the same, booleans as true/false, strings as they are.
std::string FormatValue(const AttributeValue &value);
// Text as a value of `type` (unknown: real64): numbers through ParseScaled
// (whole and in range for int32/int64), booleans true/false/1/0 (any case).
// Nothing, with the reason in `error`, for text that is not of the type.
std::optional<AttributeValue> ParseValue(ValueType type, const std::string &text, std::string &error);

// The status-returning calls, for clients that report statuses themselves.
ViStatus ReadValue(ViSession vi, const char *channel, ViAttr id, ValueType type, AttributeValue &value);
// Writes with the setter of the value's own type.
ViStatus WriteValue(ViSession vi, const char *channel, ViAttr id, const AttributeValue &value);

// The same through a session: a failure throws ApiError, a warning is
// handled as the session says.
AttributeValue ReadAttribute(const Session &session, const Attribute &attribute,
                             std::optional<ValueType> type = std::nullopt, const std::string &channel = "");
void WriteAttribute(const Session &session, const Attribute &attribute, const AttributeValue &value,
                    const std::string &channel = "");

} // namespace zuvexaclient
