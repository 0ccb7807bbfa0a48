// Two threads calling on their own sessions against one thread: the
// library's forwarded call, and the direct call as what the machine allows.
#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <functional>
#include <thread>

#include "Benches.h"
#include "Environment.h"
#include "Figures.h"

namespace zubench {
namespace {

constexpr int kCallsPerThread = 20000; // short enough to run mostly between preemptions

bool PinTo(pthread_t thread, int cpu) {
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(cpu, &set);
  return pthread_setaffinity_np(thread, sizeof set, &set) == 0;
}

// A second thread, pinned to its own processor, that runs one job at a
// time. Between jobs it sleeps; for a job it is woken first and then waits
// spinning at a gate, so that both threads start together when the gate
// opens, without a wake-up inside the timed part.
class Helper {
public:
  explicit Helper(int cpu) : thread_([this] { Loop(); }) { pinned_ = PinTo(thread_.native_handle(), cpu); }
  ~Helper() {
    Prepare(nullptr);
    Go();
    thread_.join();
  }
  bool pinned() const { return pinned_; }

  // Hands over the job and returns once the helper waits at the gate.
  void Prepare(std::function<void()> job) {
    job_ = std::move(job);
    generation_.store(++started_, std::memory_order_release);
    generation_.notify_one();
    while (ready_.load(std::memory_order_acquire) != started_) Pause();
  }
  void Go() { gate_.store(started_, std::memory_order_release); }
  void Wait() {
    while (finished_.load(std::memory_order_acquire) != started_) Pause();
  }

private:
  static void Pause() { __builtin_ia32_pause(); }
  void Loop() {
    for (int seen = 0;;) {
      generation_.wait(seen, std::memory_order_acquire);
      seen = generation_.load(std::memory_order_acquire);
      ready_.store(seen, std::memory_order_release);
      while (gate_.load(std::memory_order_acquire) != seen) Pause();
      if (!job_) return;
      job_();
      finished_.store(seen, std::memory_order_release);
    }
  }

  std::function<void()> job_;
  int started_ = 0;
  std::atomic<int> generation_{0}, ready_{0}, gate_{0}, finished_{0};
  std::thread thread_;
  bool pinned_ = false;
};

// Times both ways in every round: alone on this thread, then together with
// the helper, each on its own session; both as wall-clock time per call.
template <class Call> void RunScaling(benchmark::State &state, const Figure &figure, Call &&call) {
  cpu_set_t before;
  pthread_getaffinity_np(pthread_self(), sizeof before, &before);
  Helper helper(1);
  if (!helper.pinned() || !PinTo(pthread_self(), 0)) {
    state.SkipWithError("needs two processors");
    return;
  }
  const ViSession mine = MainSession(), theirs = OpenBenchSession();
  auto batch = [&](ViSession vi) {
    for (int i = 0; i < kCallsPerThread; ++i) benchmark::DoNotOptimize(call(vi));
  };
  RunRounds(
      state, figure,
      [&] {
        helper.Prepare([&] { batch(theirs); });
        const Clock::time_point start = Clock::now();
        helper.Go();
        batch(mine);
        helper.Wait();
        return NanosecondsSince(start) / (2.0 * kCallsPerThread);
      },
      [&] {
        const Clock::time_point start = Clock::now();
        batch(mine);
        return NanosecondsSince(start) / kCallsPerThread;
      });
  zuVEXA_close(theirs);
  pthread_setaffinity_np(pthread_self(), sizeof before, &before);
}

void TwoThreadsForwarded(benchmark::State &state) {
  static const Figure figure{"two threads, forwarded calls (wall ns/call)", "ns", "one thread", 1.8,
                             Better::kHigher};
  RunScaling(state, figure, [](ViSession vi) { return zuVEXA_Commit(vi); });
}

void TwoThreadsDirect(benchmark::State &state) {
  static const Figure figure{"two threads, direct calls (reference)", "ns", "one thread", 1.8,
                             Better::kHigher};
  const auto commit = Direct().commit;
  RunScaling(state, figure, [commit](ViSession vi) { return commit(vi); });
}

} // namespace

void RegisterThreadScalingBenches() {
  benchmark::RegisterBenchmark("TwoThreadsForwarded", TwoThreadsForwarded)->Iterations(300);
  benchmark::RegisterBenchmark("TwoThreadsDirect", TwoThreadsDirect)->Iterations(300);
}

} // namespace zubench
