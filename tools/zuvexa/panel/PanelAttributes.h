// The attribute table of the page: every attribute of the catalogue whose
// value type is known (src/zuxlatorlua/attributes/AttributeTypes.txt, through the
// generated catalogue rows), read and written through the exported functions.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "zuVEXA.h"

namespace zuvexapanel {

enum class ValueType { Int32, Int64, Real64, Boolean, String };

struct AttributeInfo {
  ViAttr id;
  std::string name;
  ValueType type;
};

// In catalogue order; the first row of an identifier only.
const std::vector<AttributeInfo> &PanelAttributes();
const AttributeInfo *FindAttribute(ViAttr id);

// The value as JSON; a failed read returns the status and leaves `value` alone.
ViStatus ReadAttribute(ViSession vi, const AttributeInfo &attribute, nlohmann::json &value);
// A value of the wrong JSON kind gives ZUVEXA_ERROR_INVALID_PARAMETER without a call.
ViStatus WriteAttribute(ViSession vi, const AttributeInfo &attribute, const nlohmann::json &value);

} // namespace zuvexapanel
