#include "zu/dsc/CZUMutex.h"

#include <gtest/gtest.h>

#include <thread>

namespace zu::dsc {
namespace {

TEST(CZUMutexTest, RecordsItsHolderAndCountersStayExactUnderManyThreads) {
  CZUMutex mutex;
  EXPECT_FALSE(mutex.isHeldByCaller());
  mutex.lock();
  EXPECT_TRUE(mutex.isHeldByCaller());
  bool heldByOther = true;
  std::thread([&] { heldByOther = mutex.isHeldByCaller(); }).join();
  EXPECT_FALSE(heldByOther);
  mutex.unlock();
  EXPECT_FALSE(mutex.isHeldByCaller());
  constexpr int kThreads = 8, kRounds = 20000;
  uint32_t counter = 0;
  EXPECT_EQ(CounterIncrement(counter), 1u);
  EXPECT_EQ(CounterDecrement(counter), 0u);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&counter, t] {
      for (int i = 0; i < kRounds; ++i) {
        CounterIncrement(counter);
        if (t % 2 == 0) CounterDecrement(counter);
      }
    });
  for (auto &thread : threads) thread.join();
  EXPECT_EQ(counter, uint32_t{kThreads / 2 * kRounds});
}

} // namespace
} // namespace zu::dsc
