#include "Settings.h"

#include <stdexcept>

namespace zuvexasoapy {

const Attribute &SettingOf(const std::string &key) {
  const Attribute *setting = zuvexaclient::FindAttribute(key);
  if (setting == nullptr) throw std::invalid_argument("zuvexa: no setting named \"" + key + "\"");
  return *setting;
}

bool IsTemperatureSensor(const Attribute &setting) {
  const std::string suffix = " Temperature";
  const std::string &key = setting.name;
  return key.size() > suffix.size() && key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0 &&
         key.find("Configuration") == std::string::npos;
}

std::string ReadSetting(const zuvexaclient::Session &session, const Attribute &setting,
                        std::optional<zuvexaclient::ValueType> type) {
  return zuvexaclient::FormatValue(zuvexaclient::ReadAttribute(session, setting, type));
}

zuvexaclient::AttributeValue WriteSetting(const zuvexaclient::Session &session, const Attribute &setting,
                                          const std::string &value) {
  std::string error;
  const auto parsed = zuvexaclient::ParseValue(zuvexaclient::ValueTypeFor(setting), value, error);
  if (!parsed) throw std::invalid_argument("zuvexa: " + setting.name + ": " + error);
  zuvexaclient::WriteAttribute(session, setting, *parsed);
  return *parsed;
}

} // namespace zuvexasoapy
