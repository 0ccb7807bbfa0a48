// Threads resolving devices while the system configuration library's own
// thread delivers change notifications and others forget devices.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "DeviceTestSupport.h"
#include "StandinSupport.h"

namespace {

using devtest::ResolveInProcess;
using devtest::StandinDevice;

constexpr int kDevices = 6;

std::string DeviceName(int i) { return "CcDev" + std::to_string(i); }
std::string AliasName(int i) { return "CcAlias" + std::to_string(i); }

void InstallDevices() {
  SysapiStandin_AddExpert("zu-vexa");
  for (int i = 0; i < kDevices; ++i) {
    std::string name = DeviceName(i), alias = AliasName(i);
    SysapiStandinDevice device = StandinDevice(name.c_str(), alias.c_str(), i % 2 ? 0x1C02 : 0x1B01);
    SysapiStandin_AddDevice(&device);
  }
}

// Runs `body(thread)` on `count` threads released together.
template <class Body> void RunTogether(int count, Body body) {
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < count; ++t)
    threads.emplace_back([&, t] {
      while (!go) std::this_thread::yield();
      body(t);
    });
  go = true;
  for (auto &thread : threads) thread.join();
}

// Kept first: the framework of the process is created by these threads.
TEST(DeviceLookupConcurrency, FirstLookupsCreateOneFrameworkAndOneEntry) {
  InstallDevices();
  std::atomic<int> failures{0};
  RunTogether(8, [&](int) {
    devtest::Resolution result = ResolveInProcess("CcAlias0");
    if (result.status != VI_SUCCESS || result.record.deviceIdentifier != L"CcDev0") ++failures;
  });
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK), 1);
  EXPECT_EQ(SysapiStandin_HandlerCount(), 1);
  EXPECT_EQ(dvlShared::DeviceStore().Count(), 1u);
}

TEST(DeviceLookupConcurrency, ResolvingWhileNotificationsInvalidate) {
  InstallDevices();
  // The notifications need the observer, registered with the framework.
  ASSERT_EQ(ResolveInProcess(AliasName(0).c_str()).status, VI_SUCCESS);
  std::atomic<bool> notifying{true};
  std::atomic<int> wrong{0}, notifyFailures{0}, searched{0};
  std::thread notifier([&] {
    std::vector<std::string> names;
    std::vector<const char *> texts;
    for (int i = 0; i < kDevices; ++i) names.push_back("//localhost/" + DeviceName(i));
    for (const auto &name : names) texts.push_back(name.c_str());
    for (int round = 0; round < 30; ++round) {
      if (SysapiStandin_NotifyChange(2, texts.data(), kDevices) != 0) ++notifyFailures;
      dvlShared::ForgetDevice(AliasName(round % kDevices).c_str());
      std::this_thread::yield();
    }
    notifying = false;
  });
  RunTogether(4, [&](int t) {
    for (int i = 0; notifying || i < 100; ++i) {
      int device = (i + t) % kDevices;
      devtest::Resolution result = ResolveInProcess(AliasName(device).c_str());
      const std::string name = DeviceName(device);
      const std::wstring expected(name.begin(), name.end());
      if (result.status != VI_SUCCESS || result.record.deviceIdentifier != expected ||
          result.record.moduleKind != (device % 2 ? 5u : 1u))
        ++wrong;
      if (!result.fromCache) ++searched;
    }
  });
  notifier.join();
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(notifyFailures, 0);
  EXPECT_GT(searched, kDevices); // invalidations made later lookups search again
  EXPECT_LE(dvlShared::DeviceStore().Count(), static_cast<size_t>(kDevices));
  EXPECT_EQ(SysapiStandin_LiveObjectCount(), 1); // only the framework stays
}

TEST(DeviceLookupConcurrency, ThePimloQuestionIsAskedOnce) {
  devtest::FakeSystem system;
  sysapi::ISysFramework *framework = system.framework;
  std::atomic<int> failures{0};
  RunTogether(8, [&](int) {
    bool present = true;
    if (system.discovery->PimloPresent(framework, present) != VI_SUCCESS || present) ++failures;
  });
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(system.framework->expertCalls, 1);
}

} // namespace
