// What SoapySDR applications show of a setting: its type from the
// catalogue's type list, and for the settings the device maps or knows
// (carrier, rate, levels, frequencies, counts, temperatures) units, a
// description and, where the device has one, a range. Other settings are
// described by their attribute identifier.
#pragma once

#include <SoapySDR/Types.hpp>

#include "Settings.h"

namespace zuvexasoapy {

SoapySDR::ArgInfo SettingInfo(const Attribute &setting);

} // namespace zuvexasoapy
