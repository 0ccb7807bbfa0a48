// The attribute catalogue (clients/Attributes.h) as SoapySDR settings:
// every attribute by its display name, read and written as text with the
// value type of its row.
#pragma once

#include <optional>
#include <string>

#include "Attributes.h"
#include "Session.h"

namespace zuvexasoapy {

using zuvexaclient::Attribute;

// Throws std::invalid_argument when no attribute has that name.
const Attribute &SettingOf(const std::string &key);

// Temperatures the device reports (the "... Temperature" attributes that
// are readings, not settings).
bool IsTemperatureSensor(const Attribute &setting);

std::string ReadSetting(const zuvexaclient::Session &session, const Attribute &setting,
                        std::optional<zuvexaclient::ValueType> type = std::nullopt);
// Throws std::invalid_argument for a value that is not of the setting's
// type; returns the value written.
zuvexaclient::AttributeValue WriteSetting(const zuvexaclient::Session &session, const Attribute &setting,
                                          const std::string &value);

} // namespace zuvexasoapy
