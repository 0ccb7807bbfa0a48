// The simulated analyzer replaying a cf32 recording against reading the
// same file: a 64k-sample F32 fetch of the replay, record after record,
// against fread of the same record's bytes into the record buffer (target:
// at least 0.9 of its speed).
// Built on request: cmake --build build --target zuvexa_replay_bench.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Figures.h"
#include "SimulatedEnvironment.h"
#include "zuVEXA.h"

namespace zubench {
namespace {

constexpr ViInt64 kRecord = 1 << 16;
constexpr ViInt64 kRecords = 16; // in the recording
constexpr int kRecordsPerRound = 8;

// NAME.sigmf-meta and NAME.sigmf-data of kRecords records of a slow ramp.
void WriteRecording(const std::string &stem) {
  std::vector<float> values(2 * kRecord * kRecords);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = float(i % 1000) / 1000.0f;
  std::ofstream(stem + ".sigmf-data", std::ios::binary)
      .write(reinterpret_cast<const char *>(values.data()), std::streamsize(values.size() * sizeof(float)));
  std::ofstream(stem + ".sigmf-meta") << R"({"global": {"core:datatype": "cf32_le", "core:sample_rate": 1e7},
    "captures": [{"core:sample_start": 0, "core:frequency": 2.4e9}]})";
}

void ReplayFetch(benchmark::State &state) {
  static const Figure figure{"64k-sample F32 fetch of a cf32 replay (speed)", "us",
                             "fread of the same record from the file", 0.9, Better::kHigher};
  const std::string stem = "/tmp/zuvexa-replay-bench-" + std::to_string(getpid());
  WriteRecording(stem);
  const std::string options = "Simulate=1,DriverSetup=Model:Q118;Replay:" + stem + ".sigmf-meta";
  ViSession vi = 0;
  if (zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, options.c_str(), &vi) != 0) std::abort();
  zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, kRecord);
  std::FILE *file = std::fopen((stem + ".sigmf-data").c_str(), "rb");
  std::remove((stem + ".sigmf-meta").c_str());
  std::remove((stem + ".sigmf-data").c_str()); // the open file stays readable
  if (file == nullptr) std::abort();
  std::vector<ViReal32> data(2 * kRecord);
  WaveformInfo info{};
  ViInt64 record = 0;
  const auto microseconds = [&](auto &&call) { return NsPerCall(call, kRecordsPerRound) / 1000; };
  RunRounds(
      state, figure,
      [&] {
        return microseconds([&] {
          zuVEXA_FetchIQSingleRecordComplexF32(vi, "", record++ % kRecords, -1, 1.0, data.data(), &info);
        });
      },
      [&] {
        return microseconds([&] {
          std::fseek(file, long(record++ % kRecords * kRecord * 8), SEEK_SET);
          if (std::fread(data.data(), 8, kRecord, file) != std::size_t(kRecord)) std::abort();
        });
      });
  std::fclose(file);
  zuVEXA_close(vi);
}

} // namespace
} // namespace zubench

int main(int argc, char **argv) {
  zubench::EnterSimulatedEnvironment(argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("ReplayFetch", zubench::ReplayFetch)->Iterations(30);
  benchmark::RunSpecifiedBenchmarks();
  zubench::PrintTable();
  benchmark::Shutdown();
  return 0;
}
