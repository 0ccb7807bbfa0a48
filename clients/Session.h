// One analyzer session through the public C interface, closed on scope
// exit. A failed call becomes an ApiError with the library's status and
// text; a warning is printed or cleared, as the caller chooses.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "zuVEXA.h"

namespace zuvexaclient {

class ApiError : public std::runtime_error {
public:
  // what(): "function: 0xBFFA000F description" (no description: none shown).
  ApiError(std::string function, ViStatus status, std::string description);
  const std::string &Function() const { return function_; }
  ViStatus Status() const { return status_; }
  // The library's description with its elaboration; may be empty.
  const std::string &Description() const { return description_; }

private:
  std::string function_;
  ViStatus status_;
  std::string description_;
};

// The failure of a call on vi, with the error text recorded for it (read
// and cleared).
ApiError TakeFailure(ViSession vi, ViStatus status, const char *function);

enum class Warnings {
  Print, // "warning: <function> returned 0x...: <text>" on standard error
  Clear, // cleared without a word
};

// For a call on vi: throws TakeFailure for an error; a warning is handled
// as `warnings` says.
void CheckCall(ViSession vi, ViStatus status, const char *function, Warnings warnings);

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
  // Opens a resource name or logical name with an option string, e.g.
  // "Simulate=1,DriverSetup=Model:Q118"; throws ApiError when it fails.
  Session(const std::string &resourceName, const std::string &optionString,
          Warnings warnings = Warnings::Print);
  ~Session();
  Session(const Session &) = delete;
  Session &operator=(const Session &) = delete;

  ViSession Handle() const { return vi_; }
  // Closes now and reports a failure; the destructor then does nothing.
  void Close();
  // For a call on Handle(): throws for an error, handles a warning.
  void Check(ViStatus status, const char *function) const { CheckCall(vi_, status, function, warnings_); }

  void ConfigureIq(double carrierFrequency, double iqRate, int64_t numberOfSamples);
  void ConfigureRecords(int64_t numberOfRecords);
  void Initiate();
  // Initiates and fetches record 0.
  IqRecord FetchRecord(int64_t numberOfSamples, double timeoutSeconds);
  IqRecord FetchF64(int64_t recordNumber, int64_t numberOfSamples, double timeoutSeconds);
  IqRecordI16 FetchI16(int64_t recordNumber, int64_t numberOfSamples, double timeoutSeconds);

private:
  template <class Record, class FetchFunction>
  Record FetchInto(FetchFunction fetch, const char *function, int64_t recordNumber, int64_t numberOfSamples,
                   double timeoutSeconds);

  ViSession vi_ = 0;
  Warnings warnings_;
};

} // namespace zuvexaclient
