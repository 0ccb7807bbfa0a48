// The HTTP side of the panel: carries requests to PanelRequests and its
// answers back, reads bodies no further than their limit, and stops on
// SIGINT or SIGTERM, which a thread of its own waits for.
#include <httplib.h>
#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <thread>

#include "Panel.h"
#include "PanelListen.h"
#include "PanelRequests.h"
#include "PanelSession.h"
#include "RequestGuard.h"

namespace zuvexapanel {

namespace {

PanelRequest RequestOf(const httplib::Request &request) {
  PanelRequest panel;
  panel.method = request.method == "HEAD" ? "GET" : request.method; // the server drops a HEAD's body
  panel.path = request.path;
  for (const auto &[name, value] : request.params) panel.query.emplace(name, value); // the first one stays
  for (const char *name : {kTokenHeader, "Origin", "Host"})
    if (request.has_header(name)) panel.headers[name] = request.get_header_value(name);
  return panel;
}

// `closeAfter`: the request's body is left unread, so the next request
// would start inside it: the connection closes after the answer, which a
// provider that stops after writing the whole answer makes the server do.
void Send(httplib::Response &response, PanelResponse answer, bool closeAfter = false) {
  response.status = answer.status;
  if (!answer.attachment.empty())
    response.set_header("Content-Disposition", "attachment; filename=\"" + answer.attachment + "\"");
  if (!closeAfter) return response.set_content(std::move(answer.body), answer.contentType);
  response.set_header("Connection", "close");
  const std::size_t length = answer.body.size();
  response.set_content_provider(
      length, answer.contentType,
      [text = std::move(answer.body)](std::size_t offset, std::size_t, httplib::DataSink &sink) {
        sink.write(text.data() + offset, text.size() - offset);
        return false;
      });
}

// Reads the body, sent with a length or in chunks, up to kMaxBody: past it
// the reading stops, and the rest stays unread (`unread`). A declared length
// over the library's limit (the same) is over it too, and the library skips
// that body without keeping it. A form upload is never read.
void ReadBoundedBody(const httplib::Request &request, const httplib::ContentReader &reader,
                     const httplib::Response &response, PanelRequest &panel, bool &unread) {
  unread = true;
  if (request.is_multipart_form_data()) return void(panel.bodyState = BodyState::kMultipart);
  std::string &body = panel.body;
  const bool whole = reader([&](const char *data, std::size_t length) {
    body.append(data, std::min(length, kMaxBody + 1 - body.size())); // one byte over tells it is over
    return body.size() <= kMaxBody;
  });
  unread = !whole && (body.size() > kMaxBody || response.status != 413);
  if (!whole)
    panel.bodyState = body.size() > kMaxBody || !unread ? BodyState::kOverLimit : BodyState::kUnreadable;
}

void AddRoutes(httplib::Server &server, const PanelRequests &requests) {
  server.set_pre_routing_handler([&](const httplib::Request &request, httplib::Response &response) {
    response.set_header("Cache-Control", "no-store");
    response.set_header("Content-Security-Policy", "default-src 'self'; frame-ancestors 'none'");
    const std::optional<PanelResponse> refusal = requests.Refuse(RequestOf(request));
    if (!refusal) return httplib::Server::HandlerResponse::Unhandled;
    Send(response, *refusal);
    return httplib::Server::HandlerResponse::Handled;
  });
  server.Get(".*", [&](const httplib::Request &request, httplib::Response &response) {
    Send(response, requests.Handle(RequestOf(request)));
  });
  server.Post(".*", [&](const httplib::Request &request, httplib::Response &response,
                        const httplib::ContentReader &reader) {
    PanelRequest panel = RequestOf(request);
    bool unread = false;
    ReadBoundedBody(request, reader, response, panel, unread);
    Send(response, requests.Handle(panel), unread);
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

  const PanelRequests requests(MakeToken(), session);
  httplib::Server server;
  server.set_payload_max_length(kMaxBody);
  server.set_socket_options(SetListenOptions);
  AddRoutes(server, requests);

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
  std::cout << "open          http://" << UrlHost(options.listen) << ":" << port
            << "/?token=" << requests.Token() << "\n"
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
