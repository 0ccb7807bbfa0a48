// The attribute catalogue as SoapySDR settings: every attribute by its
// display name, with the value type the catalogue's type list gives (others
// are read as numbers and written as the value text suggests).
#pragma once

#include <span>
#include <string>

#include "zuVEXA.h"

namespace zuvexasoapy {

enum class ValueType { Unknown, Int32, Int64, Real64, Boolean, String };

struct AttributeSetting {
  ViAttr id;
  std::string key; // the display name without surrounding spaces
  ValueType type;
};

// In catalogue order, one per display name (the first row wins).
std::span<const AttributeSetting> AttributeSettings();
const AttributeSetting *FindSetting(const std::string &key);

// Temperatures the device reports (the "... Temperature" attributes that
// are readings, not settings).
bool IsTemperatureSensor(const AttributeSetting &setting);

std::string ReadAttribute(ViSession vi, const AttributeSetting &setting);
// Throws std::invalid_argument for a value that is not of the setting's type.
void WriteAttribute(ViSession vi, const AttributeSetting &setting, const std::string &value);

} // namespace zuvexasoapy
