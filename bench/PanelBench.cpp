// The front panel's refresh against the same acquisition without it: one
// initiate and fetch of a 1M-sample record, plus (for the panel) the spectrum,
// the peak, the trace and the JSON text the page receives.
#include <vector>

#include "Benches.h"
#include "Environment.h"
#include "Figures.h"
#include "PanelSession.h"

namespace zubench {
namespace {

constexpr ViInt64 kRecordSamples = 1 << 20;

void PanelRefresh(benchmark::State &state) {
  static const Figure figure{"panel refresh of a 1M-sample record", "us", "the same initiate + fetch", 1.1,
                             Better::kLower};
  const ViSession vi = MainSession();
  zuvexapanel::Acquisition acquisition;
  acquisition.numberOfSamples = kRecordSamples;
  std::vector<ViReal64> panelBuffer, data(2 * kRecordSamples);
  WaveformInfo info{};
  auto microseconds = [](auto &&call) { return NsPerCall(call, 1) / 1000; };
  RunRounds(
      state, figure,
      [&] {
        return microseconds([&] {
          const std::string text = zuvexapanel::FetchFrame(vi, acquisition, panelBuffer);
          if (text.find("\"error\"") != std::string::npos) state.SkipWithError(text.c_str());
        });
      },
      [&] {
        return microseconds([&] {
          zuVEXA_Initiate(vi);
          zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, kRecordSamples, 5.0, data.data(), &info);
        });
      });
}

} // namespace

void RegisterPanelBenches() { benchmark::RegisterBenchmark("PanelRefresh", PanelRefresh)->Iterations(40); }

} // namespace zubench
