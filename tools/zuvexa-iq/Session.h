// One analyzer session through the public C interface, closed on scope exit.
// A failed call becomes an ApiError with the library's status and text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "zuVEXA.h"

namespace zuvexaiq {

class ApiError : public std::runtime_error {
public:
  ApiError(std::string function, ViStatus status, std::string description);
  const std::string &Function() const { return function_; }
  ViStatus Status() const { return status_; }
  const std::string &Description() const { return description_; }

private:
  std::string function_;
  ViStatus status_;
  std::string description_;
};

// The error recorded for vi (VI_NULL: the calling thread), read with
// zuVEXA_GetError, which also clears it. Empty when there is no text.
std::string TakeErrorText(ViSession vi, ViStatus *code = nullptr);

// The library's description of a status (zuVEXA_GetErrorMessage) for the
// session's language, or the default language for VI_NULL; empty when it
// has none.
std::string DescribeStatus(ViSession vi, ViStatus status);

struct IqRecord {
  std::vector<ViReal64> interleaved; // I, Q, I, Q, ...: 2 * info.actualSamples values
  WaveformInfo info{};
};

struct IqRecordI16 {
  std::vector<ViInt16> interleaved; // unscaled: value = raw * info.gain + info.offset
  WaveformInfo info{};
};

class Session {
public:
  Session(const std::string &resourceName, const std::string &optionString);
  ~Session();
  Session(const Session &) = delete;
  Session &operator=(const Session &) = delete;

  ViSession Handle() const { return vi_; }
  void ConfigureIq(double carrierFrequency, double iqRate, int64_t numberOfSamples);
  void ConfigureRecords(int64_t numberOfRecords);
  // Initiates and fetches record 0.
  IqRecord FetchRecord(int64_t numberOfSamples, double timeoutSeconds);
  void Initiate();
  IqRecord FetchF64(int64_t recordNumber, int64_t numberOfSamples, double timeoutSeconds);
  IqRecordI16 FetchI16(int64_t recordNumber, int64_t numberOfSamples, double timeoutSeconds);
  // Closes now and reports a failure; the destructor then does nothing.
  void Close();
  // For a call on Handle(): throws for an error; prints a warning to
  // standard error and goes on.
  void Check(ViStatus status, const char *function);

private:
  template <class Record, class FetchFunction>
  Record FetchInto(FetchFunction fetch, const char *function, int64_t recordNumber, int64_t numberOfSamples,
                   double timeoutSeconds);

  ViSession vi_ = 0;
};

} // namespace zuvexaiq
