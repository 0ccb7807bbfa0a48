#include <gtest/gtest.h>

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "zuapal/protons/synchronization/tSemaphore.h"
#include "zuapal/zuapalerr.h"

using namespace zuapal;

TEST(Semaphore, CountAboveLimitFailsWithInvalidParameter) {
  StatusRecord status;
  tSemaphore semaphore(0xFFFFFFFFu, status);
  EXPECT_FALSE(semaphore.isLive());
  EXPECT_EQ(status.code, zuapalerr_invalidParameter);
}

namespace {
std::atomic<int> gSignals{0};
void CountSignal(int) { gSignals.fetch_add(1); }
} // namespace

TEST(Semaphore, WaitResumesAfterSignal) {
  struct sigaction action {};
  action.sa_handler = CountSignal; // no SA_RESTART: the wait sees EINTR
  sigemptyset(&action.sa_mask);
  struct sigaction previous {};
  ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);

  StatusRecord status;
  tSemaphore semaphore(0, status);
  ASSERT_TRUE(semaphore.isLive());
  std::atomic<bool> done{false};
  std::thread waiter([&] {
    semaphore.wait();
    done = true;
  });
  for (int i = 0; i < 3; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    pthread_kill(waiter.native_handle(), SIGUSR1);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(done) << "an interrupted wait must wait again";
  EXPECT_GE(gSignals.load(), 1);
  semaphore.post();
  waiter.join();
  sigaction(SIGUSR1, &previous, nullptr);
}
