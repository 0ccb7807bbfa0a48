// Eight threads run a mix of operations on sessions of their own, all through
// the exported functions, while change notifications arrive from the system
// configuration. Afterwards no session may be lost or handed out twice,
// every handle is closed, and the library holds no session any more. A
// watchdog ends the program when the operations stop making progress (a
// deadlock). ZUVEXA_SOAK_OPERATIONS and ZUVEXA_SOAK_SECONDS size the run.
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <latch>
#include <thread>

#include "SoakWorker.h"
#include "StandIns.h"
#include "backend_standin.h"
#include "ivi_standin.h"
#include "sysapi_standin.h"

namespace soak {
namespace {

constexpr int kThreads = 8;
constexpr auto kStallLimit = std::chrono::seconds(60);

int64_t Setting(const char *name, int64_t fallback) {
  const char *value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoll(value, nullptr, 10) : fallback;
}

void AddDevices() {
  for (int i = 0; i < kThreads; ++i) {
    for (const Device &device : DevicesOf(i)) {
      SysapiStandinDevice entry{device.name.c_str(),    nullptr, "RIO0", device.productId, 0,
                                SYSAPISTANDIN_NO_VALUE, 0};
      ASSERT_EQ(SysapiStandin_AddDevice(&entry), 0);
    }
  }
}

// Ends the program when no operation completes for kStallLimit.
class Watchdog {
public:
  explicit Watchdog(const Shared &shared) : thread_([this, &shared] { Watch(shared); }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> hold(mutex_);
      finished_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }

private:
  void Watch(const Shared &shared) {
    std::unique_lock<std::mutex> hold(mutex_);
    uint64_t seen = shared.done.load();
    while (!wake_.wait_for(hold, kStallLimit, [this] { return finished_; })) {
      const uint64_t now = shared.done.load();
      if (now != seen) {
        seen = now;
        continue;
      }
      std::fprintf(stderr, "soak: no operation completed for %lld s after %llu operations: deadlock\n",
                   static_cast<long long>(kStallLimit.count()), static_cast<unsigned long long>(now));
      std::abort();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool finished_ = false;
  std::thread thread_;
};

TEST(Soak, ThreadsOpenUseAndCloseSessionsWhileTheSystemChanges) {
  testsupport::ResetStandIns();
  AddDevices();
  const int64_t operations = Setting("ZUVEXA_SOAK_OPERATIONS", 20000);
  Shared shared;
  shared.budget = operations;
  shared.deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(Setting("ZUVEXA_SOAK_SECONDS", 30));
  const auto start = std::chrono::steady_clock::now();
  {
    Watchdog watchdog(shared);
    std::latch ready(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
      threads.emplace_back([&, i] {
        Worker worker(i, shared);
        ready.arrive_and_wait();
        worker.Run();
      });
    }
    for (std::thread &thread : threads) thread.join();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "soak: " << shared.done.load() << " of " << operations << " operations by " << kThreads
            << " threads in " << seconds << " s, " << shared.issued.size() << " sessions\n";

  for (const std::string &fault : shared.faults) ADD_FAILURE() << fault;
  EXPECT_GT(shared.issued.size(), 0u);
  for (ViSession vi : shared.issued) {
    ASSERT_EQ(zuVEXA_close(vi), ZUVEXA_ERROR_INVALID_SESSION) << "session " << vi << " still registered";
  }
  EXPECT_EQ(BackendStandin_SessionCount(), 0) << "backend sessions left open";
  EXPECT_EQ(IviStandin_SessionCount(), 0) << "IVI sessions left open";
  for (int i = 0; i < kThreads; ++i) {
    for (const Device &device : DevicesOf(i)) {
      ViSession vi = 0;
      EXPECT_EQ(zuVEXA_GetViSessionByName(device.name.c_str(), &vi), ZUVEXA_ERROR_CANNOT_RECOVER)
          << device.name;
      EXPECT_EQ(vi, 0u);
    }
  }
}

} // namespace
} // namespace soak
