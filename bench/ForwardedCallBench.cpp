// The forwarded call: its cost against a readers-writer lock pair and a
// direct call, its cost with many sessions open, and its allocations.
#include <pthread.h>

#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "Benches.h"
#include "Environment.h"
#include "Figures.h"

namespace zubench {
namespace {

constexpr int kCallsPerBatch = 20000;

pthread_rwlock_t gLock = PTHREAD_RWLOCK_INITIALIZER;

void ForwardedCall(benchmark::State &state) {
  static const Figure figure{"forwarded zuVEXA_Commit, 1 thread", "ns", "rwlock read pair + direct call", 1.5,
                             Better::kLower};
  const ViSession vi = MainSession();
  const auto commit = Direct().commit;
  RunInterleaved(
      state, figure, [&] { benchmark::DoNotOptimize(zuVEXA_Commit(vi)); },
      [&] {
        pthread_rwlock_rdlock(&gLock);
        benchmark::DoNotOptimize(commit(vi));
        pthread_rwlock_unlock(&gLock);
      },
      kCallsPerBatch);
}

// Opens and closes the other sessions between the batches, so that the same
// call on the same session is timed with and without them in every round.
void ForwardedCallWithSessions(benchmark::State &state) {
  const int sessions = static_cast<int>(state.range(0));
  const Figure figure{"forwarded call, " + std::to_string(sessions) +
                          (sessions == 1 ? " session" : " sessions") + " open",
                      "ns", "the same call, 1 session open", 1.1, Better::kLower};
  const ViSession vi = MainSession();
  std::vector<ViSession> others;
  auto openOthers = [&] {
    for (int i = 1; i < sessions; ++i) others.push_back(OpenBenchSession());
  };
  auto closeOthers = [&] {
    for (ViSession other : others) zuVEXA_close(other);
    others.clear();
  };
  auto call = [&] { benchmark::DoNotOptimize(zuVEXA_Commit(vi)); };
  RunRounds(
      state, figure,
      [&] {
        openOthers();
        const double ns = NsPerCall(call, kCallsPerBatch);
        closeOthers();
        return ns;
      },
      [&] { return NsPerCall(call, kCallsPerBatch); });
}

// A session opened for a session server is forwarded as one a program opens:
// the server's entry adds nothing to the library's own calls.
void ForwardedCallOnServerSession(benchmark::State &state) {
  static const Figure figure{"forwarded call, session opened for a server", "ns",
                             "the same call on an InitWithOptions session", 1.1, Better::kLower};
  const ViSession served = OpenServerSession();
  const ViSession vi = MainSession();
  RunInterleaved(
      state, figure, [&] { benchmark::DoNotOptimize(zuVEXA_Commit(served)); },
      [&] { benchmark::DoNotOptimize(zuVEXA_Commit(vi)); }, kCallsPerBatch);
  ReleaseSessionForServer(served);
}

void AllocationsPerForwardedCall(benchmark::State &state) {
  static const Figure figure{"allocations per forwarded call", "", "-", 0, Better::kLower};
  const ViSession vi = MainSession();
  zuVEXA_Commit(vi);
  uint64_t allocations = 0, calls = 0;
  for (auto _ : state) {
    const uint64_t before = AllocationCount();
    for (int i = 0; i < kCallsPerBatch; ++i) benchmark::DoNotOptimize(zuVEXA_Commit(vi));
    allocations += AllocationCount() - before;
    calls += kCallsPerBatch;
  }
  RecordCount(state, figure, double(allocations) / double(calls));
}

} // namespace

void RegisterForwardedCallBenches() {
  benchmark::RegisterBenchmark("ForwardedCall", ForwardedCall)->Iterations(100);
  benchmark::RegisterBenchmark("ForwardedCallWithSessions", ForwardedCallWithSessions)
      ->Arg(1)
      ->Arg(100)
      ->Arg(10000)
      ->Iterations(16);
  benchmark::RegisterBenchmark("ForwardedCallOnServerSession", ForwardedCallOnServerSession)->Iterations(40);
  benchmark::RegisterBenchmark("AllocationsPerForwardedCall", AllocationsPerForwardedCall)->Iterations(10);
}

} // namespace zubench
