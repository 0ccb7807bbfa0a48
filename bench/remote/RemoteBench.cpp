// The remote service against bare gRPC on loopback, both servers in
// processes of their own and reached through the same kind of channel:
// - a remote zuVEXA_Commit (the smallest call: a handle in, a status out)
//   against a unary echo of the same shape (target: at most 1.3 times it);
// - a streamed 16 MiB fetch (1M complex F64 samples) against a bare stream
//   of the same bytes in the same slices (target: at least 0.8 times
//   its speed).
// The server serves the benchmarks' no-op module, as zuvexa_bench does, so
// that the figures show what the service adds, not what a module costs.
// Built on request: cmake --build build --target zuvexa_remote_bench.
#include <grpcpp/grpcpp.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Environment.h"
#include "Figures.h"
#include "Stream.h"
#include "echo.grpc.pb.h"
#include "zuvexa_remote.grpc.pb.h"

extern char **environ;

namespace zubench {
namespace {

constexpr int kCallsPerRound = 2000;
constexpr int kStreamsPerRound = 4;
constexpr int64_t kStreamSamples = int64_t{1} << 20; // 16 MiB of interleaved doubles
// The baseline sends the server's slices: the same bytes in the same messages.
constexpr int64_t kSliceDoubles = zuremote::kChunkBytes / sizeof(double);
constexpr char kToken[] = "bench-token";

// The echo server of the baseline, run as this program with --serve-echo.
class EchoService final : public Echo::Service {
  grpc::Status Echo(grpc::ServerContext *, const EchoRequest *, EchoResponse *response) override {
    response->mutable_status()->set_code(0);
    return grpc::Status::OK;
  }
  grpc::Status Stream(grpc::ServerContext *, const StreamRequest *request,
                      grpc::ServerWriter<Chunk> *writer) override {
    Chunk chunk;
    chunk.mutable_data()->Resize(static_cast<int>(request->samples_per_chunk()), 0.5);
    for (int64_t sent = 0; sent < request->samples(); sent += request->samples_per_chunk())
      if (!writer->Write(chunk)) break;
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

constexpr char kBearer[] = "Bearer bench-token";

// The two servers and a session on the remote one, for every figure.
struct Servers {
  std::string tokenFile = "/tmp/zuvexa-remote-bench-" + std::to_string(getpid()) + ".token";
  bool tokenWritten = static_cast<bool>(std::ofstream(tokenFile) << kToken << "\n");
  ServerProcess remote{
      {ZUBENCH_SERVER, "--listen", "127.0.0.1:0", "--token-file", tokenFile, "--grace", "0"}};
  ServerProcess echo{{"/proc/self/exe", "--serve-echo"}};
  std::unique_ptr<zuvexa::remote::Analyzer::Stub> remoteStub = zuvexa::remote::Analyzer::NewStub(
      grpc::CreateChannel(remote.address, grpc::InsecureChannelCredentials()));
  std::unique_ptr<Echo::Stub> echoStub =
      Echo::NewStub(grpc::CreateChannel(echo.address, grpc::InsecureChannelCredentials()));
  uint32_t vi = Open();

  ~Servers() { std::remove(tokenFile.c_str()); }

  uint32_t Open() {
    grpc::ClientContext context;
    context.AddMetadata("authorization", kBearer);
    zuvexa::remote::InitWithOptionsRequest open;
    open.set_resource_name(kResource);
    open.set_option_string(kOptions);
    zuvexa::remote::InitWithOptionsResponse opened;
    const grpc::Status status = remoteStub->InitWithOptions(&context, open, &opened);
    if (!status.ok() || opened.status().code() != 0) {
      std::cerr << "zuvexa_remote_bench: the remote open failed: " << status.error_message() << " "
                << opened.status().description() << "\n";
      std::exit(2);
    }
    return opened.new_vi();
  }
};

Servers &TheServers() {
  static Servers servers;
  return servers;
}

void RemoteCommit(benchmark::State &state) {
  static const Figure figure{"remote zuVEXA_Commit over gRPC", "us", "bare gRPC unary echo, same shape", 1.3,
                             Better::kLower};
  Servers &servers = TheServers();
  zuvexa::remote::CommitRequest commit;
  commit.set_vi(servers.vi);
  EchoRequest request;
  request.set_vi(servers.vi);
  const auto microseconds = [](auto &&call) { return NsPerCall(call, kCallsPerRound) / 1000; };
  RunRounds(
      state, figure,
      [&] {
        return microseconds([&] {
          grpc::ClientContext context;
          context.AddMetadata("authorization", kBearer);
          zuvexa::remote::CommitResponse response;
          if (!servers.remoteStub->Commit(&context, commit, &response).ok()) std::abort();
        });
      },
      [&] {
        return microseconds([&] {
          grpc::ClientContext context;
          context.AddMetadata("authorization", kBearer);
          EchoResponse response;
          if (!servers.echoStub->Echo(&context, request, &response).ok()) std::abort();
        });
      });
}

// Reads a whole stream, returning the doubles it carried.
template <class Message, class Start> int64_t DrainStream(Start &&start) {
  grpc::ClientContext context;
  context.AddMetadata("authorization", kBearer);
  const auto reader = start(context);
  Message message;
  int64_t doubles = 0;
  while (reader->Read(&message)) doubles += message.data_size();
  if (!reader->Finish().ok()) std::abort();
  return doubles;
}

void RemoteStream(benchmark::State &state) {
  static const Figure figure{"streamed 16 MiB remote fetch (speed)", "ms", "bare gRPC stream, same bytes",
                             0.8, Better::kHigher};
  Servers &servers = TheServers();
  zuvexa::remote::FetchIQSingleRecordComplexF64Request fetch;
  fetch.set_vi(servers.vi);
  fetch.set_number_of_samples(kStreamSamples);
  fetch.set_timeout(10);
  StreamRequest request;
  request.set_samples(2 * kStreamSamples);
  request.set_samples_per_chunk(kSliceDoubles);
  const auto milliseconds = [](auto &&stream) { return NsPerCall(stream, kStreamsPerRound) / 1e6; };
  RunRounds(
      state, figure,
      [&] {
        return milliseconds([&] {
          const int64_t doubles = DrainStream<zuvexa::remote::FetchIQSingleRecordComplexF64Response>(
              [&](grpc::ClientContext &context) {
                return servers.remoteStub->StreamFetchIQSingleRecordComplexF64(&context, fetch);
              });
          if (doubles != 2 * kStreamSamples) std::abort();
        });
      },
      [&] {
        return milliseconds([&] {
          DrainStream<Chunk>(
              [&](grpc::ClientContext &context) { return servers.echoStub->Stream(&context, request); });
        });
      });
}

} // namespace
} // namespace zubench

int main(int argc, char **argv) {
  if (argc == 2 && std::string(argv[1]) == "--serve-echo") return zubench::ServeEcho();
  zubench::EnterBenchEnvironment(argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("RemoteCommit", zubench::RemoteCommit)->Iterations(20);
  benchmark::RegisterBenchmark("RemoteStream", zubench::RemoteStream)->Iterations(41);
  benchmark::RunSpecifiedBenchmarks();
  zubench::PrintTable();
  benchmark::Shutdown();
  return 0;
}
