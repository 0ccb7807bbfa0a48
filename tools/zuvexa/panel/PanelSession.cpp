#include "PanelSession.h"

#include <cmath>
#include <cstdio>

#include "IqAnalysis.h"
#include "PanelAttributes.h"
#include "PanelFrame.h"
#include "Report.h"
#include "Session.h"

namespace zuvexapanel {

nlohmann::json DescribeDevice(const std::string &resource, const std::string &options); // PanelDevices.cpp

namespace {

constexpr double kFetchTimeoutSeconds = 5.0;

std::string Hex(ViStatus status) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(status));
  return text;
}

const char *TypeName(ValueType type) {
  static const char *const kNames[] = {"int32", "int64", "real64", "boolean", "string"};
  return kNames[static_cast<int>(type)];
}

} // namespace

nlohmann::json CallFailure(ViSession vi, const char *function, ViStatus status) {
  std::string text = zuvexaiq::TakeErrorText(vi);
  if (text.empty()) text = zuvexaiq::DescribeStatus(vi, status);
  return {{"function", function},
          {"status", Hex(status)},
          {"description", zuvexaiq::WithoutElaborationPromise(text)}};
}

std::string FetchFrame(ViSession vi, const Acquisition &acquisition, std::vector<ViReal64> &buffer) {
  ViStatus status = zuVEXA_Initiate(vi);
  if (status < 0) return nlohmann::json{{"error", CallFailure(vi, "zuVEXA_Initiate", status)}}.dump();
  buffer.resize(2 * static_cast<std::size_t>(acquisition.numberOfSamples));
  WaveformInfo info{};
  status = zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, acquisition.numberOfSamples, kFetchTimeoutSeconds,
                                                buffer.data(), &info);
  if (status < 0)
    return nlohmann::json{{"error", CallFailure(vi, "zuVEXA_FetchIQSingleRecordComplexF64", status)}}.dump();
  const std::size_t samples =
      std::min<std::size_t>(buffer.size() / 2, std::max<ViInt64>(info.actualSamples, 0));
  const auto head = zuvexaiq::ToComplex(std::span(buffer).first(2 * std::min(samples, kAnalysedSamples)));
  const double rate = info.xIncrement > 0 ? 1.0 / info.xIncrement : acquisition.iqRate;
  return MakeFrame(head, samples, rate, acquisition.carrierFrequency);
}

PanelSession::~PanelSession() {
  if (vi_ != 0) zuVEXA_close(vi_);
}

nlohmann::json PanelSession::NoSession() const {
  return {
      {"error", {{"function", ""}, {"status", ""}, {"description", "no session is open: pick a device"}}}};
}

nlohmann::json PanelSession::Open(const std::string &resource, const std::string &options) {
  std::lock_guard lock(mutex_);
  if (vi_ != 0) zuVEXA_close(std::exchange(vi_, 0));
  resource_ = resource, options_ = options;
  device_ = DescribeDevice(resource, options);
  openError_ = nullptr;
  ViSession vi = 0;
  const ViStatus status = zuVEXA_InitWithOptions(resource.c_str(), VI_FALSE, VI_FALSE, options.c_str(), &vi);
  if (status < 0) {
    openError_ = CallFailure(VI_NULL, "zuVEXA_InitWithOptions", status);
    return StateLocked();
  }
  vi_ = vi;
  for (const char *member : {"carrierFrequency", "iqRate", "referenceLevel", "numberOfSamples"})
    if (nlohmann::json failure = ApplyLocked(member, StateLocked()["settings"][member]); !failure.is_null())
      openError_ = failure;
  return StateLocked();
}

nlohmann::json PanelSession::State() {
  std::lock_guard lock(mutex_);
  return StateLocked();
}

nlohmann::json PanelSession::StateLocked() const {
  nlohmann::json state = {{"resource", resource_},
                          {"options", options_},
                          {"session", vi_},
                          {"device", device_},
                          {"settings",
                           {{"carrierFrequency", acquisition_.carrierFrequency},
                            {"iqRate", acquisition_.iqRate},
                            {"referenceLevel", acquisition_.referenceLevel},
                            {"numberOfSamples", acquisition_.numberOfSamples}}}};
  if (!openError_.is_null()) state["error"] = openError_;
  return state;
}

// Null when the library took the value, else its failure.
nlohmann::json PanelSession::ApplyLocked(const std::string &member, const nlohmann::json &value) {
  ViStatus status = VI_SUCCESS;
  const char *function = "";
  if (member == "numberOfSamples") {
    function = "zuVEXA_ConfigureNumberOfSamples";
    status = zuVEXA_ConfigureNumberOfSamples(vi_, "", VI_TRUE, value.get<int64_t>());
    if (status >= 0) acquisition_.numberOfSamples = value.get<int64_t>();
  } else {
    const double number = value.get<double>();
    if (member == "carrierFrequency") {
      function = "zuVEXA_ConfigureIQCarrierFrequency";
      if ((status = zuVEXA_ConfigureIQCarrierFrequency(vi_, "", number)) >= 0)
        acquisition_.carrierFrequency = number;
    } else if (member == "iqRate") {
      function = "zuVEXA_ConfigureIQRate";
      if ((status = zuVEXA_ConfigureIQRate(vi_, "", number)) >= 0) acquisition_.iqRate = number;
    } else {
      function = "zuVEXA_ConfigureReferenceLevel";
      if ((status = zuVEXA_ConfigureReferenceLevel(vi_, "", number)) >= 0)
        acquisition_.referenceLevel = number;
    }
  }
  return status < 0 ? CallFailure(vi_, function, status) : nlohmann::json();
}

bool PanelSession::Configure(const nlohmann::json &changes, nlohmann::json &answer, std::string &why) {
  static const char *const kMembers[] = {"carrierFrequency", "iqRate", "referenceLevel", "numberOfSamples"};
  for (const auto &[member, value] : changes.items()) {
    const bool known = std::find(std::begin(kMembers), std::end(kMembers), member) != std::end(kMembers);
    const bool count = member == "numberOfSamples";
    if (!known)
      why = "unknown setting \"" + member + "\"";
    else if (count &&
             !(value.is_number_integer() && value.get<int64_t>() >= 1 && value.get<int64_t>() <= kMaxSamples))
      why = "numberOfSamples must be a whole number from 1 to " + std::to_string(kMaxSamples);
    else if (!value.is_number() || !std::isfinite(value.get<double>()))
      why = member + " must be a finite number";
    if (!why.empty()) return false;
  }
  std::lock_guard lock(mutex_);
  if (vi_ == 0) {
    answer = NoSession();
    return true;
  }
  nlohmann::json errors = nlohmann::json::object();
  for (const auto &[member, value] : changes.items())
    if (nlohmann::json failure = ApplyLocked(member, value); !failure.is_null()) errors[member] = failure;
  answer = {{"errors", errors}, {"state", StateLocked()}};
  return true;
}

std::string PanelSession::Frame() {
  std::lock_guard lock(mutex_);
  return vi_ == 0 ? NoSession().dump() : FetchFrame(vi_, acquisition_, buffer_);
}

nlohmann::json PanelSession::Attributes() {
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return NoSession();
  nlohmann::json rows = nlohmann::json::array();
  for (const AttributeInfo &attribute : PanelAttributes()) {
    nlohmann::json row = {{"id", attribute.id}, {"name", attribute.name}, {"type", TypeName(attribute.type)}};
    nlohmann::json value;
    if (const ViStatus status = ReadAttribute(vi_, attribute, value); status < 0)
      row["error"] = CallFailure(vi_, "zuVEXA_GetAttribute", status);
    else
      row["value"] = value;
    rows.push_back(std::move(row));
  }
  return rows;
}

nlohmann::json PanelSession::SetAttribute(ViAttr id, const nlohmann::json &value) {
  const AttributeInfo *attribute = FindAttribute(id);
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return NoSession();
  if (attribute == nullptr)
    return {{"error", {{"function", ""}, {"status", ""}, {"description", "not an attribute of the table"}}}};
  if (const ViStatus status = WriteAttribute(vi_, *attribute, value); status < 0)
    return {{"error", CallFailure(vi_, "zuVEXA_SetAttribute", status)}};
  nlohmann::json now;
  ReadAttribute(vi_, *attribute, now);
  return {{"id", id}, {"value", now}};
}

bool PanelSession::RecordCsv(std::string &csv, nlohmann::json &failure) {
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return failure = NoSession(), false;
  ViStatus status = zuVEXA_Initiate(vi_);
  WaveformInfo info{};
  buffer_.resize(2 * static_cast<std::size_t>(acquisition_.numberOfSamples));
  if (status >= 0)
    status = zuVEXA_FetchIQSingleRecordComplexF64(vi_, "", 0, acquisition_.numberOfSamples,
                                                  kFetchTimeoutSeconds, buffer_.data(), &info);
  if (status < 0)
    return failure = {{"error", CallFailure(vi_, "zuVEXA_FetchIQSingleRecordComplexF64", status)}}, false;
  csv = "index,i,q\n";
  char line[96];
  for (ViInt64 n = 0; n < info.actualSamples && 2 * std::size_t(n) + 1 < buffer_.size(); ++n) {
    std::snprintf(line, sizeof line, "%lld,%.9g,%.9g\n", static_cast<long long>(n), buffer_[2 * n],
                  buffer_[2 * n + 1]);
    csv += line;
  }
  return true;
}

void PanelSession::Close(std::ostream &report) {
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return;
  const ViStatus status = zuVEXA_close(vi_);
  report << "closed        session " << vi_ << (status < 0 ? " (close failed: " + Hex(status) + ")" : "")
         << "\n";
  vi_ = 0;
}

} // namespace zuvexapanel
