#include "SettingInfo.h"

#include <string_view>

#include "ZuvexaDevice.h"

namespace zuvexasoapy {
namespace {

struct Known {
  std::string_view key, units, description;
  double minimum = 0, maximum = 0; // equal: no range
};

// clang-format off
constexpr Known kKnown[] = {
  {"IQ Carrier Frequency", "Hz", "I/Q carrier frequency (the frequency component RF)", kMinFrequency, kMaxFrequency},
  {"IQ Rate", "S/s", "I/Q sample rate (the stream's sample rate; the device's maximum is Max IQ Rate)", kMinRate,
   kDefaultMaxRate},
  {"Max IQ Rate", "S/s", "Highest I/Q rate of the device"},
  {"Reference Level", "dBm", "Largest input power expected; gain REF is 30 dB minus it"},
  {"External Gain", "dB", "Gain (negative: loss) in front of the RF input"},
  {"RF Attenuation", "dB", "Attenuation at the RF input"},
  {"LO Frequency", "Hz", "Local oscillator frequency"},
  {"Device Instantaneous Bandwidth", "Hz", "Bandwidth acquired at once"},
  {"Center Frequency", "Hz", "Center of the spectrum acquisition"},
  {"Span", "Hz", "Span of the spectrum acquisition"},
  {"Resolution Bandwidth", "Hz", "Resolution bandwidth of the spectrum acquisition"},
  {"Ref Clock Rate", "Hz", "Reference clock rate"},
  {"Number of Samples", "samples", "Samples per record"},
  {"Number of Records", "records", "Records per acquisition"},
  {"Reference Trigger Pretrigger Samples", "samples", "Samples before the reference trigger"},
  {"Fetch Offset", "samples", "Offset of the next fetch in its record"},
  {"Records Done", "records", "Records acquired so far"},
};
// clang-format on

SoapySDR::ArgInfo::Type ArgTypeOf(zuvexaclient::ValueType type) {
  using zuvexaclient::ValueType;
  switch (type) {
  case ValueType::Int32:
  case ValueType::Int64:
    return SoapySDR::ArgInfo::INT;
  case ValueType::Boolean:
    return SoapySDR::ArgInfo::BOOL;
  case ValueType::String:
    return SoapySDR::ArgInfo::STRING;
  case ValueType::Real64:
  case ValueType::Unknown:
    break;
  }
  return SoapySDR::ArgInfo::FLOAT;
}

} // namespace

SoapySDR::ArgInfo SettingInfo(const Attribute &setting) {
  SoapySDR::ArgInfo info;
  info.key = info.name = setting.name;
  info.type = ArgTypeOf(setting.type);
  const std::string attribute = "attribute " + std::to_string(setting.id);
  info.description = attribute;
  if (IsTemperatureSensor(setting)) {
    info.units = "C";
    info.description = "Temperature (sensor), " + attribute;
  }
  for (const Known &known : kKnown)
    if (known.key == setting.name) {
      info.units = known.units;
      info.description = std::string(known.description) + ", " + attribute;
      info.range = SoapySDR::Range(known.minimum, known.maximum);
    }
  return info;
}

} // namespace zuvexasoapy
