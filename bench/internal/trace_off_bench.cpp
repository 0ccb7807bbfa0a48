// What the trace steps cost a forwarded call while tracing is off: the call
// through the traced frame against the same frame without its trace steps
// (the call as it was before tracing existed), timed in alternating rounds
// by the benchmark table's harness. The counter "ratio" is the median of the
// per-round ratios traced / untraced; the target is at most 1.02.
#include "../Figures.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/SessionRegistry.h"

namespace {

using zumodules::EntryPointSlots;

constexpr ViSession kSession = 0x5151;
constexpr int kCallsPerRound = 20000;

ViStatus Nothing(ViSession) { return 0; }

void RegisterSession() {
  static zumodules::EntryPointTable table = [] {
    zumodules::EntryPointTable t;
    t.kind = zumodules::kTov;
    t.slots.Commit = &Nothing;
    return t;
  }();
  static const bool registered =
      (zuapi::Sessions().AddSession(kSession, L"bench-trace", zuapi::kNormal, &table), true);
  (void)registered;
}

[[gnu::noinline]] ViStatus Untraced(ViSession vi) {
  return zuapi::ForwardUntraced<&EntryPointSlots::Commit>(vi);
}
[[gnu::noinline]] ViStatus Traced(ViSession vi) {
  return zuapi::Forward<&EntryPointSlots::Commit, zutrace::sites::zuVEXA_Commit>(vi);
}

void TracingOffRatio(benchmark::State &state) {
  static const zubench::Figure figure{"forwarded call, tracing off", "ns",
                                      "the frame without its trace steps", 1.02, zubench::Better::kLower};
  RegisterSession();
  zubench::RunInterleaved(
      state, figure, [] { benchmark::DoNotOptimize(Traced(kSession)); },
      [] { benchmark::DoNotOptimize(Untraced(kSession)); }, kCallsPerRound);
}
BENCHMARK(TracingOffRatio)->Iterations(201)->Unit(benchmark::kMillisecond);

} // namespace
