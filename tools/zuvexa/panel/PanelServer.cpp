// The HTTP side of the panel: the embedded page, the JSON requests over the
// shared session, the token and origin checks, and the shutdown on SIGINT or
// SIGTERM, which a thread of its own waits for.
#include <httplib.h>
#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <thread>

#include "Panel.h"
#include "PanelAssets.h"
#include "PanelListen.h"
#include "PanelSession.h"
#include "RequestGuard.h"

namespace zuvexapanel {

namespace {

constexpr std::size_t kMaxBody = 16 * 1024;
constexpr std::size_t kMaxTextField = 255;

const char *ContentType(const std::string &path) {
  if (path.ends_with(".css")) return "text/css; charset=utf-8";
  if (path.ends_with(".js")) return "text/javascript; charset=utf-8";
  return "text/html; charset=utf-8";
}

std::string JsonText(const nlohmann::json &body) {
  return body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void SendJson(httplib::Response &response, const nlohmann::json &body, int status = 200) {
  response.status = status;
  response.set_content(JsonText(body), "application/json");
}

nlohmann::json ErrorBody(const std::string &why) {
  return {{"error", {{"function", ""}, {"status", ""}, {"description", why}}}};
}

void Refuse(httplib::Response &response, int status, const std::string &why) {
  SendJson(response, ErrorBody(why), status);
}

// Refuses and closes the connection after the answer, for a request whose
// body is left unread: the next request would start inside it. A provider
// that stops after writing the whole answer is what makes the server close.
void RefuseAndClose(httplib::Response &response, int status, const std::string &why) {
  response.status = status;
  response.set_header("Connection", "close");
  std::string text = JsonText(ErrorBody(why));
  const std::size_t length = text.size();
  response.set_content_provider(
      length, "application/json",
      [text = std::move(text)](std::size_t offset, std::size_t, httplib::DataSink &sink) {
        sink.write(text.data() + offset, text.size() - offset);
        return false;
      });
}

// Reads the body, sent with a length or in chunks, up to kMaxBody: past it
// the reading stops and the answer is 413, on a connection that closes then,
// so that the rest is never read. A declared length over the library's limit
// (the same) is 413 too, and the library skips that body without keeping it.
bool ReadBoundedBody(const httplib::ContentReader &reader, httplib::Response &response, std::string &body) {
  const std::string tooLarge = "the body is over " + std::to_string(kMaxBody / 1024) + " KiB";
  const bool whole = reader([&](const char *data, std::size_t length) {
    body.append(data, std::min(length, kMaxBody + 1 - body.size())); // one byte over tells it is over
    return body.size() <= kMaxBody;
  });
  if (whole) return true;
  if (body.size() > kMaxBody)
    RefuseAndClose(response, 413, tooLarge);
  else if (response.status == 413)
    Refuse(response, 413, tooLarge);
  else
    RefuseAndClose(response, 400, "the body could not be read");
  return false;
}

using JsonHandler = std::function<void(const nlohmann::json &body, httplib::Response &response)>;

// A POST route whose body is one JSON object of at most kMaxBody bytes.
void PostJson(httplib::Server &server, const char *path, JsonHandler handler) {
  server.Post(path, [handler](const httplib::Request &request, httplib::Response &response,
                              const httplib::ContentReader &reader) {
    std::string text;
    if (request.is_multipart_form_data())
      return RefuseAndClose(response, 400, "the body must be a JSON object");
    if (!ReadBoundedBody(reader, response, text)) return;
    const nlohmann::json body = nlohmann::json::parse(text, nullptr, false);
    if (!body.is_object()) return Refuse(response, 400, "the body must be a JSON object");
    handler(body, response);
  });
}

bool TextField(const nlohmann::json &body, const char *name, std::string &value) {
  if (!body.contains(name)) return true;
  if (!body[name].is_string() || body[name].get<std::string>().size() > kMaxTextField) return false;
  value = body[name].get<std::string>();
  return true;
}

httplib::Server::HandlerResponse Guard(const std::string &token, const httplib::Request &request,
                                       httplib::Response &response) {
  response.set_header("Cache-Control", "no-store");
  response.set_header("Content-Security-Policy", "default-src 'self'; frame-ancestors 'none'");
  if (!request.path.starts_with("/api/")) return httplib::Server::HandlerResponse::Unhandled;
  const std::string presented = request.has_header(kTokenHeader) ? request.get_header_value(kTokenHeader)
                                                                 : request.get_param_value("token");
  switch (
      CheckRequest(token, presented, request.get_header_value("Origin"), request.get_header_value("Host"))) {
  case Refusal::kNone:
    return httplib::Server::HandlerResponse::Unhandled;
  case Refusal::kForeignOrigin:
    Refuse(response, 403, "requests from another origin are refused");
    break;
  case Refusal::kNoToken:
    Refuse(response, 403, "the panel's token is missing or wrong");
    break;
  }
  return httplib::Server::HandlerResponse::Handled;
}

void AddPageRoutes(httplib::Server &server) {
  server.Get(R"(/(index\.html|panel\.css|panel\.js)?)",
             [](const httplib::Request &request, httplib::Response &response) {
               const std::string path = request.path == "/" ? "/index.html" : request.path;
               const PanelAsset *asset = FindAsset(path);
               response.set_content(std::string(asset->content), ContentType(path));
             });
}

void AddReadRoutes(httplib::Server &server, PanelSession &session) {
  server.Get("/api/devices", [](const httplib::Request &, httplib::Response &response) {
    SendJson(response, ListDevices());
  });
  server.Get("/api/state", [&](const httplib::Request &, httplib::Response &response) {
    SendJson(response, session.State());
  });
  server.Get("/api/frame", [&](const httplib::Request &, httplib::Response &response) {
    response.set_content(session.Frame(), "application/json");
  });
  server.Get("/api/attributes", [&](const httplib::Request &, httplib::Response &response) {
    SendJson(response, session.Attributes());
  });
  server.Get("/api/record.csv", [&](const httplib::Request &, httplib::Response &response) {
    std::string csv;
    nlohmann::json failure;
    if (!session.RecordCsv(csv, failure)) return SendJson(response, failure, 409);
    response.set_header("Content-Disposition", "attachment; filename=\"record.csv\"");
    response.set_content(csv, "text/csv");
  });
}

void AddChangeRoutes(httplib::Server &server, PanelSession &session) {
  PostJson(server, "/api/open", [&](const nlohmann::json &body, httplib::Response &response) {
    std::string resource, options;
    if (!TextField(body, "resource", resource) || !TextField(body, "options", options))
      return Refuse(response, 400, "resource and options must be texts of at most 255 characters");
    SendJson(response, session.Open(resource, options));
  });
  PostJson(server, "/api/settings", [&](const nlohmann::json &body, httplib::Response &response) {
    nlohmann::json answer;
    std::string why;
    if (!session.Configure(body, answer, why)) return Refuse(response, 400, why);
    SendJson(response, answer);
  });
  PostJson(server, "/api/attribute", [&](const nlohmann::json &body, httplib::Response &response) {
    if (!body.contains("id") || !body["id"].is_number_unsigned() || !body.contains("value"))
      return Refuse(response, 400, "give the attribute's id and its value");
    SendJson(response, session.SetAttribute(body["id"].get<ViAttr>(), body["value"]));
  });
}

// Waits for SIGINT or SIGTERM (blocked in every thread) and stops the server.
void WaitForStop(httplib::Server &server, const std::atomic<bool> &done, sigset_t signals) {
  const timespec interval{0, 200'000'000};
  while (!done) {
    const int signal = sigtimedwait(&signals, nullptr, &interval);
    if (signal == SIGINT || signal == SIGTERM) {
      std::cout << "stopping      on " << (signal == SIGINT ? "SIGINT" : "SIGTERM") << "\n" << std::flush;
      // The server ignores a stop before it runs: a signal that came that
      // early stops it once it does.
      while (!done && !server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      server.stop();
      return;
    }
  }
}

int Bind(httplib::Server &server, const PanelOptions &options) {
  if (options.port == 0) return server.bind_to_any_port(options.listen);
  return server.bind_to_port(options.listen, options.port) ? options.port : -1;
}

std::string UrlHost(const std::string &address) {
  return address.find(':') != std::string::npos ? "[" + address + "]" : address;
}

} // namespace

std::string OpenOptions(const PanelOptions &options) {
  return options.options.value_or(options.resource.empty() ? "Simulate=1" : "");
}

int RunPanel(const PanelOptions &options) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr); // the server's threads inherit the mask

  PanelSession session;
  const nlohmann::json state = session.Open(options.resource, OpenOptions(options));
  std::cout << "session       " << state["session"] << " on \"" << options.resource << "\" ("
            << state["options"].get<std::string>() << ")\n";
  if (state.contains("error"))
    std::cout << "open failed   " << state["error"]["description"].get<std::string>() << "\n";

  const std::string token = MakeToken();
  httplib::Server server;
  server.set_payload_max_length(kMaxBody);
  server.set_socket_options(SetListenOptions);
  server.set_pre_routing_handler([&](const httplib::Request &request, httplib::Response &response) {
    return Guard(token, request, response);
  });
  AddPageRoutes(server);
  AddReadRoutes(server, session);
  AddChangeRoutes(server, session);

  const int port = Bind(server, options);
  if (port <= 0) {
    const std::string reason = ListenFailure(options.listen, options.port);
    std::cerr << "zuvexa panel: cannot listen on " << UrlHost(options.listen) << ":" << options.port
              << (reason.empty() ? "" : ": " + reason) << "\n";
    return 1;
  }
  if (!IsLoopback(options.listen))
    std::cout
        << "warning       listening on " << options.listen
        << ": other machines can reach the panel; only the token keeps them from driving the analyzer\n";
  std::cout << "open          http://" << UrlHost(options.listen) << ":" << port << "/?token=" << token
            << "\n"
            << std::flush;

  std::atomic<bool> done = false;
  std::thread stopper(WaitForStop, std::ref(server), std::cref(done), signals);
  server.listen_after_bind();
  done = true;
  stopper.join();
  session.Close(std::cout);
  return 0;
}

} // namespace zuvexapanel
