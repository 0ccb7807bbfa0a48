// The front panel's request handling (PanelRequests) over a session that is
// not open. Input: a request as text, "METHOD /path?name=value&...\n", then
// header lines "Name: value\n" up to an empty line, then the body. The token
// is kToken. Checked: the answer's status is one of the panel's and its JSON
// parses, with a description for a refusal; nothing refused by token or
// origin reaches the session; the settings a request applies are those of
// the table, within their limits; texts for an open are within their limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "PanelRequests.h"

namespace {

constexpr const char *kToken = "00112233445566778899aabbccddeeff";

// Answers as the panel's session does before a device is open, checking what it is handed.
class NotOpen : public zuvexapanel::PanelBackend {
public:
  bool reached = false;

  nlohmann::json State() override { return Refusal(); }
  nlohmann::json Open(const std::string &resource, const std::string &options) override {
    FUZZ_CHECK(resource.size() <= zuvexapanel::kMaxTextField && options.size() <= zuvexapanel::kMaxTextField);
    return Refusal();
  }
  nlohmann::json Configure(const zuvexapanel::SettingChanges &changes) override {
    for (const auto &[row, value] : changes) {
      FUZZ_CHECK(row != nullptr && zuvexapanel::FindSetting(row->name) == row);
      FUZZ_CHECK(value >= row->min && value <= row->max);
      FUZZ_CHECK(!row->integer || value == static_cast<double>(static_cast<int64_t>(value)));
    }
    return Refusal();
  }
  std::string Frame() override { return Refusal().dump(); }
  nlohmann::json Attributes() override { return Refusal(); }
  nlohmann::json SetAttribute(ViAttr, const nlohmann::json &) override { return Refusal(); }
  bool RecordCsv(std::string &, nlohmann::json &failure) override { return failure = Refusal(), false; }
  nlohmann::json Devices() override { return Refusal(); }

private:
  nlohmann::json Refusal() {
    return reached = true, zuvexapanel::RefusalBody("no session is open: pick a device");
  }
};

// The text before the first `separator` (all of it when there is none); drops both from `text`.
std::string_view Take(std::string_view &text, std::string_view separator) {
  const std::size_t end = text.find(separator);
  const std::string_view taken = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + separator.size());
  return taken;
}

zuvexapanel::PanelRequest Parse(std::string_view text) {
  zuvexapanel::PanelRequest request;
  std::string_view target = Take(text, "\n");
  request.method = Take(target, " ");
  request.path = Take(target, "?");
  while (!target.empty()) {
    std::string_view value = Take(target, "&");
    const std::string_view name = Take(value, "=");
    request.query.emplace(name, value);
  }
  for (std::string_view value = Take(text, "\n"); !value.empty(); value = Take(text, "\n")) {
    const std::string_view name = Take(value, ": ");
    request.headers[std::string(name)] = value;
  }
  request.body = text;
  return request;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
  const zuvexapanel::PanelRequest request = Parse({reinterpret_cast<const char *>(data), size});
  NotOpen session;
  const zuvexapanel::PanelRequests requests(kToken, session);
  const bool refused = requests.Refuse(request).has_value();
  FUZZ_CHECK(!session.reached);
  const zuvexapanel::PanelResponse response = requests.Handle(request);
  FUZZ_CHECK(fuzzsupport::OneOf(response.status, {200, 400, 403, 404, 405, 409, 413}));
  FUZZ_CHECK(!response.contentType.empty());
  if (refused) FUZZ_CHECK(response.status == 403 && !session.reached);
  if (response.contentType != "application/json") return 0;
  const nlohmann::json body = nlohmann::json::parse(response.body, nullptr, false);
  FUZZ_CHECK(!body.is_discarded());
  if (response.status != 200) {
    const nlohmann::json *error = body.is_object() && body.contains("error") ? &body["error"] : nullptr;
    FUZZ_CHECK(error != nullptr && error->is_object() && error->contains("description") &&
               (*error)["description"].is_string());
  }
  return 0;
}
