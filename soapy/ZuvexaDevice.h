// The SoapySDR device of one analyzer session: one receive channel, its
// carrier, I/Q rate, reference level (as gain), the attribute catalogue as
// settings, the temperatures as sensors, and the receive stream. Calls of
// any thread pass one SessionGate: a reader fetches in slices of 10 ms at
// most and waits for its stream with the gate open, so control calls of
// other threads go through while it reads or waits. The stream calls but
// setupStream (which throws for what it cannot set up) never throw: they
// return SoapySDR's error codes and log the cause.
#pragma once

#include <SoapySDR/Device.hpp>

#include <memory>

#include "RxStream.h"
#include "Session.h"
#include "SessionGate.h"

namespace zuvexasoapy {

// Gain (dB) = kGainReferenceLevel - reference level (dBm), over 0 to
// kMaxGain dB: more gain, a lower reference level, a more sensitive input.
inline constexpr double kGainReferenceLevel = 30.0;
inline constexpr double kMaxGain = 100.0;
inline constexpr const char *kGainElement = "REF"; // the one gain element
inline constexpr double kMinFrequency = 9e3, kMaxFrequency = 26.5e9;
inline constexpr double kMinRate = 1e3, kDefaultMaxRate = 250e6; // when the device has no Max IQ Rate

class ZuvexaDevice : public SoapySDR::Device {
public:
  explicit ZuvexaDevice(const SoapySDR::Kwargs &args);

  std::string getDriverKey() const override;
  std::string getHardwareKey() const override;
  SoapySDR::Kwargs getHardwareInfo() const override;
  size_t getNumChannels(const int direction) const override;
  SoapySDR::Kwargs getChannelInfo(const int direction, const size_t channel) const override;

  std::vector<std::string> getStreamFormats(const int direction, const size_t channel) const override;
  std::string getNativeStreamFormat(const int direction, const size_t channel,
                                    double &fullScale) const override;
  SoapySDR::ArgInfoList getStreamArgsInfo(const int direction, const size_t channel) const override;
  SoapySDR::Stream *setupStream(const int direction, const std::string &format,
                                const std::vector<size_t> &channels, const SoapySDR::Kwargs &args) override;
  void closeStream(SoapySDR::Stream *stream) override;
  size_t getStreamMTU(SoapySDR::Stream *stream) const override;
  int activateStream(SoapySDR::Stream *stream, const int flags, const long long timeNs,
                     const size_t numElems) override;
  int deactivateStream(SoapySDR::Stream *stream, const int flags, const long long timeNs) override;
  int readStream(SoapySDR::Stream *stream, void *const *buffs, const size_t numElems, int &flags,
                 long long &timeNs, const long timeoutUs) override;
  // An overflow once, with the time of the samples after it (chanMask 1),
  // else SOAPY_SDR_TIMEOUT after waiting up to timeoutUs, the gate open.
  int readStreamStatus(SoapySDR::Stream *stream, size_t &chanMask, int &flags, long long &timeNs,
                       const long timeoutUs) override;

  // Direct access: one buffer, the stream's record, lent until released.
  size_t getNumDirectAccessBuffers(SoapySDR::Stream *stream) override;
  int getDirectAccessBufferAddrs(SoapySDR::Stream *stream, const size_t handle, void **buffs) override;
  int acquireReadBuffer(SoapySDR::Stream *stream, size_t &handle, const void **buffs, int &flags,
                        long long &timeNs, const long timeoutUs) override;
  void releaseReadBuffer(SoapySDR::Stream *stream, const size_t handle) override;

  std::vector<std::string> listAntennas(const int direction, const size_t channel) const override;
  // Any other name is logged and the one antenna kept.
  void setAntenna(const int direction, const size_t channel, const std::string &name) override;
  std::string getAntenna(const int direction, const size_t channel) const override;

  std::vector<std::string> listGains(const int direction, const size_t channel) const override;
  void setGain(const int direction, const size_t channel, const double value) override;
  double getGain(const int direction, const size_t channel) const override;
  SoapySDR::Range getGainRange(const int direction, const size_t channel) const override;
  // The one gain element, "REF", is the overall gain; setting another
  // element is logged and changes nothing, reading it gives 0 and no range.
  void setGain(const int direction, const size_t channel, const std::string &name,
               const double value) override;
  double getGain(const int direction, const size_t channel, const std::string &name) const override;
  SoapySDR::Range getGainRange(const int direction, const size_t channel,
                               const std::string &name) const override;

  // The carrier, clamped to its range (logged).
  void setFrequency(const int direction, const size_t channel, const double frequency,
                    const SoapySDR::Kwargs &args) override;
  double getFrequency(const int direction, const size_t channel) const override;
  SoapySDR::RangeList getFrequencyRange(const int direction, const size_t channel) const override;
  // The one tunable component, "RF", is the carrier; setting any other is
  // logged and changes nothing, reading it gives 0 and no range.
  std::vector<std::string> listFrequencies(const int direction, const size_t channel) const override;
  void setFrequency(const int direction, const size_t channel, const std::string &name,
                    const double frequency, const SoapySDR::Kwargs &args) override;
  double getFrequency(const int direction, const size_t channel, const std::string &name) const override;
  SoapySDR::RangeList getFrequencyRange(const int direction, const size_t channel,
                                        const std::string &name) const override;

  // Clamped to getSampleRateRange (logged); no rate at all (0 or less) throws.
  void setSampleRate(const int direction, const size_t channel, const double rate) override;
  double getSampleRate(const int direction, const size_t channel) const override;
  std::vector<double> listSampleRates(const int direction, const size_t channel) const override;
  SoapySDR::RangeList getSampleRateRange(const int direction, const size_t channel) const override;

  std::vector<std::string> listSensors() const override;
  SoapySDR::ArgInfo getSensorInfo(const std::string &key) const override;
  std::string readSensor(const std::string &key) const override;

  SoapySDR::ArgInfoList getSettingInfo() const override;
  void writeSetting(const std::string &key, const std::string &value) override;
  std::string readSetting(const std::string &key) const override;

private:
  // Throws for anything but receive channel 0.
  // Queries of a channel the device lacks answer empty, as SoapySDR's base
  // class does (applications list every direction); settings refuse it.
  static bool IsChannel(int direction, size_t channel);
  static void CheckChannel(int direction, size_t channel);
  // Throws std::invalid_argument for a stream that is not this device's.
  RxStream &StreamOf(SoapySDR::Stream *stream) const;
  // The reader's loop of readStream and acquireReadBuffer: waits, the gate
  // open, until the stream is readable, then calls fetch(slice seconds)
  // until it gives samples or an error, or timeoutUs has passed.
  template <class Fetch> int FetchWithin(SoapySDR::Stream *stream, long timeoutUs, Fetch fetch);
  double ReadReal(const char *settingKey) const;
  double MaxRate() const;

  mutable SessionGate gate_;
  zuvexaclient::Session session_; // warnings cleared
  std::string resource_;
  std::unique_ptr<RxStream> stream_;
  // What the device configured last (the attributes' values at the open).
  double carrierFrequency_, iqRate_, referenceLevel_;
};

} // namespace zuvexasoapy
