// The panel's requests without the HTTP server: who may send them (token,
// origin), what a body may be (at most kMaxBody bytes of one JSON object),
// which request does what, and the answer's status, type and text. The
// server (PanelServer.cpp) only carries requests in and answers out.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "PanelSettings.h"

namespace zuvexapanel {

inline constexpr std::size_t kMaxBody = 16 * 1024;
inline constexpr std::size_t kMaxTextField = 255;

// How much of the body the server read.
enum class BodyState {
  kWhole,      // all of it, in `body`
  kOverLimit,  // more than kMaxBody bytes: the rest is left unread
  kMultipart,  // a form upload, never read
  kUnreadable, // the connection failed while reading
};

struct PanelRequest {
  std::string method, path;
  std::map<std::string, std::string> query;   // the first value of each parameter
  std::map<std::string, std::string> headers; // X-Panel-Token, Origin and Host, when sent
  std::string body;
  BodyState bodyState = BodyState::kWhole;
};

struct PanelResponse {
  int status = 200;
  std::string contentType, body;
  std::string attachment; // the file name of a download, "" for none
};

// What the requests do to the instrument (PanelSession).
class PanelBackend {
public:
  virtual ~PanelBackend() = default;
  virtual nlohmann::json State() = 0;
  virtual nlohmann::json Open(const std::string &resource, const std::string &options) = 0;
  // Values already read and checked by their rows.
  virtual nlohmann::json Configure(const SettingChanges &changes) = 0;
  virtual std::string Frame() = 0; // JSON text
  virtual nlohmann::json Attributes() = 0;
  virtual nlohmann::json SetAttribute(ViAttr id, const nlohmann::json &value) = 0;
  // false with the answer in `failure` when a call fails.
  virtual bool RecordCsv(std::string &csv, nlohmann::json &failure) = 0;
  virtual nlohmann::json Devices() = 0;
};

// {"error": {"function": "", "status": "", "description": why}}: a refusal of the panel's own.
nlohmann::json RefusalBody(const std::string &why);
// `body` as JSON text (bytes that are no UTF-8 replaced).
PanelResponse JsonResponse(const nlohmann::json &body, int status = 200);

class PanelRequests {
public:
  PanelRequests(std::string token, PanelBackend &backend) : token_(std::move(token)), backend_(backend) {}

  // The answer to a request under /api/ that its token or origin refuses,
  // before any of its body is read; nothing for any other request.
  std::optional<PanelResponse> Refuse(const PanelRequest &request) const;
  PanelResponse Handle(const PanelRequest &request) const;
  const std::string &Token() const { return token_; }

private:
  PanelResponse Route(const PanelRequest &request) const;
  // One request each; `body` is the parsed JSON object of a POST, null for a GET.
  PanelResponse SettingsTable(const nlohmann::json &body) const;
  PanelResponse State(const nlohmann::json &body) const;
  PanelResponse Devices(const nlohmann::json &body) const;
  PanelResponse Frame(const nlohmann::json &body) const;
  PanelResponse Attributes(const nlohmann::json &body) const;
  PanelResponse RecordCsv(const nlohmann::json &body) const;
  PanelResponse Open(const nlohmann::json &body) const;
  PanelResponse Configure(const nlohmann::json &body) const;
  PanelResponse SetAttribute(const nlohmann::json &body) const;

  std::string token_;
  PanelBackend &backend_;
};

} // namespace zuvexapanel
