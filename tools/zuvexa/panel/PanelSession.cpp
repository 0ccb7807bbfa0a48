#include "PanelSession.h"

#include <cmath>
#include <cstdio>
#include <variant>

#include "Attributes.h"
#include "IqAnalysis.h"
#include "PanelFrame.h"
#include "Report.h"
#include "Text.h"

namespace zuvexapanel {

nlohmann::json DescribeDevice(const std::string &resource, const std::string &options); // PanelDevices.cpp

namespace {

constexpr double kFetchTimeoutSeconds = 5.0;

namespace client = zuvexaclient;

// The typed call that reads ("Get") or writes ("Set") a value of `type`: zuVEXA_GetAttributeViReal64.
std::string AttributeCall(const char *verb, client::ValueType type) {
  static const char *const kTypes[] = {"Int32", "Int64", "Real64", "Boolean", "String"};
  return std::string("zuVEXA_") + verb + "AttributeVi" + kTypes[static_cast<int>(type)];
}

nlohmann::json JsonOf(const client::AttributeValue &value) {
  return std::visit([](const auto &held) { return nlohmann::json(held); }, value);
}

// A value the page sent as one of `type`: text read by the type's rule, or
// a JSON number or flag read as its text is; nothing, with `why`, otherwise.
std::optional<client::AttributeValue> ValueOf(client::ValueType type, const nlohmann::json &value,
                                              std::string &why) {
  if (value.is_string()) return client::ParseValue(type, value.get<std::string>(), why);
  if (type != client::ValueType::String && (value.is_number() || value.is_boolean()))
    return client::ParseValue(type, value.dump(), why);
  why = std::string("not a ") + client::TypeName(type) + " value";
  return std::nullopt;
}

} // namespace

nlohmann::json CallFailure(ViSession vi, const char *function, ViStatus status) {
  std::string text = client::TakeErrorText(vi);
  if (text.empty()) text = client::DescribeStatus(vi, status);
  return {{"function", function},
          {"status", client::HexStatus(status)},
          {"description", zuvexaiq::WithoutElaborationPromise(text)}};
}

Acquisition::Acquisition(const SettingValues &values)
    : carrierFrequency(values["carrierFrequency"]), iqRate(values["iqRate"]),
      numberOfSamples(static_cast<int64_t>(values["numberOfSamples"])) {}

namespace {

// Initiates and fetches record 0 into `buffer`; null, or the failure naming the call that failed.
nlohmann::json AcquireRecord(ViSession vi, int64_t samples, std::vector<ViReal64> &buffer,
                             WaveformInfo &info) {
  if (const ViStatus status = zuVEXA_Initiate(vi); status < 0)
    return CallFailure(vi, "zuVEXA_Initiate", status);
  buffer.resize(2 * static_cast<std::size_t>(samples));
  const ViStatus status =
      zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, samples, kFetchTimeoutSeconds, buffer.data(), &info);
  return status < 0 ? CallFailure(vi, "zuVEXA_FetchIQSingleRecordComplexF64", status) : nlohmann::json();
}

// The samples of a fetched record that `buffer` holds.
std::size_t SamplesHeld(const std::vector<ViReal64> &buffer, const WaveformInfo &info) {
  return std::min<std::size_t>(buffer.size() / 2, std::max<ViInt64>(info.actualSamples, 0));
}

} // namespace

std::string FetchFrame(ViSession vi, const Acquisition &acquisition, std::vector<ViReal64> &buffer) {
  WaveformInfo info{};
  if (nlohmann::json failure = AcquireRecord(vi, acquisition.numberOfSamples, buffer, info);
      !failure.is_null())
    return nlohmann::json{{"error", failure}}.dump();
  const std::size_t samples = SamplesHeld(buffer, info);
  const auto head = zuvexaiq::ToComplex(std::span(buffer).first(2 * std::min(samples, kAnalysedSamples)));
  const double rate = info.xIncrement > 0 ? 1.0 / info.xIncrement : acquisition.iqRate;
  return MakeFrame(head, samples, rate, acquisition.carrierFrequency);
}

PanelSession::~PanelSession() {
  if (vi_ != 0) zuVEXA_close(vi_);
}

nlohmann::json PanelSession::NoSession() const { return RefusalBody("no session is open: pick a device"); }

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
  for (const SettingRow &row : SettingRows())
    if (nlohmann::json failure = ApplyLocked(row, settings_[row.name]); !failure.is_null())
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
                          {"settings", settings_.ToJson()}};
  if (!openError_.is_null()) state["error"] = openError_;
  return state;
}

nlohmann::json PanelSession::ApplyLocked(const SettingRow &row, double value) {
  const ViStatus status = row.apply(vi_, value);
  if (status < 0) return CallFailure(vi_, row.function, status);
  settings_.Set(row, value);
  return nullptr;
}

nlohmann::json PanelSession::Configure(const SettingChanges &changes) {
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return NoSession();
  nlohmann::json errors = nlohmann::json::object();
  for (const auto &[row, value] : changes)
    if (nlohmann::json failure = ApplyLocked(*row, value); !failure.is_null()) errors[row->name] = failure;
  return {{"errors", errors}, {"state", StateLocked()}};
}

std::string PanelSession::Frame() {
  std::lock_guard lock(mutex_);
  return vi_ == 0 ? NoSession().dump() : FetchFrame(vi_, Acquisition(settings_), buffer_);
}

nlohmann::json PanelSession::Attributes() {
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return NoSession();
  nlohmann::json rows = nlohmann::json::array();
  for (const client::Attribute *attribute : client::AttributesOfKnownType()) {
    const client::ValueType type = client::ValueTypeFor(*attribute);
    nlohmann::json row = {{"id", attribute->id}, {"name", attribute->name}, {"type", client::TypeName(type)}};
    client::AttributeValue value;
    if (const ViStatus status = client::ReadValue(vi_, "", attribute->id, type, value); status < 0)
      row["error"] = CallFailure(vi_, AttributeCall("Get", type).c_str(), status);
    else
      row["value"] = JsonOf(value);
    rows.push_back(std::move(row));
  }
  return rows;
}

nlohmann::json PanelSession::SetAttribute(ViAttr id, const nlohmann::json &value) {
  const client::Attribute *attribute = client::FindAttribute(id);
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return NoSession();
  if (attribute == nullptr || attribute->type == client::ValueType::Unknown)
    return RefusalBody("not an attribute of the table");
  const client::ValueType type = client::ValueTypeFor(*attribute);
  std::string why;
  const std::optional<client::AttributeValue> typed = ValueOf(type, value, why);
  if (!typed) return RefusalBody(why);
  if (const ViStatus status = client::WriteValue(vi_, "", id, *typed); status < 0)
    return {{"error", CallFailure(vi_, AttributeCall("Set", type).c_str(), status)}};
  client::AttributeValue now;
  if (const ViStatus status = client::ReadValue(vi_, "", id, type, now); status < 0)
    return {{"error", CallFailure(vi_, AttributeCall("Get", type).c_str(), status)}};
  return {{"id", id}, {"value", JsonOf(now)}};
}

bool PanelSession::RecordCsv(std::string &csv, nlohmann::json &failure) {
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return failure = NoSession(), false;
  WaveformInfo info{};
  if (nlohmann::json call = AcquireRecord(vi_, Acquisition(settings_).numberOfSamples, buffer_, info);
      !call.is_null())
    return failure = {{"error", call}}, false;
  csv = "index,i,q\n";
  char line[96];
  for (std::size_t n = 0, samples = SamplesHeld(buffer_, info); n < samples; ++n) {
    std::snprintf(line, sizeof line, "%zu,%.9g,%.9g\n", n, buffer_[2 * n], buffer_[2 * n + 1]);
    csv += line;
  }
  return true;
}

void PanelSession::Close(std::ostream &report) {
  std::lock_guard lock(mutex_);
  if (vi_ == 0) return;
  const ViStatus status = zuVEXA_close(vi_);
  report << "closed        session " << vi_
         << (status < 0 ? " (close failed: " + client::HexStatus(status) + ")" : "") << "\n";
  vi_ = 0;
}

} // namespace zuvexapanel
