#include "Session.h"

#include <algorithm>
#include <cstdio>

namespace zuvexaiq {

namespace {

std::string Hex(ViStatus status) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(status));
  return text;
}

} // namespace

ApiError::ApiError(std::string function, ViStatus status, std::string description)
    : std::runtime_error(function + " failed with status " + Hex(status)), function_(std::move(function)),
      status_(status), description_(std::move(description)) {}

std::string DescribeStatus(ViSession vi, ViStatus status) {
  const ViStatus needed = zuVEXA_GetErrorMessage(vi, status, 0, nullptr);
  if (needed <= 1) return "";
  std::string text(static_cast<std::size_t>(needed), '\0');
  if (zuVEXA_GetErrorMessage(vi, status, needed, text.data()) < 0) return "";
  return text.substr(0, text.find('\0'));
}

std::string TakeErrorText(ViSession vi, ViStatus *code) {
  ViStatus recorded = 0;
  const ViStatus needed = zuVEXA_GetError(vi, &recorded, 0, nullptr);
  if (code != nullptr) *code = recorded;
  if (needed <= 1) return "";
  std::string text(static_cast<std::size_t>(needed), '\0');
  if (zuVEXA_GetError(vi, &recorded, needed, text.data()) < 0) return "";
  text.resize(text.find('\0'));
  return text;
}

Session::Session(const std::string &resourceName, const std::string &optionString) {
  const ViStatus status =
      zuVEXA_InitWithOptions(resourceName.c_str(), VI_FALSE, VI_FALSE, optionString.c_str(), &vi_);
  if (status < 0) {
    vi_ = 0;
    throw ApiError("zuVEXA_InitWithOptions", status, TakeErrorText(VI_NULL));
  }
  Check(status, "zuVEXA_InitWithOptions");
}

Session::~Session() {
  if (vi_ != 0) zuVEXA_close(vi_);
}

void Session::Check(ViStatus status, const char *function) {
  if (status == VI_SUCCESS) return;
  const std::string text = TakeErrorText(vi_);
  if (status < 0) throw ApiError(function, status, text);
  std::fprintf(stderr, "warning: %s returned %s%s%s\n", function, Hex(status).c_str(),
               text.empty() ? "" : ": ", text.c_str());
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

IqRecord Session::FetchRecord(int64_t numberOfSamples, double timeoutSeconds) {
  Initiate();
  return FetchF64(0, numberOfSamples, timeoutSeconds);
}

void Session::Initiate() { Check(zuVEXA_Initiate(vi_), "zuVEXA_Initiate"); }

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

void Session::Close() {
  const ViSession vi = vi_;
  vi_ = 0;
  const ViStatus status = zuVEXA_close(vi);
  if (status < 0) throw ApiError("zuVEXA_close", status, TakeErrorText(VI_NULL));
}

} // namespace zuvexaiq
