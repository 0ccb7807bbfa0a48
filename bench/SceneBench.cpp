// The simulated analyzer's scenes against its single tone: a 64k-sample
// F64 fetch of a scene with two tones, a noise floor, a QPSK signal and a
// noise band, against the same fetch of the tone every session has without
// a scene (target: at most twice its time).
// Built on request: cmake --build build --target zuvexa_scene_bench.
#include <unistd.h>

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
constexpr int kRecordsPerRound = 8;

constexpr const char *kScene = R"({"seed": 3, "noise_floor_dbm_per_hz": -150,
  "tones": [{"frequency_hz": 2.4001e9, "power_dbm": -20}, {"frequency_hz": 2.3985e9, "power_dbm": -35}],
  "qpsk": [{"frequency_hz": 2.402e9, "symbol_rate_hz": 5e5, "power_dbm": -25}],
  "bands": [{"frequency_hz": 2.397e9, "bandwidth_hz": 1e6, "power_dbm": -40}]})";

// A simulated session tuned to 2.4 GHz at 10 MS/s, with the DriverSetup's extra entries.
ViSession OpenTuned(const std::string &driverSetup) {
  const std::string options = "Simulate=1,DriverSetup=Model:Q118" + driverSetup;
  ViSession vi = 0;
  if (zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, options.c_str(), &vi) != 0) std::abort();
  zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.4e9);
  zuVEXA_ConfigureIQRate(vi, "", 10e6);
  zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, kRecord);
  return vi;
}

void SceneFetch(benchmark::State &state) {
  static const Figure figure{"64k-sample F64 fetch of a scene", "us", "the same fetch of the single tone", 2,
                             Better::kLower};
  const std::string path = "/tmp/zuvexa-scene-bench-" + std::to_string(getpid()) + ".json";
  std::ofstream(path) << kScene;
  const ViSession scene = OpenTuned(";Scene:" + path), tone = OpenTuned("");
  std::remove(path.c_str());
  std::vector<ViReal64> data(2 * kRecord);
  WaveformInfo info{};
  ViInt64 record = 0;
  const auto microseconds = [&](ViSession vi) {
    return NsPerCall(
               [&] { zuVEXA_FetchIQSingleRecordComplexF64(vi, "", record++, -1, 1.0, data.data(), &info); },
               kRecordsPerRound) /
           1000;
  };
  RunRounds(
      state, figure, [&] { return microseconds(scene); }, [&] { return microseconds(tone); });
  zuVEXA_close(scene);
  zuVEXA_close(tone);
}

} // namespace
} // namespace zubench

int main(int argc, char **argv) {
  zubench::EnterSimulatedEnvironment(argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("SceneFetch", zubench::SceneFetch)->Iterations(30);
  benchmark::RunSpecifiedBenchmarks();
  zubench::PrintTable();
  benchmark::Shutdown();
  return 0;
}
