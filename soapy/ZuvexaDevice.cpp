#include "ZuvexaDevice.h"

#include <SoapySDR/Logger.hpp>

#include <algorithm>
#include <stdexcept>
#include <variant>

#include "Discovery.h"
#include "SettingInfo.h"
#include "Settings.h"

namespace zuvexasoapy {
namespace {

constexpr double kListedRates[] = {1e6, 2e6, 5e6, 10e6, 20e6, 50e6, 100e6, 200e6};
constexpr const char *kAntenna = "RF IN";
constexpr const char *kCarrier = "RF"; // the one frequency component

std::string Value(const SoapySDR::Kwargs &args, const char *key, const char *fallback = "") {
  const auto found = args.find(key);
  return found == args.end() ? fallback : found->second;
}

// `value` within [low, high]; a value outside is logged.
double Clamped(const char *what, double value, double low, double high) {
  const double clamped = std::clamp(value, low, high);
  if (clamped != value)
    SoapySDR::logf(SOAPY_SDR_WARNING, "zuvexa: %s %g out of range, %g used", what, value, clamped);
  return clamped;
}

} // namespace

ZuvexaDevice::ZuvexaDevice(const SoapySDR::Kwargs &args)
    : session_(Value(args, "resource"), OptionString(args), zuvexaclient::Warnings::Clear),
      resource_(Value(args, "resource")), carrierFrequency_(ReadReal("IQ Carrier Frequency")),
      iqRate_(ReadReal("IQ Rate")), referenceLevel_(ReadReal("Reference Level")) {}

bool ZuvexaDevice::IsChannel(int direction, size_t channel) {
  return direction == SOAPY_SDR_RX && channel == 0;
}

void ZuvexaDevice::CheckChannel(int direction, size_t channel) {
  if (!IsChannel(direction, channel))
    throw std::invalid_argument("zuvexa: one receive channel only (channel 0)");
}

std::string ZuvexaDevice::getDriverKey() const { return kDriverKey; }

std::string ZuvexaDevice::getHardwareKey() const {
  SessionGate::ControlHold hold(gate_);
  const std::string model = ReadSetting(session_, SettingOf("Model"));
  return model.empty() ? "analyzer" : model;
}

SoapySDR::Kwargs ZuvexaDevice::getHardwareInfo() const {
  SessionGate::ControlHold hold(gate_);
  const ViSession vi = session_.Handle();
  SoapySDR::Kwargs info{{"resource", resource_}, {"session", std::to_string(vi)}};
  for (const char *key : {"Manufacturer", "Model", "Serial Number", "Firmware Revision", "Revision"})
    info[key] = ReadSetting(session_, SettingOf(key));
  return info;
}

size_t ZuvexaDevice::getNumChannels(const int direction) const { return direction == SOAPY_SDR_RX ? 1 : 0; }

SoapySDR::Kwargs ZuvexaDevice::getChannelInfo(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {{"cs16_full_scale", "32767"}, {"gain_mapping", "reference level (dBm) = 30 - gain (dB)"}};
}

std::vector<std::string> ZuvexaDevice::listAntennas(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {kAntenna};
}

void ZuvexaDevice::setAntenna(const int direction, const size_t channel, const std::string &name) {
  CheckChannel(direction, channel);
  if (name != kAntenna)
    SoapySDR::logf(SOAPY_SDR_WARNING, "zuvexa: no antenna \"%s\", keeping the only one, %s", name.c_str(),
                   kAntenna);
}

std::string ZuvexaDevice::getAntenna(const int direction, const size_t channel) const {
  CheckChannel(direction, channel);
  return kAntenna;
}

std::vector<std::string> ZuvexaDevice::listGains(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {kGainElement};
}

void ZuvexaDevice::setGain(const int direction, const size_t channel, const double value) {
  CheckChannel(direction, channel);
  const double gain = std::clamp(value, 0.0, kMaxGain);
  SessionGate::ControlHold hold(gate_);
  session_.Check(zuVEXA_ConfigureReferenceLevel(session_.Handle(), "", kGainReferenceLevel - gain),
                 "zuVEXA_ConfigureReferenceLevel");
  referenceLevel_ = kGainReferenceLevel - gain;
}

double ZuvexaDevice::getGain(const int direction, const size_t channel) const {
  CheckChannel(direction, channel);
  SessionGate::ControlHold hold(gate_);
  return kGainReferenceLevel - referenceLevel_;
}

SoapySDR::Range ZuvexaDevice::getGainRange(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return SoapySDR::Range(0.0, kMaxGain, 1.0);
}

void ZuvexaDevice::setGain(const int direction, const size_t channel, const std::string &name,
                           const double value) {
  if (name == kGainElement) return setGain(direction, channel, value);
  CheckChannel(direction, channel);
  SoapySDR::logf(SOAPY_SDR_WARNING, "zuvexa: no gain element \"%s\" (only %s), nothing changed", name.c_str(),
                 kGainElement);
}

double ZuvexaDevice::getGain(const int direction, const size_t channel, const std::string &name) const {
  if (name == kGainElement) return getGain(direction, channel);
  CheckChannel(direction, channel);
  return 0.0;
}

SoapySDR::Range ZuvexaDevice::getGainRange(const int direction, const size_t channel,
                                           const std::string &name) const {
  if (name == kGainElement) return getGainRange(direction, channel);
  return {};
}

void ZuvexaDevice::setFrequency(const int direction, const size_t channel, const double requested,
                                const SoapySDR::Kwargs &) {
  CheckChannel(direction, channel);
  const double frequency = Clamped("frequency", requested, kMinFrequency, kMaxFrequency);
  SessionGate::ControlHold hold(gate_);
  session_.Check(zuVEXA_ConfigureIQCarrierFrequency(session_.Handle(), "", frequency),
                 "zuVEXA_ConfigureIQCarrierFrequency");
  carrierFrequency_ = frequency;
}

double ZuvexaDevice::getFrequency(const int direction, const size_t channel) const {
  CheckChannel(direction, channel);
  SessionGate::ControlHold hold(gate_);
  return carrierFrequency_;
}

SoapySDR::RangeList ZuvexaDevice::getFrequencyRange(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {SoapySDR::Range(kMinFrequency, kMaxFrequency)};
}

std::vector<std::string> ZuvexaDevice::listFrequencies(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {kCarrier};
}

void ZuvexaDevice::setFrequency(const int direction, const size_t channel, const std::string &name,
                                const double frequency, const SoapySDR::Kwargs &args) {
  if (name == kCarrier) return setFrequency(direction, channel, frequency, args);
  CheckChannel(direction, channel);
  SoapySDR::logf(SOAPY_SDR_WARNING, "zuvexa: no frequency component \"%s\" (only %s), nothing tuned",
                 name.c_str(), kCarrier);
}

double ZuvexaDevice::getFrequency(const int direction, const size_t channel, const std::string &name) const {
  if (name == kCarrier) return getFrequency(direction, channel);
  CheckChannel(direction, channel);
  return 0.0;
}

SoapySDR::RangeList ZuvexaDevice::getFrequencyRange(const int direction, const size_t channel,
                                                    const std::string &name) const {
  if (name == kCarrier) return getFrequencyRange(direction, channel);
  CheckChannel(direction, channel);
  return {};
}

void ZuvexaDevice::setSampleRate(const int direction, const size_t channel, const double requested) {
  CheckChannel(direction, channel);
  if (!(requested > 0)) throw std::invalid_argument("zuvexa: sample rate " + std::to_string(requested));
  const double rate = Clamped("sample rate", requested, kMinRate, MaxRate());
  SessionGate::ControlHold hold(gate_);
  session_.Check(zuVEXA_ConfigureIQRate(session_.Handle(), "", rate), "zuVEXA_ConfigureIQRate");
  iqRate_ = rate;
}

double ZuvexaDevice::getSampleRate(const int direction, const size_t channel) const {
  CheckChannel(direction, channel);
  SessionGate::ControlHold hold(gate_);
  return iqRate_;
}

std::vector<double> ZuvexaDevice::listSampleRates(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  const double maxRate = getSampleRateRange(direction, channel).front().maximum();
  std::vector<double> rates;
  for (double rate : kListedRates)
    if (rate <= maxRate) rates.push_back(rate);
  return rates;
}

SoapySDR::RangeList ZuvexaDevice::getSampleRateRange(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {SoapySDR::Range(kMinRate, MaxRate())};
}

double ZuvexaDevice::MaxRate() const {
  const double maxRate = ReadReal("Max IQ Rate");
  return maxRate > 0 ? maxRate : kDefaultMaxRate;
}

double ZuvexaDevice::ReadReal(const char *settingKey) const {
  SessionGate::ControlHold hold(gate_);
  return std::get<ViReal64>(
      zuvexaclient::ReadAttribute(session_, SettingOf(settingKey), zuvexaclient::ValueType::Real64));
}

std::vector<std::string> ZuvexaDevice::listSensors() const {
  std::vector<std::string> sensors;
  for (const Attribute &setting : zuvexaclient::Attributes())
    if (IsTemperatureSensor(setting)) sensors.push_back(setting.name);
  return sensors;
}

SoapySDR::ArgInfo ZuvexaDevice::getSensorInfo(const std::string &key) const {
  const Attribute &setting = SettingOf(key);
  if (!IsTemperatureSensor(setting)) throw std::invalid_argument("zuvexa: no sensor named \"" + key + "\"");
  SoapySDR::ArgInfo info = SettingInfo(setting);
  info.type = SoapySDR::ArgInfo::FLOAT;
  return info;
}

std::string ZuvexaDevice::readSensor(const std::string &key) const {
  getSensorInfo(key);
  SessionGate::ControlHold hold(gate_);
  return ReadSetting(session_, SettingOf(key), zuvexaclient::ValueType::Real64);
}

SoapySDR::ArgInfoList ZuvexaDevice::getSettingInfo() const {
  SoapySDR::ArgInfoList infos;
  for (const Attribute &setting : zuvexaclient::Attributes()) {
    infos.push_back(SettingInfo(setting));
    if (setting.name == "IQ Rate") infos.back().range = SoapySDR::Range(kMinRate, MaxRate());
  }
  return infos;
}

void ZuvexaDevice::writeSetting(const std::string &key, const std::string &value) {
  const Attribute &setting = SettingOf(key);
  SessionGate::ControlHold hold(gate_);
  const zuvexaclient::AttributeValue written = WriteSetting(session_, setting, value);
  const double *number = std::get_if<ViReal64>(&written);
  if (number == nullptr) return;
  if (setting.name == "IQ Carrier Frequency") carrierFrequency_ = *number;
  if (setting.name == "IQ Rate") iqRate_ = *number;
  if (setting.name == "Reference Level") referenceLevel_ = *number;
}

std::string ZuvexaDevice::readSetting(const std::string &key) const {
  const Attribute &setting = SettingOf(key);
  SessionGate::ControlHold hold(gate_);
  return ReadSetting(session_, setting);
}

} // namespace zuvexasoapy
