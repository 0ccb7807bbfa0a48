#include "Settings.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "Analyzer.h"

namespace zuvexasoapy {
namespace {

std::string Trimmed(const char *text) {
  std::string key(text);
  key.erase(0, key.find_first_not_of(' '));
  key.erase(key.find_last_not_of(' ') + 1);
  return key;
}

std::vector<AttributeSetting> BuildSettings() {
  std::vector<AttributeSetting> settings;
  const auto add = [&](ViAttr id, const char *name, ValueType type) {
    std::string key = Trimmed(name);
    for (const AttributeSetting &known : settings)
      if (known.key == key) return;
    settings.push_back({id, std::move(key), type});
  };
  // The catalogue's rows with their value types, generated at build time.
#define ZU_ATTRIBUTE_ROW(identifier, displayName, valueType)                                                 \
  add(identifier, displayName, ValueType::valueType);
#include "AttributeRows.inc"
#undef ZU_ATTRIBUTE_ROW
  return settings;
}

// Value type of a text for an attribute the type list does not cover.
ValueType GuessType(const std::string &value) {
  if (strcasecmp(value.c_str(), "true") == 0 || strcasecmp(value.c_str(), "false") == 0)
    return ValueType::Boolean;
  char *end = nullptr;
  const long long integer = std::strtoll(value.c_str(), &end, 10);
  if (!value.empty() && *end == '\0')
    return integer == static_cast<ViInt32>(integer) ? ValueType::Int32 : ValueType::Int64;
  std::strtod(value.c_str(), &end);
  return !value.empty() && *end == '\0' ? ValueType::Real64 : ValueType::String;
}

long long ParseInteger(const std::string &value) {
  char *end = nullptr;
  const long long parsed = std::strtoll(value.c_str(), &end, 0);
  if (value.empty() || *end != '\0') throw std::invalid_argument("not an integer: " + value);
  return parsed;
}

double ParseReal(const std::string &value) {
  char *end = nullptr;
  const double parsed = std::strtod(value.c_str(), &end);
  if (value.empty() || *end != '\0') throw std::invalid_argument("not a number: " + value);
  return parsed;
}

bool ParseBoolean(const std::string &value) {
  if (strcasecmp(value.c_str(), "true") == 0 || value == "1") return true;
  if (strcasecmp(value.c_str(), "false") == 0 || value == "0") return false;
  throw std::invalid_argument("not true or false: " + value);
}

std::string RealText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string ReadString(ViSession vi, ViAttr id) {
  const ViStatus needed = zuVEXA_GetAttributeViString(vi, "", id, 0, nullptr);
  Check(vi, needed, "zuVEXA_GetAttributeViString");
  std::string text(static_cast<std::size_t>(std::max<ViStatus>(needed, 1)), '\0');
  Check(vi, zuVEXA_GetAttributeViString(vi, "", id, needed, text.data()), "zuVEXA_GetAttributeViString");
  return text.substr(0, text.find('\0'));
}

} // namespace

std::span<const AttributeSetting> AttributeSettings() {
  static const std::vector<AttributeSetting> settings = BuildSettings();
  return settings;
}

const AttributeSetting *FindSetting(const std::string &key) {
  for (const AttributeSetting &setting : AttributeSettings())
    if (setting.key == key) return &setting;
  return nullptr;
}

bool IsTemperatureSensor(const AttributeSetting &setting) {
  const std::string suffix = " Temperature";
  const std::string &key = setting.key;
  return key.size() > suffix.size() && key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0 &&
         key.find("Configuration") == std::string::npos;
}

std::string ReadAttribute(ViSession vi, const AttributeSetting &setting) {
  switch (setting.type) {
  case ValueType::Int32: {
    ViInt32 value = 0;
    Check(vi, zuVEXA_GetAttributeViInt32(vi, "", setting.id, &value), "zuVEXA_GetAttributeViInt32");
    return std::to_string(value);
  }
  case ValueType::Int64: {
    ViInt64 value = 0;
    Check(vi, zuVEXA_GetAttributeViInt64(vi, "", setting.id, &value), "zuVEXA_GetAttributeViInt64");
    return std::to_string(value);
  }
  case ValueType::Boolean: {
    ViBoolean value = VI_FALSE;
    Check(vi, zuVEXA_GetAttributeViBoolean(vi, "", setting.id, &value), "zuVEXA_GetAttributeViBoolean");
    return value ? "true" : "false";
  }
  case ValueType::String:
    return ReadString(vi, setting.id);
  case ValueType::Real64:
  case ValueType::Unknown:
    break;
  }
  ViReal64 value = 0;
  Check(vi, zuVEXA_GetAttributeViReal64(vi, "", setting.id, &value), "zuVEXA_GetAttributeViReal64");
  return RealText(value);
}

void WriteAttribute(ViSession vi, const AttributeSetting &setting, const std::string &value) {
  const ValueType type = setting.type == ValueType::Unknown ? GuessType(value) : setting.type;
  switch (type) {
  case ValueType::Int32: {
    const long long parsed = ParseInteger(value);
    if (parsed != static_cast<ViInt32>(parsed)) throw std::invalid_argument("out of 32-bit range: " + value);
    return Check(vi, zuVEXA_SetAttributeViInt32(vi, "", setting.id, static_cast<ViInt32>(parsed)),
                 "zuVEXA_SetAttributeViInt32");
  }
  case ValueType::Int64:
    return Check(vi, zuVEXA_SetAttributeViInt64(vi, "", setting.id, ParseInteger(value)),
                 "zuVEXA_SetAttributeViInt64");
  case ValueType::Boolean:
    return Check(vi,
                 zuVEXA_SetAttributeViBoolean(vi, "", setting.id, ParseBoolean(value) ? VI_TRUE : VI_FALSE),
                 "zuVEXA_SetAttributeViBoolean");
  case ValueType::String:
    return Check(vi, zuVEXA_SetAttributeViString(vi, "", setting.id, value.c_str()),
                 "zuVEXA_SetAttributeViString");
  case ValueType::Real64:
  case ValueType::Unknown:
    break;
  }
  Check(vi, zuVEXA_SetAttributeViReal64(vi, "", setting.id, ParseReal(value)), "zuVEXA_SetAttributeViReal64");
}

} // namespace zuvexasoapy
