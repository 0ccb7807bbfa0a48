#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <shared_mutex>
#include <thread>
#include <vector>

#include "zuapal/protons/synchronization/tRegistryLock.h"

using namespace zuapal;

TEST(RegistryLock, ReadersShareWritersExcludeAndAReaderMayReenter) {
  StatusRecord status;
  tRegistryLock lock(status);
  ASSERT_EQ(status.code, 0);
  {
    std::shared_lock outer(lock);
    std::shared_lock inner(lock); // would deadlock if the reader mutex were not recursive
  }
  std::atomic<int> readers{0}, writers{0};
  std::atomic<bool> violation{false};
  long shared = 0;
  auto reader = [&] {
    for (int i = 0; i < 2000; ++i) {
      std::shared_lock guard(lock);
      ++readers;
      if (writers.load() != 0) violation = true;
      --readers;
    }
  };
  auto writer = [&] {
    for (int i = 0; i < 2000; ++i) {
      std::lock_guard guard(lock);
      if (++writers != 1 || readers.load() != 0) violation = true;
      ++shared;
      --writers;
    }
  };
  std::vector<std::thread> threads;
  for (int i = 0; i < 3; ++i) threads.emplace_back(reader);
  for (int i = 0; i < 2; ++i) threads.emplace_back(writer);
  for (auto &t : threads) t.join();
  EXPECT_FALSE(violation);
  EXPECT_EQ(shared, 4000);
}
