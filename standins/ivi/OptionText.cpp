#include "OptionText.h"

#include <array>

#include "TextUtil.h"
#include "ivi_standin.h"

namespace ivistandin {

namespace {

constexpr std::array<std::string_view, 3> kSimulateNames = {"simulate", "attr_simulate", "ivi_attr_simulate"};
constexpr std::array<std::string_view, 5> kDriverSetupNames = {"driversetup", "driver setup", "driver_setup",
                                                               "attr_driver_setup", "ivi_attr_driver_setup"};

template <size_t N> bool IsOneOf(const std::string &lowerName, const std::array<std::string_view, N> &names) {
  for (std::string_view name : names) {
    if (lowerName == name) return true;
  }
  return false;
}

ViStatus ApplyEntry(std::string_view entry, EngineOptions &options) {
  const size_t equals = entry.find('=');
  if (equals == std::string_view::npos) return VI_SUCCESS;
  const std::string name = LowerAscii(Trim(entry.substr(0, equals)));
  const std::string_view value = Trim(entry.substr(equals + 1));
  if (IsOneOf(name, kSimulateNames)) {
    bool simulate = false;
    if (!ParseBoolean(value, simulate)) return IVISTANDIN_ERROR_BAD_OPTION_VALUE;
    options.simulate = simulate;
  } else if (IsOneOf(name, kDriverSetupNames)) {
    options.driverSetup = std::string(value);
  }
  return VI_SUCCESS;
}

} // namespace

ViStatus ParseEngineOptions(std::string_view text, EngineOptions &options) {
  while (true) {
    const size_t comma = text.find(',');
    const ViStatus status = ApplyEntry(text.substr(0, comma), options);
    if (status != VI_SUCCESS) return status;
    if (comma == std::string_view::npos) return VI_SUCCESS;
    text.remove_prefix(comma + 1);
  }
}

std::string CombineOptionStrings(const std::string &configured, const std::string &caller) {
  if (configured.empty()) return caller;
  if (caller.empty()) return configured;
  return configured + "," + caller;
}

} // namespace ivistandin
