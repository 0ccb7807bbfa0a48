#include "PanelRequests.h"

#include <limits>

#include "PanelAssets.h"
#include "RequestGuard.h"

namespace zuvexapanel {

namespace {

using Handler = PanelResponse (PanelRequests::*)(const nlohmann::json &body) const;

std::string HeaderOf(const PanelRequest &request, const char *name) {
  const auto found = request.headers.find(name);
  return found != request.headers.end() ? found->second : "";
}

const char *ContentType(std::string_view path) {
  if (path.ends_with(".css")) return "text/css; charset=utf-8";
  if (path.ends_with(".js")) return "text/javascript; charset=utf-8";
  return "text/html; charset=utf-8";
}

PanelResponse Page(const PanelRequest &request) {
  const std::string path = request.path == "/" ? "/index.html" : request.path;
  const PanelAsset *asset = FindAsset(path);
  if (asset == nullptr) return {404, "text/plain; charset=utf-8", "not found\n", ""};
  if (request.method != "GET") return {405, "text/plain; charset=utf-8", "only GET\n", ""};
  return {200, ContentType(path), std::string(asset->content), ""};
}

// A POST's body as one JSON object; the refusal otherwise (a form upload is none).
std::optional<PanelResponse> ReadBody(const PanelRequest &request, nlohmann::json &body) {
  if (request.bodyState == BodyState::kOverLimit || request.body.size() > kMaxBody)
    return JsonResponse(RefusalBody("the body is over " + std::to_string(kMaxBody / 1024) + " KiB"), 413);
  if (request.bodyState == BodyState::kUnreadable)
    return JsonResponse(RefusalBody("the body could not be read"), 400);
  if (request.bodyState == BodyState::kWhole) body = nlohmann::json::parse(request.body, nullptr, false);
  if (!body.is_object()) return JsonResponse(RefusalBody("the body must be a JSON object"), 400);
  return std::nullopt;
}

bool TextField(const nlohmann::json &body, const char *name, std::string &value) {
  if (!body.contains(name)) return true;
  if (!body[name].is_string() || body[name].get_ref<const std::string &>().size() > kMaxTextField)
    return false;
  value = body[name].get<std::string>();
  return true;
}

} // namespace

PanelResponse JsonResponse(const nlohmann::json &body, int status) {
  return {status, "application/json", body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
          ""};
}

nlohmann::json RefusalBody(const std::string &why) {
  return {{"error", {{"function", ""}, {"status", ""}, {"description", why}}}};
}

std::optional<PanelResponse> PanelRequests::Refuse(const PanelRequest &request) const {
  if (!request.path.starts_with("/api/")) return std::nullopt;
  const bool headerSent = request.headers.contains(kTokenHeader);
  const auto query = request.query.find("token");
  const std::string presented = headerSent                     ? HeaderOf(request, kTokenHeader)
                                : query != request.query.end() ? query->second
                                                               : "";
  switch (CheckRequest(token_, presented, HeaderOf(request, "Origin"), HeaderOf(request, "Host"))) {
  case Refusal::kNone:
    return std::nullopt;
  case Refusal::kForeignOrigin:
    return JsonResponse(RefusalBody("requests from another origin are refused"), 403);
  case Refusal::kNoToken:
    break;
  }
  return JsonResponse(RefusalBody("the panel's token is missing or wrong"), 403);
}

PanelResponse PanelRequests::Handle(const PanelRequest &request) const {
  if (!request.path.starts_with("/api/")) return Page(request);
  if (auto refusal = Refuse(request)) return *refusal;
  return Route(request);
}

PanelResponse PanelRequests::Route(const PanelRequest &request) const {
  struct RouteRow {
    const char *method, *path;
    Handler handler;
  };
  static const RouteRow kRoutes[] = {
      {"GET", "/api/settings-table", &PanelRequests::SettingsTable},
      {"GET", "/api/state", &PanelRequests::State},
      {"GET", "/api/devices", &PanelRequests::Devices},
      {"GET", "/api/frame", &PanelRequests::Frame},
      {"GET", "/api/attributes", &PanelRequests::Attributes},
      {"GET", "/api/record.csv", &PanelRequests::RecordCsv},
      {"POST", "/api/open", &PanelRequests::Open},
      {"POST", "/api/settings", &PanelRequests::Configure},
      {"POST", "/api/attribute", &PanelRequests::SetAttribute},
  };
  for (const RouteRow &route : kRoutes) {
    if (request.path != route.path) continue;
    if (request.method != route.method)
      return JsonResponse(RefusalBody(std::string("use ") + route.method + " for " + route.path), 405);
    nlohmann::json body;
    if (request.method == "POST")
      if (auto refusal = ReadBody(request, body)) return *refusal;
    return (this->*route.handler)(body);
  }
  return JsonResponse(RefusalBody("no such request: " + request.path), 404);
}

PanelResponse PanelRequests::SettingsTable(const nlohmann::json &) const {
  return JsonResponse(SettingsTableJson());
}

PanelResponse PanelRequests::State(const nlohmann::json &) const { return JsonResponse(backend_.State()); }

PanelResponse PanelRequests::Devices(const nlohmann::json &) const {
  return JsonResponse(backend_.Devices());
}

PanelResponse PanelRequests::Frame(const nlohmann::json &) const {
  return {200, "application/json", backend_.Frame(), ""};
}

PanelResponse PanelRequests::Attributes(const nlohmann::json &) const {
  return JsonResponse(backend_.Attributes());
}

PanelResponse PanelRequests::RecordCsv(const nlohmann::json &) const {
  std::string csv;
  nlohmann::json failure;
  if (!backend_.RecordCsv(csv, failure)) return JsonResponse(failure, 409);
  return {200, "text/csv", std::move(csv), "record.csv"};
}

PanelResponse PanelRequests::Open(const nlohmann::json &body) const {
  std::string resource, options;
  if (!TextField(body, "resource", resource) || !TextField(body, "options", options))
    return JsonResponse(RefusalBody("resource and options must be texts of at most " +
                                    std::to_string(kMaxTextField) + " characters"),
                        400);
  return JsonResponse(backend_.Open(resource, options));
}

PanelResponse PanelRequests::Configure(const nlohmann::json &body) const {
  SettingChanges changes;
  std::string member, why;
  if (!ReadSettingChanges(body, changes, member, why)) {
    nlohmann::json refusal = RefusalBody(why);
    refusal["setting"] = member; // the page shows why beside its field
    return JsonResponse(refusal, 400);
  }
  return JsonResponse(backend_.Configure(changes));
}

PanelResponse PanelRequests::SetAttribute(const nlohmann::json &body) const {
  const nlohmann::json id = body.value("id", nlohmann::json());
  if (!id.is_number_unsigned() || id.get<uint64_t>() > std::numeric_limits<ViAttr>::max() ||
      !body.contains("value"))
    return JsonResponse(RefusalBody("give the attribute's id and its value"), 400);
  return JsonResponse(backend_.SetAttribute(id.get<ViAttr>(), body["value"]));
}

} // namespace zuvexapanel
