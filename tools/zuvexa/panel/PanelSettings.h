// The acquisition settings of the panel, one row each: the page builds its
// fields from the rows (served as JSON), the server checks a value against
// its row and applies it with the row's call. A new setting is a new row.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "zuVEXA.h"

namespace zuvexapanel {

struct SettingRow {
  const char *name;     // the JSON member and the page field's id
  const char *label;    // shown beside the field
  const char *unit;     // "" for none
  double min, max;      // the values taken, both included
  bool integer;         // whole numbers only
  double initial;       // applied on every open
  const char *function; // the call that applies it, named when it fails
  ViStatus (*apply)(ViSession vi, double value);
};

std::span<const SettingRow> SettingRows();
const SettingRow *FindSetting(std::string_view name);

// [{"name", "label", "unit", "min", "max", "integer"}] in row order.
nlohmann::json SettingsTableJson();

// `value` (a number, or text such as "2.4G" read by the units parser) as a
// value of `row`; nothing, with `why`, for another kind, text that is no
// number, a fraction for a whole row, or a value beyond the limits.
std::optional<double> ReadSettingValue(const SettingRow &row, const nlohmann::json &value, std::string &why);

using SettingChanges = std::vector<std::pair<const SettingRow *, double>>;

// The members of a settings request, each read by its row (in the order
// of their names); false with `member` and `why` at the first unknown
// member or value refused, and nothing is to be applied then.
bool ReadSettingChanges(const nlohmann::json &body, SettingChanges &changes, std::string &member,
                        std::string &why);

// The value of each row, starting at its initial value.
class SettingValues {
public:
  SettingValues();
  double operator[](std::string_view name) const;
  void Set(const SettingRow &row, double value);
  // {name: value}, whole rows as integers.
  nlohmann::json ToJson() const;

private:
  std::vector<double> values_;
};

} // namespace zuvexapanel
