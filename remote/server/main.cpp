// zuvexa-server: the analyzers of this host for test programs on other
// hosts, as a gRPC service generated from the library's catalogue. Every
// call needs the token; each client reaches only the sessions the server
// opened for it; SIGINT or SIGTERM closes every session and ends the server.
#include <grpcpp/ext/proto_server_reflection_plugin.h>
#include <grpcpp/grpcpp.h>
#include <grpcpp/security/auth_metadata_processor.h>
#include <grpcpp/security/server_credentials.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <thread>

#include "Call.h"
#include "RemoteService.h"
#include "ServerOptions.h"
#include "zuVEXA.h"

namespace zuremote {
namespace {

// Refuses every call without the token, reflection's too, before any
// service sees it.
class TokenCheck final : public grpc::AuthMetadataProcessor {
public:
  explicit TokenCheck(std::string token) : token_(std::move(token)) {}
  bool IsBlocking() const override { return false; }
  grpc::Status Process(const InputMetadata &metadata, grpc::AuthContext *, OutputMetadata *,
                       OutputMetadata *) override {
    const auto found = metadata.find("authorization");
    if (found != metadata.end() &&
        TokenMatches(std::string_view(found->second.data(), found->second.size()), token_))
      return grpc::Status::OK;
    return {grpc::StatusCode::UNAUTHENTICATED, "a valid token is needed: authorization: Bearer <token>"};
  }

private:
  std::string token_;
};

// TLS with --cert and --key; else local credentials on loopback (the
// connection must come from this host) and none elsewhere. The token check
// runs in the transport where the credentials allow it, and in every
// handler of the service in any case.
std::shared_ptr<grpc::ServerCredentials> Credentials(const ServerOptions &options,
                                                     const std::shared_ptr<TokenCheck> &tokenCheck) {
  std::shared_ptr<grpc::ServerCredentials> credentials;
  if (!options.certFile.empty()) {
    const auto cert = ReadFile(options.certFile), key = ReadFile(options.keyFile);
    if (!cert || !key) return nullptr;
    grpc::SslServerCredentialsOptions tls;
    tls.pem_key_cert_pairs.push_back({*key, *cert});
    credentials = grpc::SslServerCredentials(tls);
  } else if (IsLoopback(options.listen)) {
    credentials = grpc::experimental::LocalServerCredentials(LOCAL_TCP);
  } else {
    return grpc::InsecureServerCredentials();
  }
  credentials->SetAuthMetadataProcessor(tokenCheck);
  return credentials;
}

// Waits for SIGINT or SIGTERM (blocked in every thread), then stops the
// server: calls still running get two seconds.
void StopOnSignal(const sigset_t &signals, grpc::Server &server) {
  int signal = 0;
  sigwait(&signals, &signal);
  std::cout << "stopping on signal " << signal << std::endl;
  server.Shutdown(std::chrono::system_clock::now() + std::chrono::seconds(2));
}

// Closes the sessions of clients silent for longer than the grace period
// (a client that went away), checking a few times per period until stopped.
class IdleSweeper {
public:
  IdleSweeper(SessionTable &sessions, int graceSeconds) : sessions_(sessions), grace_(graceSeconds) {
    if (graceSeconds > 0) thread_ = std::thread([this] { Run(); });
  }
  ~IdleSweeper() { Stop(); }
  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
  }

private:
  void Run() {
    const auto period =
        std::min<std::chrono::milliseconds>(std::chrono::milliseconds(grace_) / 4, std::chrono::seconds(1));
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, period, [this] { return stopping_; })) {
      lock.unlock(); // the closes below never hold the sweeper's lock
      CloseIdle();
      lock.lock();
    }
  }
  void CloseIdle() {
    for (const auto &[client, vi] : sessions_.TakeIdle(SessionTable::Clock::now() - grace_)) {
      const ViStatus status = ReleaseSessionForServer(vi);
      std::cerr << "closed session " << vi << " of " << client << " after its grace period (status " << status
                << ")" << std::endl;
    }
  }

  SessionTable &sessions_;
  const std::chrono::seconds grace_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

void CloseAll(SessionTable &sessions) {
  const auto open = sessions.TakeAll();
  for (ViSession vi : open) {
    ReleaseSessionForServer(vi);
    std::cout << "closed session " << vi << "\n";
  }
  std::cout << "closed " << open.size() << " session(s)" << std::endl;
}

int Serve(const ServerOptions &options) {
  // Blocked before gRPC starts any thread, so that every thread inherits it.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  RemoteState state;
  state.token = ReadToken(options.tokenFile);
  state.replyLimit = options.replyLimit;
  state.maxSessions = options.maxSessions;
  state.maxCalls = options.maxCalls;
  if (state.token.empty()) {
    std::cerr << "zuvexa-server: no token in " << options.tokenFile << "\n";
    return 2;
  }
  // What the service's threads read is made before gRPC starts any thread,
  // which publishes it to them.
  const auto tokenCheck = std::make_shared<TokenCheck>(state.token);
  AnalyzerService service(state);
  const auto credentials = Credentials(options, tokenCheck);
  if (!credentials) {
    std::cerr << "zuvexa-server: cannot read " << options.certFile << " or " << options.keyFile << "\n";
    return 2;
  }
  if (options.certFile.empty() && !IsLoopback(options.listen))
    std::cerr << "zuvexa-server: warning: listening on " << options.listen
              << " without TLS: the token and the data cross the network readable (--cert, --key)\n";

  grpc::reflection::InitProtoReflectionServerBuilderPlugin();
  grpc::ServerBuilder builder;
  int port = 0;
  builder.AddListeningPort(options.listen, credentials, &port);
  builder.RegisterService(&service);
  builder.SetMaxSendMessageSize(INT_MAX); // replies are bounded by the reply limit
  builder.SetMaxReceiveMessageSize(static_cast<int>(std::min<int64_t>(options.replyLimit, INT_MAX)));
  const std::unique_ptr<grpc::Server> server = builder.BuildAndStart();
  if (!server || port == 0) {
    std::cerr << "zuvexa-server: cannot listen on " << options.listen << "\n";
    return 1;
  }
  std::cout << "listening on " << options.listen.substr(0, options.listen.rfind(':')) << ":" << port
            << (options.certFile.empty() ? "" : " (TLS)") << std::endl;
  IdleSweeper sweeper(state.sessions, options.graceSeconds);
  std::thread stopper(StopOnSignal, std::cref(signals), std::ref(*server));
  stopper.join(); // after the shutdown, which waits for the calls still running
  sweeper.Stop();
  CloseAll(state.sessions);
  return 0;
}

} // namespace
} // namespace zuremote

int main(int argc, char **argv) {
  zuremote::ServerOptions options;
  CLI::App app(
      "Serves the analyzers of this host over gRPC (service zuvexa.remote.Analyzer, with reflection).\n"
      "Every call carries the metadata \"authorization: Bearer <token>\"; a client may add\n"
      "\"zuvexa-client-id: <id>\" to keep its sessions across connections from its host.");
  app.add_option("--listen", options.listen, "HOST:PORT to listen on (port 0: any free port)")
      ->capture_default_str();
  app.add_option("--token-file", options.tokenFile,
                 "file whose first line is the token every call must carry")
      ->required()
      ->check(CLI::ExistingFile);
  auto *cert =
      app.add_option("--cert", options.certFile, "TLS certificate chain (PEM)")->check(CLI::ExistingFile);
  auto *key = app.add_option("--key", options.keyFile, "TLS private key (PEM)")->check(CLI::ExistingFile);
  cert->needs(key);
  key->needs(cert);
  app.add_option("--reply-limit", options.replyLimit, "largest reply in bytes; larger requests are refused")
      ->capture_default_str()
      ->check(CLI::Range(int64_t{1024}, int64_t{1} << 31));
  app.add_option("--grace", options.graceSeconds,
                 "seconds a client may stay silent before its sessions are closed (0: never)")
      ->capture_default_str()
      ->check(CLI::Range(0, 86400));
  app.add_option("--max-sessions", options.maxSessions, "sessions one client may hold open")
      ->capture_default_str()
      ->check(CLI::Range(1, 1024));
  app.add_option("--max-calls", options.maxCalls, "calls one client may have in flight")
      ->capture_default_str()
      ->check(CLI::Range(1, 1024));
  CLI11_PARSE(app, argc, argv);
  return zuremote::Serve(options);
}
