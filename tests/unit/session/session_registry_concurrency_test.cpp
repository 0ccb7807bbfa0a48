#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ivi_standin.h"
#include "redirector/api/SessionRegistry.h"
#include "status/StatusCodes.h"

using namespace zuapi;

// Threads add, look up and remove sessions at once; every lookup sees either
// a whole record or none, and the registry ends empty.
TEST(SessionRegistryConcurrency, AddRemoveLookupTogether) {
  IviStandin_Reset();
  SessionRegistry registry;
  const auto *table = reinterpret_cast<const zumodules::EntryPointTable *>(0x1000);
  constexpr int kThreads = 4, kRounds = 300;
  std::atomic<bool> wrong{false};

  auto worker = [&](int id) {
    for (int round = 0; round < kRounds; ++round) {
      ViSession vi = static_cast<ViSession>(1000 + id * kRounds + round);
      std::wstring key = L"device-" + std::wstring(1, wchar_t(L'a' + id));
      if (registry.AddSession(vi, key, kNormal, table) != 0) wrong = true;
      const zumodules::EntryPointTable *found = nullptr;
      if (registry.FindTable(vi, found) != 0 || found != table) wrong = true;
      ViSession byDevice = 0;
      if (registry.FindSessionByDevice(key, kNormal, byDevice) != 0 || byDevice != vi) wrong = true;
      if (registry.RemoveSession(vi) != 0) wrong = true;
    }
  };
  auto reader = [&] {
    for (int i = 0; i < kThreads * kRounds; ++i) {
      const zumodules::EntryPointTable *found = nullptr;
      ViStatus status = registry.FindTable(static_cast<ViSession>(1000 + i), found);
      if (status == 0 && found != table) wrong = true;
    }
  };

  std::vector<std::thread> threads;
  for (int id = 0; id < kThreads; ++id) threads.emplace_back(worker, id);
  threads.emplace_back(reader);
  for (auto &t : threads) t.join();
  EXPECT_FALSE(wrong);
  ViSession any = 0;
  EXPECT_EQ(registry.FindSessionByDevice(L"device-a", kNormal, any), ZUVEXA_ERROR_CANNOT_RECOVER);
}
