// Cost of a forwarded call with tracing off (registry read and the call),
// and of a session lookup as the number of open sessions grows.
#include <benchmark/benchmark.h>

#include "redirector/api/CallFrame.h"
#include "redirector/api/SessionRegistry.h"

namespace {

ViStatus Nothing(ViSession) { return 0; }

const zumodules::EntryPointTable &FakeTable() {
  static zumodules::EntryPointTable table = [] {
    zumodules::EntryPointTable t;
    t.kind = zumodules::kTov;
    t.slots.Commit = &Nothing;
    return t;
  }();
  return table;
}

// Registers `count` sessions (handles 1..count) in the process registry.
void Populate(ViSession count) {
  static ViSession registered = 0;
  for (; registered < count; ++registered)
    zuapi::Sessions().AddSession(registered + 1, L"bench-device", zuapi::kNormal, &FakeTable());
}

void ForwardedCall(benchmark::State &state) {
  Populate(ViSession(state.range(0)));
  ViSession vi = ViSession(state.range(0)); // the newest session
  for (auto _ : state)
    benchmark::DoNotOptimize(
        zuapi::Forward<&zumodules::EntryPointSlots::Commit, zutrace::sites::zuVEXA_Commit>(vi));
}
BENCHMARK(ForwardedCall)->Arg(1)->Arg(100)->Arg(10000);

void SessionLookup(benchmark::State &state) {
  Populate(ViSession(state.range(0)));
  const zumodules::EntryPointTable *table = nullptr;
  ViSession vi = ViSession(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zuapi::Sessions().FindTable(vi, table));
}
BENCHMARK(SessionLookup)->Arg(1)->Arg(100)->Arg(10000);

} // namespace
