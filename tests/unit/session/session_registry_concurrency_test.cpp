#include <gtest/gtest.h>

#include <atomic>
#include <map>
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

namespace {

const zumodules::EntryPointTable *TableOf(ViSession vi) {
  return reinterpret_cast<const zumodules::EntryPointTable *>(uintptr_t{vi} * 16);
}

// Engine sessions whose descriptors tell which handle they belong to.
std::map<ViSession, std::string> CreateEngineSessions(const char *prefix, int count) {
  std::map<ViSession, std::string> sessions;
  for (int i = 0; i < count; ++i) {
    std::string descriptor = prefix + std::to_string(i);
    ViSession vi = 0;
    EXPECT_EQ(IviStandin_CreateSession(descriptor.c_str(), VI_FALSE, &vi), 0);
    sessions.emplace(vi, descriptor);
  }
  return sessions;
}

} // namespace

// One thread keeps adding and removing sessions (the index grows, sessions
// shift in their probe runs, descriptor storage is reused) while others look
// sessions up by handle. A session that stays is always found whole; one that
// comes and goes is found whole or not at all, never with another session's
// table, kind or descriptor.
TEST(SessionRegistryConcurrency, LookupsByHandleDuringChurnSeeWholeSessions) {
  IviStandin_Reset();
  SessionRegistry registry;
  const auto stable = CreateEngineSessions("stable-", 40);
  const auto churning = CreateEngineSessions("churning-", 120);
  for (const auto &[vi, descriptor] : stable)
    ASSERT_EQ(registry.AddSession(vi, L"stable", kNormal, TableOf(vi)), 0);
  auto kindOf = [](ViSession vi) { return static_cast<SessionKind>(vi % 3); };
  std::atomic<bool> done{false}, wrong{false};

  auto writer = [&] {
    for (int round = 0; round < 60; ++round) {
      for (const auto &[vi, descriptor] : churning)
        if (registry.AddSession(vi, L"churning", kindOf(vi), TableOf(vi)) != 0) wrong = true;
      for (auto it = churning.rbegin(); it != churning.rend(); ++it)
        if (registry.RemoveSession(it->first) != 0) wrong = true;
    }
    done = true;
  };
  auto check = [&](ViSession vi, const std::string &descriptor, SessionKind expectedKind, bool mustExist) {
    const zumodules::EntryPointTable *table = nullptr;
    ViStatus status = registry.FindTable(vi, table);
    if (status == ZUVEXA_ERROR_INVALID_SESSION && !mustExist) return;
    if (status != 0 || table != TableOf(vi)) wrong = true;
    char text[kDescriptorSize];
    status = registry.FindResourceDescriptor(vi, text, sizeof text);
    if ((status != 0 || text != descriptor) && (mustExist || status != ZUVEXA_ERROR_INVALID_SESSION)) wrong = true;
    SessionKind kind = kNormal;
    status = registry.FindSessionKind(vi, kind);
    if ((status != 0 || kind != expectedKind) && (mustExist || status != ZUVEXA_ERROR_INVALID_SESSION)) wrong = true;
  };
  auto reader = [&] {
    while (!done && !wrong) {
      for (const auto &[vi, descriptor] : stable) check(vi, descriptor, kNormal, true);
      for (const auto &[vi, descriptor] : churning) check(vi, descriptor, kindOf(vi), false);
    }
  };

  std::thread readers[] = {std::thread(reader), std::thread(reader), std::thread(writer)};
  for (auto &t : readers) t.join();
  EXPECT_FALSE(wrong);
  ViSession first = 0;
  EXPECT_EQ(registry.FindSessionByDevice(L"churning", kindOf(churning.begin()->first), first),
            ZUVEXA_ERROR_CANNOT_RECOVER);
  EXPECT_EQ(registry.FindSessionByDevice(L"stable", kNormal, first), 0);
  EXPECT_EQ(first, stable.begin()->first);
}

// The same at the level of the index, fast enough for many thousands of
// changes: sessions that stay must be found whole while their neighbours in
// the probe runs come and go around them.
TEST(SessionIndexConcurrency, StableSessionsStayVisibleWhileNeighboursChurn) {
  SessionIndex index;
  constexpr ViSession kStable = 48, kChurning = 80;
  auto add = [&](ViSession vi) {
    index.Reserve();
    index.Insert(vi, {vi % 3, TableOf(vi)}, std::to_string(vi).c_str());
  };
  for (ViSession vi = 1; vi <= kStable; ++vi) add(vi);
  std::atomic<bool> done{false}, wrong{false};

  auto writer = [&] {
    for (int round = 0; round < 1500 && !wrong; ++round) {
      for (ViSession i = 0; i < kChurning; ++i) add(1000 + (i * 37 + round) % kChurning);
      for (ViSession i = 0; i < kChurning; ++i) index.Remove(1000 + (i * 53 + round) % kChurning);
    }
    done = true;
  };
  auto reader = [&] {
    char descriptor[kDescriptorSize];
    while (!done && !wrong) {
      for (ViSession vi = 1; vi <= kStable; ++vi) {
        IndexedSession session;
        SessionIndex::Lookup found = index.Find(vi, session); // kBusy: met the writer too often
        if (found == SessionIndex::Lookup::kAbsent ||
            (found == SessionIndex::Lookup::kFound &&
             (session.table != TableOf(vi) || session.kind != vi % 3)))
          wrong = true;
        if (index.FindDescriptor(vi, descriptor) == SessionIndex::Lookup::kFound &&
            descriptor != std::to_string(vi))
          wrong = true;
      }
    }
  };
  std::thread threads[] = {std::thread(reader), std::thread(writer)};
  for (auto &t : threads) t.join();
  EXPECT_FALSE(wrong);
}
