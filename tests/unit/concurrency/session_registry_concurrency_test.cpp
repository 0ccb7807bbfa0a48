#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <map>
#include <string>
#include <thread>

#include "ivi_standin.h"
#include "redirector/api/SessionRegistry.h"
#include "redirector/api/TestSeam.h"
#include "status/StatusCodes.h"

using namespace zuapi;

namespace {

using EngineSessions = std::map<ViSession, std::string>;

const zumodules::EntryPointTable *TableOf(ViSession vi) {
  return reinterpret_cast<const zumodules::EntryPointTable *>(uintptr_t{vi} * 16);
}
SessionKind KindOf(ViSession vi) { return static_cast<SessionKind>(vi % 3); }

// Engine sessions whose descriptors tell which handle they belong to.
EngineSessions CreateEngineSessions(const std::string &prefix, int count) {
  EngineSessions sessions;
  for (int i = 0; i < count; ++i) {
    ViSession vi = 0;
    EXPECT_EQ(IviStandin_CreateSession((prefix + std::to_string(i)).c_str(), VI_FALSE, &vi), 0);
    sessions.emplace(vi, prefix + std::to_string(i));
  }
  return sessions;
}

} // namespace

// Readers during churn (the index's slots moving and growing) find a session whole or not at all, never
// with another's table, kind or descriptor.
TEST(SessionRegistryConcurrency, LookupsDuringChurnSeeWholeSessions) {
  IviStandin_Reset();
  SessionRegistry registry;
  const EngineSessions stable = CreateEngineSessions("stable-", 40);
  const EngineSessions churning[] = {CreateEngineSessions("churn-a-", 60),
                                     CreateEngineSessions("churn-b-", 60)};
  const std::wstring devices[] = {L"churn-a", L"churn-b"};
  for (const auto &[vi, descriptor] : stable)
    ASSERT_EQ(registry.AddSession(vi, L"stable", kNormal, TableOf(vi)), 0);
  std::atomic<int> writing{2};
  std::atomic<bool> wrong{false};

  auto writer = [&](int w) {
    ViSession oldestNormal = 0;
    for (const auto &[vi, descriptor] : churning[w])
      if (oldestNormal == 0 && KindOf(vi) == kNormal) oldestNormal = vi;
    for (int round = 0; round < 600; ++round) {
      for (const auto &[vi, descriptor] : churning[w])
        if (registry.AddSession(vi, devices[w], KindOf(vi), TableOf(vi)) != 0) wrong = true;
      ViSession found = 0;
      if (registry.FindSessionByDevice(devices[w], kNormal, found) != 0 || found != oldestNormal)
        wrong = true;
      for (auto it = churning[w].rbegin(); it != churning[w].rend(); ++it)
        if (registry.RemoveSession(it->first) != 0) wrong = true;
    }
    --writing;
  };
  // Each lookup finds the session whole or, where it may be gone, not at all.
  auto check = [&](ViSession vi, const std::string &descriptor, SessionKind expectedKind, bool mustExist) {
    const zumodules::EntryPointTable *table = nullptr;
    char text[kDescriptorSize] = {};
    SessionKind kind = kNormal;
    const ViStatus found[] = {registry.FindTable(vi, table),
                              registry.FindResourceDescriptor(vi, text, sizeof text),
                              registry.FindSessionKind(vi, kind)};
    const bool right[] = {table == TableOf(vi), text == descriptor, kind == expectedKind};
    for (int i = 0; i < 3; ++i)
      if ((found[i] != 0 || !right[i]) && (mustExist || found[i] != ZUVEXA_ERROR_INVALID_SESSION))
        wrong = true;
  };
  auto reader = [&] {
    while (writing > 0 && !wrong) {
      for (const auto &[vi, descriptor] : stable) check(vi, descriptor, kNormal, true);
      for (const EngineSessions &sessions : churning)
        for (const auto &[vi, descriptor] : sessions) check(vi, descriptor, KindOf(vi), false);
    }
  };

  std::thread threads[] = {std::thread(reader), std::thread(reader), std::thread(writer, 0),
                           std::thread(writer, 1)};
  for (auto &t : threads) t.join();
  EXPECT_FALSE(wrong);
  ViSession first = 0;
  for (const std::wstring &device : devices)
    EXPECT_EQ(registry.FindSessionByDevice(device, kNormal, first), ZUVEXA_ERROR_CANNOT_RECOVER);
  EXPECT_EQ(registry.FindSessionByDevice(L"stable", kNormal, first), 0);
  EXPECT_EQ(first, stable.begin()->first);
}

namespace {

// Holds a lookup by device under its read lock while another thread removes
// a session, and notes whether the removal finished before the lookup left.
struct RemovalDuringRead {
  static inline SessionRegistry *registry = nullptr;
  static inline ViSession removed = 0;
  static inline std::future<ViStatus> removal;
  static inline bool finishedDuringRead = false;

  static void StartRemoval(seam::Point point) {
    if (point != seam::Point::kDeviceListRead || removal.valid()) return;
    removal = std::async(std::launch::async, [] { return registry->RemoveSession(removed); });
    // Unlocked, the removal takes microseconds; locked, it cannot finish.
    finishedDuringRead = removal.wait_for(std::chrono::milliseconds(500)) == std::future_status::ready;
  }
};

} // namespace

// A removal waits for the readers of the registry: a lookup by device sees
// the sessions as they were when it took the read lock.
TEST(SessionRegistryConcurrency, RemovalWaitsForALookupByDevice) {
  IviStandin_Reset();
  SessionRegistry registry;
  const EngineSessions sessions = CreateEngineSessions("held-", 2);
  const ViSession oldest = sessions.begin()->first, newer = sessions.rbegin()->first;
  for (ViSession vi : {oldest, newer}) ASSERT_EQ(registry.AddSession(vi, L"held", kNormal, TableOf(vi)), 0);
  RemovalDuringRead::registry = &registry;
  RemovalDuringRead::removed = oldest;
  seam::hook = &RemovalDuringRead::StartRemoval;
  ViSession found = 0;
  EXPECT_EQ(registry.FindSessionByDevice(L"held", kNormal, found), 0);
  seam::hook = nullptr;
  EXPECT_FALSE(RemovalDuringRead::finishedDuringRead);
  EXPECT_EQ(found, oldest);
  EXPECT_EQ(RemovalDuringRead::removal.get(), 0);
  EXPECT_EQ(registry.FindSessionByDevice(L"held", kNormal, found), 0);
  EXPECT_EQ(found, newer);
}
