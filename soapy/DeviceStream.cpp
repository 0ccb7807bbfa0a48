// The device's stream calls: formats, set-up, activation, reads, status and
// direct buffer access. All but setupStream turn a failure into SoapySDR's
// error code (logged), as applications expect of stream calls.
#include <SoapySDR/Errors.h>
#include <SoapySDR/Formats.h>
#include <SoapySDR/Logger.hpp>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "ZuvexaDevice.h"

namespace zuvexasoapy {
namespace {

// The longest a reader's fetch holds the session: control calls wait no longer.
constexpr std::chrono::milliseconds kFetchSlice{10};
constexpr long kLongestWait = 86400L * 1000000; // microseconds: longer would overflow the clock

void LogFailure(const char *call, const std::exception &error) {
  SoapySDR::logf(SOAPY_SDR_ERROR, "zuvexa: %s: %s", call, error.what());
}

// `body`'s result, or SOAPY_SDR_STREAM_ERROR (logged) for what it throws.
template <class Body> int ErrorCodeOf(const char *call, Body body) {
  try {
    return body();
  } catch (const std::exception &error) {
    LogFailure(call, error);
    return SOAPY_SDR_STREAM_ERROR;
  }
}

SessionGate::Clock::time_point DeadlineOf(long timeoutUs) {
  return SessionGate::Clock::now() + std::chrono::microseconds(std::clamp(timeoutUs, 0L, kLongestWait));
}

} // namespace

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
  const auto recordArg = args.find("recordSize");
  const long long recordSize = recordArg == args.end() ? 0 : std::atoll(recordArg->second.c_str());
  SessionGate::ControlHold hold(gate_);
  if (stream_) throw std::runtime_error("zuvexa: the device has a stream already");
  stream_ = std::make_unique<RxStream>(session_.Handle(), *parsed,
                                       recordSize > 0 ? recordSize : kDefaultRecordSamples);
  return reinterpret_cast<SoapySDR::Stream *>(stream_.get());
}

RxStream &ZuvexaDevice::StreamOf(SoapySDR::Stream *stream) const {
  if (!stream_ || reinterpret_cast<SoapySDR::Stream *>(stream_.get()) != stream)
    throw std::invalid_argument("not a stream of this device");
  return *stream_;
}

void ZuvexaDevice::closeStream(SoapySDR::Stream *stream) {
  try {
    SessionGate::ControlHold hold(gate_);
    StreamOf(stream).Deactivate();
    stream_.reset();
  } catch (const std::exception &error) {
    LogFailure("closeStream", error);
  }
}

size_t ZuvexaDevice::getStreamMTU(SoapySDR::Stream *stream) const {
  try {
    SessionGate::ControlHold hold(gate_);
    return StreamOf(stream).Mtu();
  } catch (const std::exception &error) {
    LogFailure("getStreamMTU", error);
    return static_cast<size_t>(kDefaultRecordSamples); // never 0, as callers allocate from it
  }
}

int ZuvexaDevice::activateStream(SoapySDR::Stream *stream, const int flags, const long long,
                                 const size_t numElems) {
  if (flags != 0 && flags != SOAPY_SDR_END_BURST) return SOAPY_SDR_NOT_SUPPORTED;
  return ErrorCodeOf("activateStream", [&] {
    SessionGate::ControlHold hold(gate_);
    return StreamOf(stream).Activate(numElems);
  });
}

int ZuvexaDevice::deactivateStream(SoapySDR::Stream *stream, const int flags, const long long) {
  if (flags != 0) return SOAPY_SDR_NOT_SUPPORTED;
  return ErrorCodeOf("deactivateStream", [&] {
    SessionGate::ControlHold hold(gate_);
    return StreamOf(stream).Deactivate();
  });
}

template <class Fetch> int ZuvexaDevice::FetchWithin(SoapySDR::Stream *stream, long timeoutUs, Fetch fetch) {
  const auto deadline = DeadlineOf(timeoutUs);
  auto hold = gate_.ReaderHold();
  StreamOf(stream);
  const auto isOpen = [&] { return reinterpret_cast<SoapySDR::Stream *>(stream_.get()) == stream; };
  while (gate_.WaitUntil(hold, deadline, [&] { return !isOpen() || stream_->Readable(); })) {
    if (!isOpen()) return SOAPY_SDR_STREAM_ERROR; // closed by another thread
    const auto start = SessionGate::Clock::now();
    const auto slice = std::clamp<SessionGate::Clock::duration>(deadline - start, {}, kFetchSlice);
    const int result = fetch(std::chrono::duration<double>(slice).count());
    if (result == SOAPY_SDR_OVERFLOW) gate_.Notify(); // for a thread waiting in readStreamStatus
    // A fetch that timed out after waiting its slice is tried again; one
    // that gave up sooner had nothing to wait for.
    const auto now = SessionGate::Clock::now();
    if (result != SOAPY_SDR_TIMEOUT || now >= deadline || now - start < slice / 2) return result;
  }
  return SOAPY_SDR_TIMEOUT;
}

int ZuvexaDevice::readStream(SoapySDR::Stream *stream, void *const *buffs, const size_t numElems, int &flags,
                             long long &timeNs, const long timeoutUs) {
  flags = 0;
  return ErrorCodeOf("readStream", [&] {
    return FetchWithin(stream, timeoutUs,
                       [&](double slice) { return stream_->Read(buffs[0], numElems, flags, timeNs, slice); });
  });
}

int ZuvexaDevice::readStreamStatus(SoapySDR::Stream *stream, size_t &chanMask, int &flags, long long &timeNs,
                                   const long timeoutUs) {
  return ErrorCodeOf("readStreamStatus", [&] {
    const auto deadline = DeadlineOf(timeoutUs);
    auto hold = gate_.ReaderHold();
    StreamOf(stream);
    const auto isOpen = [&] { return reinterpret_cast<SoapySDR::Stream *>(stream_.get()) == stream; };
    gate_.WaitUntil(hold, deadline, [&] { return !isOpen() || stream_->OverflowPending(); });
    if (!isOpen()) return SOAPY_SDR_STREAM_ERROR;
    if (!stream_->OverflowPending()) return SOAPY_SDR_TIMEOUT;
    chanMask = 1;
    flags = SOAPY_SDR_HAS_TIME;
    timeNs = stream_->TakeOverflow();
    return SOAPY_SDR_OVERFLOW;
  });
}

size_t ZuvexaDevice::getNumDirectAccessBuffers(SoapySDR::Stream *) { return 1; }

int ZuvexaDevice::getDirectAccessBufferAddrs(SoapySDR::Stream *stream, const size_t handle, void **buffs) {
  return ErrorCodeOf("getDirectAccessBufferAddrs", [&] {
    SessionGate::ControlHold hold(gate_);
    const RxStream &rx = StreamOf(stream);
    if (handle != 0) return SOAPY_SDR_STREAM_ERROR;
    buffs[0] = const_cast<void *>(rx.RecordAddress());
    return 0;
  });
}

int ZuvexaDevice::acquireReadBuffer(SoapySDR::Stream *stream, size_t &handle, const void **buffs, int &flags,
                                    long long &timeNs, const long timeoutUs) {
  flags = 0;
  handle = 0;
  return ErrorCodeOf("acquireReadBuffer", [&] {
    return FetchWithin(stream, timeoutUs,
                       [&](double slice) { return stream_->Acquire(buffs[0], flags, timeNs, slice); });
  });
}

void ZuvexaDevice::releaseReadBuffer(SoapySDR::Stream *stream, const size_t handle) {
  try {
    SessionGate::ControlHold hold(gate_);
    if (handle != 0) throw std::invalid_argument("no buffer " + std::to_string(handle));
    StreamOf(stream).Release();
  } catch (const std::exception &error) {
    LogFailure("releaseReadBuffer", error);
  }
}

} // namespace zuvexasoapy
