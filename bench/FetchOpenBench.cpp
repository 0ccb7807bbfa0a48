// A large fetch against the backend's own entry, and a cached open and
// close against the backend's init and close.
#include <vector>

#include "AllocationCounter.h"

#include "Benches.h"
#include "Environment.h"
#include "Figures.h"

namespace zubench {
namespace {

constexpr ViInt64 kFetchSamples = 1 << 20;
constexpr int kOpensPerBatch = 200;

void FetchF64(benchmark::State &state) {
  static const Figure figure{"1M-sample complex F64 fetch (speed)", "us", "the backend entry called directly",
                             0.99, Better::kHigher};
  const ViSession vi = MainSession();
  const auto fetch = Direct().fetchF64;
  std::vector<ViReal64> data(2 * kFetchSamples);
  WaveformInfo info{};
  auto microseconds = [](auto &&call) { return NsPerCall(call, 1) / 1000; };
  RunRounds(
      state, figure,
      [&] {
        return microseconds([&] {
          zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, kFetchSamples, 10.0, data.data(), &info);
        });
      },
      [&] { return microseconds([&] { fetch(vi, "", 0, kFetchSamples, 10.0, data.data(), &info); }); });
}

void OpenCloseThroughLibrary() {
  ViSession vi = 0;
  zuVEXA_InitWithOptions(kResource, VI_FALSE, VI_FALSE, kOptions, &vi);
  zuVEXA_close(vi);
}

void OpenCloseDirectly(const DirectEntries &direct) {
  ViSession vi = 0;
  direct.init(kResource, kProductId, VI_FALSE, VI_FALSE, kOptions, "", nullptr, VI_FALSE, &vi);
  direct.close(vi);
}

void CachedOpenClose(benchmark::State &state) {
  static const Figure figure{"open + close of a cached simulated device", "ns", "the backend's init + close",
                             5, Better::kLower};
  MainSession(); // the device is in the library's cache from here on
  const DirectEntries &direct = Direct();
  RunInterleaved(
      state, figure, OpenCloseThroughLibrary, [&] { OpenCloseDirectly(direct); }, kOpensPerBatch);
}

template <class F> uint64_t AllocationsOf(F &&f) {
  const uint64_t before = AllocationCount();
  f();
  return AllocationCount() - before;
}

void AllocationsPerOpenClose(benchmark::State &state) {
  static const Figure figure{"allocations per cached open + close", "", "the backend's init + close", 0,
                             Better::kNoTarget};
  MainSession();
  const DirectEntries &direct = Direct();
  uint64_t library = 0, baseline = 0, opens = 0;
  for (auto _ : state) {
    library += AllocationsOf(OpenCloseThroughLibrary);
    baseline += AllocationsOf([&] { OpenCloseDirectly(direct); });
    ++opens;
  }
  RecordCount(state, figure, double(library) / double(opens), double(baseline) / double(opens));
}

} // namespace

void RegisterFetchOpenBenches() {
  benchmark::RegisterBenchmark("FetchF64", FetchF64)->Iterations(40);
  benchmark::RegisterBenchmark("CachedOpenClose", CachedOpenClose)->Iterations(40);
  benchmark::RegisterBenchmark("AllocationsPerOpenClose", AllocationsPerOpenClose)->Iterations(1000);
}

} // namespace zubench
