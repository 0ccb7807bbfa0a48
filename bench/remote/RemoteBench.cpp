// The remote service against bare gRPC on loopback: a remote zuVEXA_Commit
// (the smallest call: a handle in, a status out) against a unary echo of
// the same shape, both servers in processes of their own and reached
// through the same kind of channel (target: at most 1.3 times the echo).
// Built on request: cmake --build build --target zuvexa_remote_bench.
#include <grpcpp/grpcpp.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Figures.h"
#include "SimulatedEnvironment.h"
#include "echo.grpc.pb.h"
#include "zuvexa_remote.grpc.pb.h"

extern char **environ;

namespace zubench {
namespace {

constexpr int kCallsPerRound = 2000;
constexpr char kToken[] = "bench-token";

// The echo server of the baseline, run as this program with --serve-echo.
class EchoService final : public Echo::Service {
  grpc::Status Echo(grpc::ServerContext *, const EchoRequest *, EchoResponse *response) override {
    response->mutable_status()->set_code(0);
    return grpc::Status::OK;
  }
};

int ServeEcho() {
  EchoService service;
  grpc::ServerBuilder builder;
  int port = 0;
  builder.AddListeningPort("127.0.0.1:0", grpc::InsecureServerCredentials(), &port);
  builder.RegisterService(&service);
  auto server = builder.BuildAndStart();
  std::cout << "listening on 127.0.0.1:" << port << std::endl;
  server->Wait(); // ended by SIGTERM with the process
  return 0;
}

// A server process started with its standard output on a pipe; its address
// is the one it names on its first line ("listening on HOST:PORT").
struct ServerProcess {
  pid_t pid = 0;
  std::string address;

  explicit ServerProcess(std::vector<std::string> argv) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char *> args;
    for (std::string &arg : argv) args.push_back(arg.data());
    args.push_back(nullptr);
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) std::abort();
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    FILE *out = fdopen(pipeEnds[0], "r");
    char line[256] = {};
    if (!fgets(line, sizeof line, out)) std::abort();
    fclose(out);
    std::string text(line);
    address = text.substr(text.rfind(' ') + 1);
    address.erase(address.find_first_of(" \n"));
  }
  ~ServerProcess() {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
};

void RemoteCommit(benchmark::State &state) {
  static const Figure figure{"remote zuVEXA_Commit over gRPC", "us", "bare gRPC unary echo, same shape", 1.3,
                             Better::kLower};
  const std::string tokenFile = "/tmp/zuvexa-remote-bench-" + std::to_string(getpid()) + ".token";
  std::ofstream(tokenFile) << kToken << "\n";
  ServerProcess remote(
      {ZUBENCH_SERVER, "--listen", "127.0.0.1:0", "--token-file", tokenFile, "--grace", "0"});
  ServerProcess echo({"/proc/self/exe", "--serve-echo"});
  std::remove(tokenFile.c_str());

  auto remoteStub = zuvexa::remote::Analyzer::NewStub(
      grpc::CreateChannel(remote.address, grpc::InsecureChannelCredentials()));
  auto echoStub = Echo::NewStub(grpc::CreateChannel(echo.address, grpc::InsecureChannelCredentials()));
  const auto withToken = [](grpc::ClientContext &context) {
    context.AddMetadata("authorization", std::string("Bearer ") + kToken);
  };

  grpc::ClientContext openContext;
  withToken(openContext);
  zuvexa::remote::InitWithOptionsRequest open;
  open.set_option_string("Simulate=1");
  zuvexa::remote::InitWithOptionsResponse opened;
  if (!remoteStub->InitWithOptions(&openContext, open, &opened).ok() || opened.status().code() != 0)
    std::abort();

  zuvexa::remote::CommitRequest commit;
  commit.set_vi(opened.new_vi());
  EchoRequest request;
  request.set_vi(opened.new_vi());
  const auto microseconds = [](auto &&call) { return NsPerCall(call, kCallsPerRound) / 1000; };
  RunRounds(
      state, figure,
      [&] {
        return microseconds([&] {
          grpc::ClientContext context;
          withToken(context);
          zuvexa::remote::CommitResponse response;
          if (!remoteStub->Commit(&context, commit, &response).ok()) std::abort();
        });
      },
      [&] {
        return microseconds([&] {
          grpc::ClientContext context;
          withToken(context);
          EchoResponse response;
          if (!echoStub->Echo(&context, request, &response).ok()) std::abort();
        });
      });
}

} // namespace
} // namespace zubench

int main(int argc, char **argv) {
  if (argc == 2 && std::string(argv[1]) == "--serve-echo") return zubench::ServeEcho();
  zubench::EnterSimulatedEnvironment(argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("RemoteCommit", zubench::RemoteCommit)->Iterations(20);
  benchmark::RunSpecifiedBenchmarks();
  zubench::PrintTable();
  benchmark::Shutdown();
  return 0;
}
