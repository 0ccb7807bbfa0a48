#include "RxStream.h"

#include <SoapySDR/Constants.h>
#include <SoapySDR/Errors.h>
#include <SoapySDR/Formats.h>
#include <SoapySDR/Logger.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Attributes.h"
#include "Session.h"

namespace zuvexasoapy {
namespace {

int16_t Saturated(double value) {
  return static_cast<int16_t>(std::lrint(std::clamp(value, -32768.0, 32767.0)));
}

// Raw fetched values to the stream's full scale, in place.
void ScaleToFullScale(int16_t *data, std::size_t values, const WaveformInfo &info) {
  const double gain = info.gain * kCs16FullScale, offset = info.offset * kCs16FullScale;
  if (gain == 1.0 && offset == 0.0) return;
  for (std::size_t n = 0; n < values; ++n) data[n] = Saturated(data[n] * gain + offset);
}

// Records of a contiguous acquisition follow each other without a gap;
// an instrument without the setting streams records as they come.
void RequestContiguousRecords(ViSession vi) {
  if (const zuvexaclient::Attribute *setting = zuvexaclient::FindAttribute("Contiguous Multirecord"))
    if (zuVEXA_SetAttributeViBoolean(vi, "", setting->id, VI_TRUE) != VI_SUCCESS) zuVEXA_ClearError(vi);
}

} // namespace

std::optional<StreamFormat> ParseStreamFormat(const std::string &name) {
  if (name == SOAPY_SDR_CF64) return StreamFormat::CF64;
  if (name == SOAPY_SDR_CF32) return StreamFormat::CF32;
  if (name == SOAPY_SDR_CS16) return StreamFormat::CS16;
  return std::nullopt;
}

std::size_t ElementBytes(StreamFormat format) {
  switch (format) {
  case StreamFormat::CF64:
    return 2 * sizeof(ViReal64);
  case StreamFormat::CF32:
    return 2 * sizeof(ViReal32);
  case StreamFormat::CS16:
    break;
  }
  return 2 * sizeof(ViInt16);
}

RxStream::RxStream(ViSession vi, StreamFormat format, int64_t recordSamples)
    : vi_(vi), format_(format), recordSamples_(std::max<int64_t>(recordSamples, 1)),
      record_(static_cast<std::size_t>(recordSamples_) * ElementBytes(format)) {}

int RxStream::Activate(std::size_t numElems) {
  if (active_) Deactivate();
  const auto wanted = static_cast<int64_t>(numElems);
  const int64_t samples = wanted == 0 ? recordSamples_ : std::min(wanted, recordSamples_);
  recordsLeft_ = wanted == 0 ? -1 : (wanted + samples - 1) / samples;
  lastRecordSamples_ = wanted == 0 ? samples : wanted - (recordsLeft_ - 1) * samples;
  const auto check = [this](ViStatus status, const char *function) {
    zuvexaclient::CheckCall(vi_, status, function, zuvexaclient::Warnings::Clear);
  };
  check(zuVEXA_ConfigureNumberOfSamples(vi_, "", VI_TRUE, samples), "zuVEXA_ConfigureNumberOfSamples");
  check(zuVEXA_ConfigureNumberOfRecords(vi_, "", wanted != 0, std::max<int64_t>(recordsLeft_, 1)),
        "zuVEXA_ConfigureNumberOfRecords");
  RequestContiguousRecords(vi_);
  check(zuVEXA_Initiate(vi_), "zuVEXA_Initiate");
  nextRecord_ = 0;
  position_ = available_ = 0;
  active_ = true;
  return 0;
}

int RxStream::Deactivate() {
  if (!active_) return 0;
  active_ = false;
  available_ = 0;
  const ViStatus status = zuVEXA_Abort(vi_);
  if (status == VI_SUCCESS) return 0;
  SoapySDR::log(SOAPY_SDR_WARNING, zuvexaclient::TakeFailure(vi_, status, "zuVEXA_Abort").what());
  return status < 0 ? SOAPY_SDR_STREAM_ERROR : 0;
}

int64_t RxStream::NextRecordSamples() const {
  return recordsLeft_ == 1 ? lastRecordSamples_ : recordSamples_;
}

ViStatus RxStream::Fetch(void *into, int64_t samples, double timeoutSeconds) {
  ViStatus status = VI_SUCCESS;
  switch (format_) {
  case StreamFormat::CF64:
    status = zuVEXA_FetchIQSingleRecordComplexF64(vi_, "", nextRecord_, samples, timeoutSeconds,
                                                  static_cast<ViReal64 *>(into), &info_);
    break;
  case StreamFormat::CF32:
    status = zuVEXA_FetchIQSingleRecordComplexF32(vi_, "", nextRecord_, samples, timeoutSeconds,
                                                  static_cast<ViReal32 *>(into), &info_);
    break;
  case StreamFormat::CS16:
    status = zuVEXA_FetchIQSingleRecordComplexI16(vi_, "", nextRecord_, samples, timeoutSeconds,
                                                  static_cast<ViInt16 *>(into), &info_);
    if (status >= 0)
      ScaleToFullScale(static_cast<int16_t *>(into), 2 * std::size_t(info_.actualSamples), info_);
    break;
  }
  if (status < 0) return status;
  if (status > 0) zuVEXA_ClearError(vi_);
  info_.actualSamples = std::clamp<ViInt64>(info_.actualSamples, 0, samples);
  ++nextRecord_;
  if (recordsLeft_ > 0) --recordsLeft_;
  return status;
}

int RxStream::FailedFetch(ViStatus status) {
  if (status == kMaxTimeExceeded) {
    zuVEXA_ClearError(vi_);
    return SOAPY_SDR_TIMEOUT;
  }
  SoapySDR::log(SOAPY_SDR_ERROR, zuvexaclient::TakeFailure(vi_, status, "zuVEXA_FetchIQSingleRecord").what());
  return SOAPY_SDR_STREAM_ERROR;
}

long long RxStream::TimeOf(std::size_t position) const {
  return std::llround((info_.absoluteInitialX + double(position) * info_.xIncrement) * 1e9);
}

int RxStream::Deliver(std::size_t count, int &flags, long long &timeNs) {
  timeNs = TimeOf(position_);
  position_ += count;
  available_ -= count;
  flags |= SOAPY_SDR_HAS_TIME | (recordsLeft_ == 0 && available_ == 0 ? SOAPY_SDR_END_BURST : 0);
  return static_cast<int>(count);
}

int RxStream::NextRecord(void *into, double timeoutSeconds, int &flags, long long &timeNs) {
  const ViStatus status = Fetch(into, NextRecordSamples(), timeoutSeconds);
  if (status < 0) return FailedFetch(status);
  position_ = 0;
  available_ = static_cast<std::size_t>(info_.actualSamples);
  if (status == VI_SUCCESS) return into == record_.data() ? 1 : 0;
  // Samples were lost before this record: reported once, with the time
  // its samples (the next read's) start at.
  if (into != record_.data()) std::memcpy(record_.data(), into, available_ * ElementBytes(format_));
  overflowTimeNs_ = timeNs = TimeOf(0);
  flags |= SOAPY_SDR_HAS_TIME;
  return SOAPY_SDR_OVERFLOW;
}

int RxStream::Read(void *buffer, std::size_t numElems, int &flags, long long &timeNs, double fetchTimeout) {
  flags = 0;
  if (lent_) return SOAPY_SDR_STREAM_ERROR;
  if (!Readable()) return SOAPY_SDR_TIMEOUT;
  if (available_ == 0) {
    const bool direct = numElems >= static_cast<std::size_t>(NextRecordSamples());
    const int fetched = NextRecord(direct ? buffer : record_.data(), fetchTimeout, flags, timeNs);
    if (fetched < 0) return fetched;
    if (fetched == 0) return Deliver(available_, flags, timeNs);
  }
  const std::size_t elementBytes = ElementBytes(format_);
  const std::size_t count = std::min(numElems, available_);
  std::memcpy(buffer, record_.data() + position_ * elementBytes, count * elementBytes);
  return Deliver(count, flags, timeNs);
}

int RxStream::Acquire(const void *&buffer, int &flags, long long &timeNs, double fetchTimeout) {
  flags = 0;
  if (lent_) return SOAPY_SDR_STREAM_ERROR;
  if (!Readable()) return SOAPY_SDR_TIMEOUT;
  if (available_ == 0) {
    const int fetched = NextRecord(record_.data(), fetchTimeout, flags, timeNs);
    if (fetched < 0) return fetched;
  }
  buffer = record_.data() + position_ * ElementBytes(format_);
  lent_ = true;
  return Deliver(available_, flags, timeNs);
}

} // namespace zuvexasoapy
