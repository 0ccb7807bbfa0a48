#include "Session.h"

#include <algorithm>
#include <cstdio>

#include "Text.h"

namespace zuvexaclient {

ApiError::ApiError(std::string function, ViStatus status, std::string description)
    : std::runtime_error(function + ": " + HexStatus(status) + (description.empty() ? "" : " ") +
                         description),
      function_(std::move(function)), status_(status), description_(std::move(description)) {}

ApiError TakeFailure(ViSession vi, ViStatus status, const char *function) {
  return ApiError(function, status, TakeErrorText(vi));
}

void CheckCall(ViSession vi, ViStatus status, const char *function, Warnings warnings) {
  if (status == VI_SUCCESS) return;
  if (status < 0) throw TakeFailure(vi, status, function);
  if (warnings == Warnings::Clear) {
    zuVEXA_ClearError(vi);
    return;
  }
  const std::string text = TakeErrorText(vi);
  std::fprintf(stderr, "warning: %s returned %s%s%s\n", function, HexStatus(status).c_str(),
               text.empty() ? "" : ": ", text.c_str());
}

Session::Session(const std::string &resourceName, const std::string &optionString, Warnings warnings)
    : warnings_(warnings) {
  const ViStatus status =
      zuVEXA_InitWithOptions(resourceName.c_str(), VI_FALSE, VI_FALSE, optionString.c_str(), &vi_);
  if (status < 0) {
    vi_ = 0;
    throw TakeFailure(VI_NULL, status, "zuVEXA_InitWithOptions");
  }
  Check(status, "zuVEXA_InitWithOptions");
}

Session::~Session() {
  if (vi_ != 0) zuVEXA_close(vi_);
}

void Session::Close() {
  const ViSession vi = vi_;
  vi_ = 0;
  const ViStatus status = zuVEXA_close(vi);
  if (status < 0) throw TakeFailure(VI_NULL, status, "zuVEXA_close");
}

void Session::ConfigureIq(double carrierFrequency, double iqRate, int64_t numberOfSamples) {
  Check(zuVEXA_ConfigureIQCarrierFrequency(vi_, "", carrierFrequency), "zuVEXA_ConfigureIQCarrierFrequency");
  Check(zuVEXA_ConfigureIQRate(vi_, "", iqRate), "zuVEXA_ConfigureIQRate");
  Check(zuVEXA_ConfigureNumberOfSamples(vi_, "", VI_TRUE, numberOfSamples),
        "zuVEXA_ConfigureNumberOfSamples");
}

void Session::ConfigureRecords(int64_t numberOfRecords) {
  Check(zuVEXA_ConfigureNumberOfRecords(vi_, "", VI_TRUE, numberOfRecords),
        "zuVEXA_ConfigureNumberOfRecords");
}

void Session::Initiate() { Check(zuVEXA_Initiate(vi_), "zuVEXA_Initiate"); }

IqRecord Session::FetchRecord(int64_t numberOfSamples, double timeoutSeconds) {
  Initiate();
  return FetchF64(0, numberOfSamples, timeoutSeconds);
}

template <class Record, class FetchFunction>
Record Session::FetchInto(FetchFunction fetch, const char *function, int64_t recordNumber,
                          int64_t numberOfSamples, double timeoutSeconds) {
  Record record;
  record.interleaved.resize(2 * static_cast<std::size_t>(numberOfSamples));
  Check(
      fetch(vi_, "", recordNumber, numberOfSamples, timeoutSeconds, record.interleaved.data(), &record.info),
      function);
  // Keep the interleaved values of the samples the fetch reported.
  const int64_t fetched = std::clamp<int64_t>(record.info.actualSamples, 0, numberOfSamples);
  record.interleaved.resize(2 * static_cast<std::size_t>(fetched));
  return record;
}

IqRecord Session::FetchF64(int64_t recordNumber, int64_t numberOfSamples, double timeoutSeconds) {
  return FetchInto<IqRecord>(zuVEXA_FetchIQSingleRecordComplexF64, "zuVEXA_FetchIQSingleRecordComplexF64",
                             recordNumber, numberOfSamples, timeoutSeconds);
}

IqRecordI16 Session::FetchI16(int64_t recordNumber, int64_t numberOfSamples, double timeoutSeconds) {
  return FetchInto<IqRecordI16>(zuVEXA_FetchIQSingleRecordComplexI16, "zuVEXA_FetchIQSingleRecordComplexI16",
                                recordNumber, numberOfSamples, timeoutSeconds);
}

} // namespace zuvexaclient
