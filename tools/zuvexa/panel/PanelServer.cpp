// The HTTP side of the panel: the embedded page, the JSON requests over the
// shared session, the token and origin checks, and the shutdown on SIGINT or
// SIGTERM, which a thread of its own waits for.
#include <httplib.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <thread>

#include "Panel.h"
#include "PanelAssets.h"
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

void SendJson(httplib::Response &response, const nlohmann::json &body, int status = 200) {
  response.status = status;
  response.set_content(body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
                       "application/json");
}

void Refuse(httplib::Response &response, int status, const std::string &why) {
  SendJson(response, {{"error", {{"function", ""}, {"status", ""}, {"description", why}}}}, status);
}

// The request body as a JSON object; false (and a 400 answer) otherwise.
bool ReadBody(const httplib::Request &request, httplib::Response &response, nlohmann::json &body) {
  body = nlohmann::json::parse(request.body, nullptr, false);
  if (body.is_object()) return true;
  Refuse(response, 400, "the body must be a JSON object");
  return false;
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
  server.Post("/api/open", [&](const httplib::Request &request, httplib::Response &response) {
    nlohmann::json body;
    std::string resource, options;
    if (!ReadBody(request, response, body)) return;
    if (!TextField(body, "resource", resource) || !TextField(body, "options", options))
      return Refuse(response, 400, "resource and options must be texts of at most 255 characters");
    SendJson(response, session.Open(resource, options));
  });
  server.Post("/api/settings", [&](const httplib::Request &request, httplib::Response &response) {
    nlohmann::json body, answer;
    std::string why;
    if (!ReadBody(request, response, body)) return;
    if (!session.Configure(body, answer, why)) return Refuse(response, 400, why);
    SendJson(response, answer);
  });
  server.Post("/api/attribute", [&](const httplib::Request &request, httplib::Response &response) {
    nlohmann::json body;
    if (!ReadBody(request, response, body)) return;
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

int RunPanel(const PanelOptions &options) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr); // the server's threads inherit the mask

  PanelSession session;
  const nlohmann::json state = session.Open(options.resource, options.options);
  std::cout << "session       " << state["session"] << " on \"" << options.resource << "\" ("
            << options.options << ")\n";
  if (state.contains("error"))
    std::cout << "open failed   " << state["error"]["description"].get<std::string>() << "\n";

  const std::string token = MakeToken();
  httplib::Server server;
  server.set_payload_max_length(kMaxBody);
  server.set_pre_routing_handler([&](const httplib::Request &request, httplib::Response &response) {
    return Guard(token, request, response);
  });
  AddPageRoutes(server);
  AddReadRoutes(server, session);
  AddChangeRoutes(server, session);

  const int port = Bind(server, options);
  if (port <= 0) {
    std::cerr << "zuvexa panel: cannot listen on " << options.listen << " port " << options.port << "\n";
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
