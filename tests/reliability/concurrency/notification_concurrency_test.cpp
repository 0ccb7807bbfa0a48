// Change notifications on their own thread while application threads open and close sessions.
#include <atomic>
#include <thread>
#include <vector>

#include "../../e2e/routing/RoutingSupport.h"

using namespace e2e;

TEST_F(RoutingTest, NotificationsWhileOtherThreadsOpenAndClose) {
  constexpr int kRounds = 30;
  struct Worker {
    const char *device;
    ViUInt32 kind;
  } const workers[] = {{"PXI1Slot5", 1}, {"LemReal", 2}, {"TovBare", 5}};
  ExpectRoute("PilDev", "", 6, 0x1C08);         // cached before the threads start
  AddDevice("PilDev", nullptr, 0x1C02, "RIO7"); // now a Q118

  std::atomic<int> failures{0};
  std::atomic<ViStatus> first{0};
  std::vector<std::thread> threads;
  for (const Worker &worker : workers) {
    threads.emplace_back([&, worker] {
      for (int round = 0; round < kRounds; ++round) {
        ViSession vi = 0;
        ViStatus status = zuVEXA_init(worker.device, VI_FALSE, VI_FALSE, &vi);
        if (status == 0 && BackendStandin_SessionKind(vi) != worker.kind) status = -1;
        if (status == 0) status = zuVEXA_close(vi);
        if (status == 0) continue;
        ViStatus none = 0;
        first.compare_exchange_strong(none, status); // keeps the first failure
        ++failures;
      }
    });
  }
  // Drop the workers' own devices too, so their opens race with invalidation.
  const char *names[] = {"PilDev", "PXI1Slot5", "LemReal", "TovBare"};
  for (int round = 0; round < kRounds; ++round) {
    EXPECT_EQ(SysapiStandin_NotifyChange(2, names, 4), 0);
    std::this_thread::yield();
  }
  ExpectRoute("PilDev", "", 5, 0x1C02); // the fresh answer, while the workers still run
  for (std::thread &thread : threads) thread.join();

  EXPECT_EQ(failures.load(), 0) << "first failure: " << std::hex << first.load();
  EXPECT_EQ(BackendStandin_SessionCount(), 0);
}
