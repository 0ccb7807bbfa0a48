// First uses racing: the first lookups of a process to create the framework, the first acquisitions of a
// module to load it.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "../dvl/StandinSupport.h"
#include "redirector/modules/ModuleRegistry.h"

namespace {

TEST(DeviceLookupConcurrency, FirstLookupsCreateOneFrameworkAskEachExpertOnceAndStoreOneEntry) {
  SysapiStandin_AddExpert("zu-vexa");
  devtest::AddStandinDevice("CcDev0", "CcAlias0", 0x1B01);
  std::atomic<bool> go{false};
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&] {
      while (!go) std::this_thread::yield();
      devtest::Resolution result = devtest::ResolveInProcess("CcAlias0");
      if (result.status != VI_SUCCESS || result.record.deviceIdentifier != L"CcDev0") ++failures;
    });
  go = true;
  for (auto &thread : threads) thread.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK), 1);
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_GET_EXPERT),
            static_cast<int64_t>(dvlShared::ExpertProbeOrder().size()));
  EXPECT_EQ(SysapiStandin_HandlerCount(), 1);
  EXPECT_EQ(dvlShared::DeviceStore().Count(), 1u);
}

TEST(ModuleRegistry, FirstAcquisitionRaceYieldsOneTable) {
  zumodules::ModuleRegistry registry;
  constexpr int kThreads = 8;
  std::vector<const zumodules::EntryPointTable *> tables(kThreads, nullptr);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i)
    threads.emplace_back([&, i] { registry.Acquire(zumodules::kTov, tables[i]); });
  for (auto &t : threads) t.join();
  for (const zumodules::EntryPointTable *table : tables) {
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table, tables[0]);
  }
}

} // namespace
