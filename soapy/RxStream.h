// The receive stream of the SoapySDR device: the samples of an acquisition
// of equal records, fetched whole, one after another, and handed out in
// order in whatever pieces the reader asks for. A finite stream is one
// acquisition of as many samples as asked; a continuous one has no last
// record. Each record is fetched in the stream's format (CS16 scaled to a
// full scale of 32767 from the fetch's gain and offset); when the reader's
// buffer takes a whole record it is fetched straight into it; direct buffer
// access lends the reader the stream's own record instead. It never waits
// but in the fetch: its device keeps it apart from other threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "zuVEXA.h"

namespace zuvexasoapy {

enum class StreamFormat { CF64, CF32, CS16 };

// "CF64", "CF32" or "CS16".
std::optional<StreamFormat> ParseStreamFormat(const std::string &name);
std::size_t ElementBytes(StreamFormat format);

// The IVI status of a fetch that exceeded its timeout.
inline constexpr ViStatus kMaxTimeExceeded = static_cast<ViStatus>(0xBFFA2003);
inline constexpr double kCs16FullScale = 32767.0;
inline constexpr int64_t kDefaultRecordSamples = 1 << 16;

class RxStream {
public:
  RxStream(ViSession vi, StreamFormat format, int64_t recordSamples);

  StreamFormat Format() const { return format_; }
  std::size_t Mtu() const { return static_cast<std::size_t>(recordSamples_); }
  bool Active() const { return active_; }
  // Active, with samples to come (a finite stream ends).
  bool Readable() const { return active_ && (available_ > 0 || recordsLeft_ != 0); }

  // numElems 0: continuous. Returns 0 or a SoapySDR error code; a failed
  // configuration throws.
  int Activate(std::size_t numElems);
  int Deactivate();

  // SoapySDR's readStream for one channel, with a fetch that waits at most
  // `fetchTimeout` seconds: samples, or SOAPY_SDR_TIMEOUT (the fetch timed
  // out, or the stream is not Readable), SOAPY_SDR_OVERFLOW (the fetch
  // warned: samples were lost before its own, which follow in the next
  // read; timeNs is theirs) or SOAPY_SDR_STREAM_ERROR (also while the
  // record is lent out).
  int Read(void *buffer, std::size_t numElems, int &flags, long long &timeNs, double fetchTimeout);
  // Direct access, as Read: the rest of the current (or next) record in
  // place at `buffer`, lent to the reader until Release.
  int Acquire(const void *&buffer, int &flags, long long &timeNs, double fetchTimeout);
  void Release() { lent_ = false; }
  const void *RecordAddress() const { return record_.data(); }

  // The time of the first sample after the last overflow not yet taken.
  bool OverflowPending() const { return overflowTimeNs_.has_value(); }
  long long TakeOverflow() { return *std::exchange(overflowTimeNs_, std::nullopt); }

  // The record information of the last fetch (gain and offset of CS16).
  const WaveformInfo &LastInfo() const { return info_; }

private:
  int64_t NextRecordSamples() const;
  // Fetches the next record into `into`; the status of the fetch.
  ViStatus Fetch(void *into, int64_t samples, double timeoutSeconds);
  // Fetches the next record into `into` (the reader's buffer) or record_
  // and makes it the current one: 0 when the samples are in `into`, 1 when
  // in record_, or a SoapySDR error code (an overflow's with its time).
  int NextRecord(void *into, double timeoutSeconds, int &flags, long long &timeNs);
  int FailedFetch(ViStatus status);
  long long TimeOf(std::size_t position) const;
  // Hands out `count` samples from position_: their time and flags.
  int Deliver(std::size_t count, int &flags, long long &timeNs);

  ViSession vi_;
  StreamFormat format_;
  int64_t recordSamples_;
  std::vector<std::byte> record_; // one record, allocated once
  int64_t nextRecord_ = 0;
  int64_t recordsLeft_ = 0; // -1: continuous
  int64_t lastRecordSamples_ = 0;
  std::size_t position_ = 0, available_ = 0; // samples of record_ handed out, and still to come
  WaveformInfo info_{};
  bool active_ = false;
  bool lent_ = false; // record_ is the reader's (Acquire)
  std::optional<long long> overflowTimeNs_;
};

} // namespace zuvexasoapy
