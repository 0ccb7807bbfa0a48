#include "ZuvexaDevice.h"

#include <SoapySDR/Errors.h>
#include <SoapySDR/Formats.h>
#include <SoapySDR/Logger.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "Discovery.h"
#include "Settings.h"

namespace zuvexasoapy {
namespace {

constexpr double kMinFrequency = 9e3, kMaxFrequency = 26.5e9;
constexpr double kMinRate = 1e3, kDefaultMaxRate = 250e6;
constexpr double kListedRates[] = {1e6, 2e6, 5e6, 10e6, 20e6, 50e6, 100e6, 200e6};
constexpr const char *kAntenna = "RF IN";
constexpr const char *kCarrier = "RF"; // the one frequency component
// The longest a reader's fetch holds the session: control calls wait no longer.
constexpr std::chrono::milliseconds kFetchSlice{10};
constexpr long kLongestWait = 86400L * 1000000; // microseconds: longer would overflow the clock

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

const AttributeSetting &SettingOf(const std::string &key) {
  const AttributeSetting *setting = FindSetting(key);
  if (setting == nullptr) throw std::invalid_argument("zuvexa: no setting named \"" + key + "\"");
  return *setting;
}

SoapySDR::ArgInfo InfoOf(const AttributeSetting &setting) {
  SoapySDR::ArgInfo info;
  info.key = info.name = setting.key;
  info.description = "attribute " + std::to_string(setting.id);
  switch (setting.type) {
  case ValueType::Int32:
  case ValueType::Int64:
    info.type = SoapySDR::ArgInfo::INT;
    break;
  case ValueType::Boolean:
    info.type = SoapySDR::ArgInfo::BOOL;
    break;
  case ValueType::String:
    info.type = SoapySDR::ArgInfo::STRING;
    break;
  case ValueType::Real64:
  case ValueType::Unknown:
    info.type = SoapySDR::ArgInfo::FLOAT;
    break;
  }
  return info;
}

} // namespace

ZuvexaDevice::ZuvexaDevice(const SoapySDR::Kwargs &args)
    : analyzer_(Value(args, "resource"), OptionString(args)), resource_(Value(args, "resource")),
      carrierFrequency_(ReadReal("IQ Carrier Frequency")), iqRate_(ReadReal("IQ Rate")),
      referenceLevel_(ReadReal("Reference Level")) {}

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
  const std::string model = ReadAttribute(analyzer_.Handle(), SettingOf("Model"));
  return model.empty() ? "analyzer" : model;
}

SoapySDR::Kwargs ZuvexaDevice::getHardwareInfo() const {
  SessionGate::ControlHold hold(gate_);
  const ViSession vi = analyzer_.Handle();
  SoapySDR::Kwargs info{{"resource", resource_}, {"session", std::to_string(vi)}};
  for (const char *key : {"Manufacturer", "Model", "Serial Number", "Firmware Revision", "Revision"})
    info[key] = ReadAttribute(vi, SettingOf(key));
  return info;
}

size_t ZuvexaDevice::getNumChannels(const int direction) const { return direction == SOAPY_SDR_RX ? 1 : 0; }

SoapySDR::Kwargs ZuvexaDevice::getChannelInfo(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {{"cs16_full_scale", "32767"}, {"gain_mapping", "reference level (dBm) = 30 - gain (dB)"}};
}

std::vector<std::string> ZuvexaDevice::getStreamFormats(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  return {SOAPY_SDR_CF64, SOAPY_SDR_CF32, SOAPY_SDR_CS16};
}

std::string ZuvexaDevice::getNativeStreamFormat(const int direction, const size_t channel,
                                                double &fullScale) const {
  CheckChannel(direction, channel);
  fullScale = 1.0;
  return SOAPY_SDR_CF64;
}

SoapySDR::ArgInfoList ZuvexaDevice::getStreamArgsInfo(const int direction, const size_t channel) const {
  if (!IsChannel(direction, channel)) return {};
  SoapySDR::ArgInfo recordSize;
  recordSize.key = "recordSize";
  recordSize.name = "Record size";
  recordSize.description = "Samples per fetched record (the stream's MTU)";
  recordSize.type = SoapySDR::ArgInfo::INT;
  recordSize.value = std::to_string(kDefaultRecordSamples);
  recordSize.units = "samples";
  return {recordSize};
}

SoapySDR::Stream *ZuvexaDevice::setupStream(const int direction, const std::string &format,
                                            const std::vector<size_t> &channels,
                                            const SoapySDR::Kwargs &args) {
  if (channels.size() > 1) throw std::invalid_argument("zuvexa: one channel per stream");
  CheckChannel(direction, channels.empty() ? 0 : channels.front());
  const std::optional<StreamFormat> parsed = ParseStreamFormat(format);
  if (!parsed) throw std::invalid_argument("zuvexa: stream format " + format + " (CF64, CF32 or CS16)");
  const long long recordSize = std::atoll(Value(args, "recordSize", "0").c_str());
  SessionGate::ControlHold hold(gate_);
  if (stream_) throw std::runtime_error("zuvexa: the device has a stream already");
  stream_ = std::make_unique<RxStream>(analyzer_.Handle(), *parsed,
                                       recordSize > 0 ? recordSize : kDefaultRecordSamples);
  return reinterpret_cast<SoapySDR::Stream *>(stream_.get());
}

RxStream &ZuvexaDevice::StreamOf(SoapySDR::Stream *stream) const {
  if (!stream_ || reinterpret_cast<SoapySDR::Stream *>(stream_.get()) != stream)
    throw std::invalid_argument("zuvexa: not a stream of this device");
  return *stream_;
}

void ZuvexaDevice::closeStream(SoapySDR::Stream *stream) {
  SessionGate::ControlHold hold(gate_);
  StreamOf(stream).Deactivate();
  stream_.reset();
}

size_t ZuvexaDevice::getStreamMTU(SoapySDR::Stream *stream) const {
  SessionGate::ControlHold hold(gate_);
  return StreamOf(stream).Mtu();
}

int ZuvexaDevice::activateStream(SoapySDR::Stream *stream, const int flags, const long long,
                                 const size_t numElems) {
  if (flags != 0 && flags != SOAPY_SDR_END_BURST) return SOAPY_SDR_NOT_SUPPORTED;
  SessionGate::ControlHold hold(gate_);
  return StreamOf(stream).Activate(numElems);
}

int ZuvexaDevice::deactivateStream(SoapySDR::Stream *stream, const int flags, const long long) {
  if (flags != 0) return SOAPY_SDR_NOT_SUPPORTED;
  SessionGate::ControlHold hold(gate_);
  return StreamOf(stream).Deactivate();
}

int ZuvexaDevice::readStream(SoapySDR::Stream *stream, void *const *buffs, const size_t numElems, int &flags,
                             long long &timeNs, const long timeoutUs) {
  const auto deadline =
      SessionGate::Clock::now() + std::chrono::microseconds(std::clamp(timeoutUs, 0L, kLongestWait));
  auto hold = gate_.ReaderHold();
  StreamOf(stream);
  const auto isOpen = [&] { return reinterpret_cast<SoapySDR::Stream *>(stream_.get()) == stream; };
  flags = 0;
  while (gate_.WaitUntil(hold, deadline, [&] { return !isOpen() || stream_->Readable(); })) {
    if (!isOpen()) return SOAPY_SDR_STREAM_ERROR; // closed by another thread
    const auto start = SessionGate::Clock::now();
    const auto slice = std::clamp<SessionGate::Clock::duration>(deadline - start, {}, kFetchSlice);
    const int result =
        stream_->Read(buffs[0], numElems, flags, timeNs, std::chrono::duration<double>(slice).count());
    // A fetch that timed out after waiting its slice is tried again; one
    // that gave up sooner had nothing to wait for.
    const auto now = SessionGate::Clock::now();
    if (result != SOAPY_SDR_TIMEOUT || now >= deadline || now - start < slice / 2) return result;
  }
  return SOAPY_SDR_TIMEOUT;
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
  return {"REF"};
}

void ZuvexaDevice::setGain(const int direction, const size_t channel, const double value) {
  CheckChannel(direction, channel);
  const double gain = std::clamp(value, 0.0, kMaxGain);
  SessionGate::ControlHold hold(gate_);
  analyzer_.Check(zuVEXA_ConfigureReferenceLevel(analyzer_.Handle(), "", kGainReferenceLevel - gain),
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

void ZuvexaDevice::setFrequency(const int direction, const size_t channel, const double requested,
                                const SoapySDR::Kwargs &) {
  CheckChannel(direction, channel);
  const double frequency = Clamped("frequency", requested, kMinFrequency, kMaxFrequency);
  SessionGate::ControlHold hold(gate_);
  analyzer_.Check(zuVEXA_ConfigureIQCarrierFrequency(analyzer_.Handle(), "", frequency),
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
  analyzer_.Check(zuVEXA_ConfigureIQRate(analyzer_.Handle(), "", rate), "zuVEXA_ConfigureIQRate");
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
  return std::atof(ReadAttribute(analyzer_.Handle(), SettingOf(settingKey)).c_str());
}

std::vector<std::string> ZuvexaDevice::listSensors() const {
  std::vector<std::string> sensors;
  for (const AttributeSetting &setting : AttributeSettings())
    if (IsTemperatureSensor(setting)) sensors.push_back(setting.key);
  return sensors;
}

SoapySDR::ArgInfo ZuvexaDevice::getSensorInfo(const std::string &key) const {
  const AttributeSetting &setting = SettingOf(key);
  if (!IsTemperatureSensor(setting)) throw std::invalid_argument("zuvexa: no sensor named \"" + key + "\"");
  SoapySDR::ArgInfo info = InfoOf(setting);
  info.type = SoapySDR::ArgInfo::FLOAT;
  info.units = "C";
  return info;
}

std::string ZuvexaDevice::readSensor(const std::string &key) const {
  getSensorInfo(key);
  SessionGate::ControlHold hold(gate_);
  return ReadAttribute(analyzer_.Handle(), {SettingOf(key).id, key, ValueType::Real64});
}

SoapySDR::ArgInfoList ZuvexaDevice::getSettingInfo() const {
  SoapySDR::ArgInfoList infos;
  for (const AttributeSetting &setting : AttributeSettings()) infos.push_back(InfoOf(setting));
  return infos;
}

void ZuvexaDevice::writeSetting(const std::string &key, const std::string &value) {
  const AttributeSetting &setting = SettingOf(key);
  SessionGate::ControlHold hold(gate_);
  WriteAttribute(analyzer_.Handle(), setting, value);
  if (key == "IQ Carrier Frequency") carrierFrequency_ = std::atof(value.c_str());
  if (key == "IQ Rate") iqRate_ = std::atof(value.c_str());
  if (key == "Reference Level") referenceLevel_ = std::atof(value.c_str());
}

std::string ZuvexaDevice::readSetting(const std::string &key) const {
  const AttributeSetting &setting = SettingOf(key);
  SessionGate::ControlHold hold(gate_);
  return ReadAttribute(analyzer_.Handle(), setting);
}

} // namespace zuvexasoapy
