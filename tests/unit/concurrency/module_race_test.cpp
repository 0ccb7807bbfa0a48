#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "redirector/modules/ModuleRegistry.h"

using namespace zumodules;

TEST(ModuleRegistry, FirstAcquisitionRaceYieldsOneTable) {
  ModuleRegistry registry;
  constexpr int kThreads = 8;
  std::vector<const EntryPointTable *> tables(kThreads, nullptr);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i)
    threads.emplace_back([&, i] { registry.Acquire(kTov, tables[i]); });
  for (auto &t : threads) t.join();
  for (const EntryPointTable *table : tables) {
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table, tables[0]);
  }
}
