#include "PanelSettings.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "Units.h"

namespace zuvexapanel {

namespace {

constexpr double kAny =
    std::numeric_limits<double>::max();                  // finite is all the panel asks: the library checks
constexpr double kMaxSamples = double(int64_t(1) << 24); // what one record may hold on the page

// The name of a call and the call, from one mention, so that the two never part.
#define PANEL_APPLY(function, ...)                                                                           \
#function, [](ViSession vi, double value) { return function(vi, __VA_ARGS__); }

const SettingRow kRows[] = {
    {"carrierFrequency", "Carrier", "Hz", -kAny, kAny, false, 2.4e9,
     PANEL_APPLY(zuVEXA_ConfigureIQCarrierFrequency, "", value)},
    {"iqRate", "IQ rate", "S/s", -kAny, kAny, false, 10e6, PANEL_APPLY(zuVEXA_ConfigureIQRate, "", value)},
    {"referenceLevel", "Reference level", "dBm", -kAny, kAny, false, 0.0,
     PANEL_APPLY(zuVEXA_ConfigureReferenceLevel, "", value)},
    {"numberOfSamples", "Record length", "samples", 1, kMaxSamples, true, 4096,
     PANEL_APPLY(zuVEXA_ConfigureNumberOfSamples, "", VI_TRUE, static_cast<ViInt64>(value))},
    {"numberOfRecords", "Records", "", 1, 1000, true, 1,
     PANEL_APPLY(zuVEXA_ConfigureNumberOfRecords, "", VI_TRUE, static_cast<ViInt64>(value))},
};

#undef PANEL_APPLY

std::string Plain(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

// What a row takes, for a refusal: "a whole number from 1 to 16777216".
std::string Expectation(const SettingRow &row) {
  const char *kind = row.integer ? "a whole number" : "a number";
  if (row.min == -kAny && row.max == kAny) return row.integer ? kind : "a finite number";
  return std::string(kind) + " from " + Plain(row.min) + " to " + Plain(row.max);
}

// The number of a JSON number or of a text with units; NaN otherwise.
double NumberOf(const nlohmann::json &value) {
  if (value.is_number()) return value.get<double>();
  if (value.is_string())
    if (const auto number = zuvexaclient::ParseScaled(value.get_ref<const std::string &>())) return *number;
  return std::nan("");
}

std::size_t IndexOf(const SettingRow &row) { return static_cast<std::size_t>(&row - kRows); }

} // namespace

std::span<const SettingRow> SettingRows() { return kRows; }

const SettingRow *FindSetting(std::string_view name) {
  for (const SettingRow &row : kRows)
    if (row.name == name) return &row;
  return nullptr;
}

nlohmann::json SettingsTableJson() {
  nlohmann::json table = nlohmann::json::array();
  for (const SettingRow &row : kRows)
    table.push_back({{"name", row.name},
                     {"label", row.label},
                     {"unit", row.unit},
                     {"min", row.min},
                     {"max", row.max},
                     {"integer", row.integer}});
  return table;
}

std::optional<double> ReadSettingValue(const SettingRow &row, const nlohmann::json &value, std::string &why) {
  const double number = NumberOf(value);
  // NaN fails both comparisons, infinity the limits.
  if (number >= row.min && number <= row.max && (!row.integer || number == std::floor(number))) return number;
  why = std::string(row.name) + " must be " + Expectation(row) + " (k, M or G may follow it)";
  return std::nullopt;
}

bool ReadSettingChanges(const nlohmann::json &body, SettingChanges &changes, std::string &member,
                        std::string &why) {
  for (const auto &[name, value] : body.items()) {
    member = name;
    const SettingRow *row = FindSetting(name);
    if (row == nullptr)
      why = "unknown setting \"" + name + "\"";
    else if (const std::optional<double> number = ReadSettingValue(*row, value, why))
      changes.emplace_back(row, *number);
    if (!why.empty()) return false;
  }
  return true;
}

SettingValues::SettingValues() {
  for (const SettingRow &row : kRows) values_.push_back(row.initial);
}

double SettingValues::operator[](std::string_view name) const {
  const SettingRow *row = FindSetting(name);
  return row != nullptr ? values_[IndexOf(*row)] : std::nan("");
}

void SettingValues::Set(const SettingRow &row, double value) { values_[IndexOf(row)] = value; }

nlohmann::json SettingValues::ToJson() const {
  nlohmann::json values = nlohmann::json::object();
  for (const SettingRow &row : kRows) {
    const double value = values_[IndexOf(row)];
    values[row.name] = row.integer ? nlohmann::json(static_cast<int64_t>(value)) : nlohmann::json(value);
  }
  return values;
}

} // namespace zuvexapanel
