// What the trace steps cost a forwarded call while tracing is off: the call
// through the traced frame against the same frame without its trace steps
// (the call as it was before tracing existed), timed in alternating rounds
// in one process. The counter "ratio" is the median of the per-round ratios
// traced / untraced; the target is at most 1.02.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "redirector/api/CallFrame.h"
#include "redirector/api/SessionRegistry.h"

namespace {

using zumodules::EntryPointSlots;

constexpr ViSession kSession = 0x5151;

ViStatus Nothing(ViSession) { return 0; }

void RegisterSession() {
  static zumodules::EntryPointTable table = [] {
    zumodules::EntryPointTable t;
    t.kind = zumodules::kTov;
    t.slots.Commit = &Nothing;
    return t;
  }();
  static const bool registered = (zuapi::Sessions().AddSession(kSession, L"bench-trace", zuapi::kNormal, &table), true);
  (void)registered;
}

[[gnu::noinline]] ViStatus Untraced(ViSession vi) { return zuapi::ForwardUntraced<&EntryPointSlots::Commit>(vi); }
[[gnu::noinline]] ViStatus Traced(ViSession vi) {
  return zuapi::Forward<&EntryPointSlots::Commit, zutrace::sites::zuVEXA_Commit>(vi);
}

template <class Call> double NanosecondsPerCall(Call call, int calls) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < calls; ++i) benchmark::DoNotOptimize(call(kSession));
  const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / calls;
}

void ForwardedCallUntraced(benchmark::State &state) {
  RegisterSession();
  for (auto _ : state) benchmark::DoNotOptimize(Untraced(kSession));
}
BENCHMARK(ForwardedCallUntraced);

void ForwardedCallTracingOff(benchmark::State &state) {
  RegisterSession();
  for (auto _ : state) benchmark::DoNotOptimize(Traced(kSession));
}
BENCHMARK(ForwardedCallTracingOff);

void TracingOffRatio(benchmark::State &state) {
  RegisterSession();
  constexpr int kRounds = 201, kCallsPerRound = 20000;
  std::vector<double> ratios;
  for (auto _ : state) {
    ratios.clear();
    for (int round = 0; round < kRounds; ++round) {
      // Alternate which runs first, so neither gains from a warmed cache.
      const bool tracedFirst = round % 2 == 0;
      const double first = NanosecondsPerCall(tracedFirst ? &Traced : &Untraced, kCallsPerRound);
      const double second = NanosecondsPerCall(tracedFirst ? &Untraced : &Traced, kCallsPerRound);
      ratios.push_back(tracedFirst ? first / second : second / first);
    }
  }
  std::nth_element(ratios.begin(), ratios.begin() + kRounds / 2, ratios.end());
  state.counters["ratio"] = ratios[kRounds / 2];
}
BENCHMARK(TracingOffRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
