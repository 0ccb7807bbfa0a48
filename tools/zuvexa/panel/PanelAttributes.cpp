#include "PanelAttributes.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>

namespace zuvexapanel {

namespace {

// The value types the generated rows name; Unknown ones stay off the table.
namespace rowtypes {
constexpr std::optional<ValueType> Int32 = ValueType::Int32, Int64 = ValueType::Int64,
                                   Real64 = ValueType::Real64, Boolean = ValueType::Boolean,
                                   String = ValueType::String, Unknown = std::nullopt;
} // namespace rowtypes

struct CatalogueRow {
  ViAttr id;
  const char *name;
  std::optional<ValueType> type;
};

#define ZU_ATTRIBUTE_ROW(identifier, displayName, valueType) {identifier, displayName, rowtypes::valueType},
constexpr CatalogueRow kCatalogue[] = {
#include "AttributeRows.inc"
};
#undef ZU_ATTRIBUTE_ROW

std::vector<AttributeInfo> BuildTable() {
  std::vector<AttributeInfo> table;
  std::set<ViAttr> seen;
  for (const CatalogueRow &row : kCatalogue)
    if (row.type && seen.insert(row.id).second) table.push_back({row.id, row.name, *row.type});
  return table;
}

template <class T, class Get> ViStatus ReadInto(Get get, ViSession vi, ViAttr id, nlohmann::json &value) {
  T result{};
  const ViStatus status = get(vi, "", id, &result);
  if (status >= 0) value = result;
  return status;
}

ViStatus ReadString(ViSession vi, ViAttr id, nlohmann::json &value) {
  const ViStatus needed = zuVEXA_GetAttributeViString(vi, "", id, 0, nullptr);
  if (needed < 0) return needed;
  std::string text(static_cast<std::size_t>(std::max<ViStatus>(needed, 1)), '\0');
  const ViStatus status =
      zuVEXA_GetAttributeViString(vi, "", id, static_cast<ViInt32>(text.size()), text.data());
  if (status < 0) return status;
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  value = text;
  return status;
}

} // namespace

const std::vector<AttributeInfo> &PanelAttributes() {
  static const std::vector<AttributeInfo> table = BuildTable();
  return table;
}

const AttributeInfo *FindAttribute(ViAttr id) {
  for (const AttributeInfo &attribute : PanelAttributes())
    if (attribute.id == id) return &attribute;
  return nullptr;
}

ViStatus ReadAttribute(ViSession vi, const AttributeInfo &attribute, nlohmann::json &value) {
  switch (attribute.type) {
  case ValueType::Int32:
    return ReadInto<ViInt32>(zuVEXA_GetAttributeViInt32, vi, attribute.id, value);
  case ValueType::Int64:
    return ReadInto<ViInt64>(zuVEXA_GetAttributeViInt64, vi, attribute.id, value);
  case ValueType::Real64:
    return ReadInto<ViReal64>(zuVEXA_GetAttributeViReal64, vi, attribute.id, value);
  case ValueType::Boolean: {
    nlohmann::json flag;
    const ViStatus status = ReadInto<ViBoolean>(zuVEXA_GetAttributeViBoolean, vi, attribute.id, flag);
    if (status >= 0) value = flag.get<int>() != 0;
    return status;
  }
  case ValueType::String:
    return ReadString(vi, attribute.id, value);
  }
  return ZUVEXA_ERROR_INVALID_PARAMETER;
}

ViStatus WriteAttribute(ViSession vi, const AttributeInfo &attribute, const nlohmann::json &value) {
  const ViAttr id = attribute.id;
  switch (attribute.type) {
  case ValueType::Int32:
  case ValueType::Int64: {
    if (!value.is_number_integer()) return ZUVEXA_ERROR_INVALID_PARAMETER;
    const int64_t number = value.get<int64_t>();
    if (attribute.type == ValueType::Int64) return zuVEXA_SetAttributeViInt64(vi, "", id, number);
    if (number < INT32_MIN || number > INT32_MAX) return ZUVEXA_ERROR_INVALID_PARAMETER;
    return zuVEXA_SetAttributeViInt32(vi, "", id, static_cast<ViInt32>(number));
  }
  case ValueType::Real64:
    if (!value.is_number() || !std::isfinite(value.get<double>())) return ZUVEXA_ERROR_INVALID_PARAMETER;
    return zuVEXA_SetAttributeViReal64(vi, "", id, value.get<double>());
  case ValueType::Boolean:
    if (!value.is_boolean()) return ZUVEXA_ERROR_INVALID_PARAMETER;
    return zuVEXA_SetAttributeViBoolean(vi, "", id, value.get<bool>() ? VI_TRUE : VI_FALSE);
  case ValueType::String:
    if (!value.is_string()) return ZUVEXA_ERROR_INVALID_PARAMETER;
    return zuVEXA_SetAttributeViString(vi, "", id, value.get<std::string>().c_str());
  }
  return ZUVEXA_ERROR_INVALID_PARAMETER;
}

} // namespace zuvexapanel
