// Eight threads open, use and close sessions of every kind while the system
// configuration reports changes; afterwards no handle is lost, reused or left
// open. A watchdog aborts on a stall (deadlock). ZUVEXA_SOAK_OPERATIONS and
// ZUVEXA_SOAK_SECONDS size the run (scripts/soak.sh runs the long form).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <latch>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "StandIns.h"
#include "zuVEXA.h"

namespace soak {
namespace {

constexpr int kThreads = 8;
constexpr auto kStallLimit = std::chrono::seconds(60);
constexpr size_t kMaxOpenSessions = 4;
constexpr size_t kMaxFaults = 20;
constexpr ViInt64 kSamples = 100;

struct Shared {
  std::atomic<int64_t> budget{0}; // operations still to run
  std::chrono::steady_clock::time_point deadline;
  std::atomic<uint64_t> done{0}; // operations run; the watchdog's sign of progress
  std::mutex mutex;              // guards the two below
  std::set<ViSession> issued;    // every handle an open returned
  std::vector<std::string> faults;
};

// A stand-in device, the module kind its product routes to, and its model.
struct Device {
  std::string name;
  int64_t productId;
  ViUInt32 kind;
  const char *model;
};

// Worker `index`'s devices: [0] is opened for real, [1] simulated.
std::vector<Device> DevicesOf(int index) {
  static const Device kProducts[] = {
      {"", 0x1B02, 1, "Q106"}, {"", 0x1A03, 2, "Q103"}, {"", 0x1C02, 5, "Q118"}, {"", 0x1C08, 6, "Q125"}};
  Device device = kProducts[index % 4], simulated = device;
  device.name = "Soak" + std::to_string(index);
  simulated.name = device.name + "s";
  return {device, simulated};
}

// One application thread; every result that breaks the rules is a fault.
class Worker {
public:
  Worker(int index, Shared &shared)
      : index_(index), shared_(shared), devices_(DevicesOf(index)), random_(0x5eed + index) {}

  void Run() {
    struct Share {
      int percent;
      void (Worker::*operation)();
    };
    static constexpr Share kMix[] = {{30, &Worker::Open},    {20, &Worker::CloseAny}, {20, &Worker::Forward},
                                     {12, &Worker::Fetch},   {10, &Worker::Describe}, {3, &Worker::Notify},
                                     {5, &Worker::UseClosed}};
    Open(); // every thread opens first, so the modules are loaded while all of them race
    while (shared_.budget.fetch_sub(1) > 0 && std::chrono::steady_clock::now() < shared_.deadline) {
      int pick = std::uniform_int_distribution<int>(0, 99)(random_);
      const Share *share = kMix;
      while (pick >= share->percent) pick -= (share++)->percent;
      (this->*share->operation)();
      shared_.done.fetch_add(1, std::memory_order_relaxed);
    }
    while (!open_.empty()) Close(open_.size() - 1);
  }

private:
  enum class Kind { Normal, Simulated, Modelled, Calibration };
  struct Session {
    ViSession vi;
    Kind kind;
  };

  void Open() {
    if (open_.size() >= kMaxOpenSessions) return Close(random_() % open_.size());
    const Device &device = devices_[0];
    const Kind kind = Kind(std::uniform_int_distribution<int>(0, 3)(random_));
    // Normal, Simulated and Modelled: resource name and options.
    const std::string names[] = {device.name, devices_[1].name, ""};
    const std::string options[] = {"", "Simulate=1",
                                   std::string("Simulate=1,DriverSetup=Model:") + device.model};
    ViSession vi = 0;
    const ViStatus status = kind == Kind::Calibration
                                ? zuVEXA_InitExtCal(device.name.c_str(), "secret", "", &vi)
                                : zuVEXA_InitWithOptions(names[int(kind)].c_str(), VI_FALSE, VI_FALSE,
                                                         options[int(kind)].c_str(), &vi);
    Expect(status == VI_SUCCESS && vi != 0, "open", status);
    if (status != VI_SUCCESS || vi == 0) return;
    // An open for real closes this thread's earlier normal session of the device.
    auto stale =
        std::find_if(open_.begin(), open_.end(), [](const Session &s) { return s.kind == Kind::Normal; });
    if (kind == Kind::Normal && stale != open_.end()) closed_.push_back(stale->vi), open_.erase(stale);
    Expect(BackendStandin_SessionKind(vi) == device.kind, "open routed to its module", status);
    std::unique_lock<std::mutex> hold(shared_.mutex);
    const bool fresh = shared_.issued.insert(vi).second;
    hold.unlock();
    Expect(fresh, "open returned a fresh handle", status);
    open_.push_back({vi, kind});
  }

  void Close(size_t index) {
    const Session session = open_[index];
    open_.erase(open_.begin() + static_cast<ptrdiff_t>(index));
    const ViStatus status =
        session.kind == Kind::Calibration ? zuVEXA_CloseExtCal(session.vi, 1500) : zuVEXA_close(session.vi);
    Expect(status == VI_SUCCESS, "close", status);
    closed_.push_back(session.vi);
  }

  void CloseAny() { open_.empty() ? Open() : Close(random_() % open_.size()); }
  ViSession AnyOpen() { return open_[random_() % open_.size()].vi; }

  // The call reaches this session's instrument and no other.
  void Forward() {
    if (open_.empty()) return Open();
    const ViSession vi = AnyOpen();
    const ViReal64 carrier = 1e9 + 1e3 * static_cast<double>(random_() % 100000);
    ViStatus status = zuVEXA_ConfigureIQCarrierFrequency(vi, "", carrier);
    Expect(status == VI_SUCCESS, "forwarded call", status);
    BackendStandinConfiguration configuration{};
    status = BackendStandin_GetConfiguration(vi, &configuration);
    Expect(status == VI_SUCCESS && configuration.carrierFrequency == carrier,
           "forwarded call reached its session", status);
  }

  void Fetch() {
    if (open_.empty()) return Open();
    ViReal64 data[2 * kSamples];
    WaveformInfo info{};
    const ViStatus status =
        zuVEXA_FetchIQSingleRecordComplexF64(AnyOpen(), "", 0, kSamples, 1.0, data, &info);
    Expect(status == VI_SUCCESS && info.actualSamples == kSamples, "fetch", status);
  }

  void Describe() {
    const ViSession vi = open_.empty() ? 0 : AnyOpen();
    char text[256];
    ViStatus code = 0;
    const unsigned which = random_() % 3;
    const ViStatus status = which == 0
                                ? zuVEXA_GetErrorMessage(vi, ZUVEXA_ERROR_INVALID_SESSION, sizeof text, text)
                            : which == 1 ? zuVEXA_error_message(vi, ZUVEXA_ERROR_OPTION_BAD_VALUE, text)
                                         : zuVEXA_GetError(vi, &code, sizeof text, text);
    Expect(status >= 0, "error description", status);
  }

  // Before any framework exists there is no handler to tell (S_NONE).
  void Notify() {
    const char *names[] = {devices_[0].name.c_str(), devices_[1].name.c_str()};
    const int32_t status = SysapiStandin_NotifyChange(2, names, 2);
    Expect(status == 0 || status == SYSAPISTANDIN_S_NONE, "change notification", status);
  }

  void UseClosed() {
    if (closed_.empty()) return Describe();
    const ViStatus status = zuVEXA_ConfigureIQCarrierFrequency(closed_[random_() % closed_.size()], "", 1e9);
    Expect(status == ZUVEXA_ERROR_INVALID_SESSION, "call on a closed handle", status);
  }

  void Expect(bool ok, const char *operation, ViStatus status) {
    if (ok) return;
    char fault[160];
    std::snprintf(fault, sizeof fault, "thread %d: %s: status 0x%08X", index_, operation,
                  static_cast<unsigned>(status));
    std::lock_guard<std::mutex> hold(shared_.mutex);
    if (shared_.faults.size() < kMaxFaults) shared_.faults.push_back(fault);
  }

  int index_;
  Shared &shared_;
  std::vector<Device> devices_;
  std::mt19937 random_;
  std::vector<Session> open_;
  std::vector<ViSession> closed_;
};

void Watch(const Shared &shared, const std::atomic<bool> &finished) {
  uint64_t seen = shared.done.load();
  auto progress = std::chrono::steady_clock::now();
  while (!finished.load()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (const uint64_t now = shared.done.load(); now != seen) {
      seen = now;
      progress = std::chrono::steady_clock::now();
    } else if (std::chrono::steady_clock::now() - progress > kStallLimit) {
      std::fprintf(stderr, "soak: no operation completed for %lld s after %llu operations: deadlock\n",
                   static_cast<long long>(kStallLimit.count()), static_cast<unsigned long long>(now));
      std::abort();
    }
  }
}

int64_t Setting(const char *name, int64_t fallback) {
  const char *value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoll(value, nullptr, 10) : fallback;
}

TEST(Soak, ThreadsOpenUseAndCloseSessionsWhileTheSystemChanges) {
  testsupport::ResetStandIns();
  for (int i = 0; i < kThreads; ++i)
    for (const Device &device : DevicesOf(i)) {
      SysapiStandinDevice entry{device.name.c_str(),    nullptr, "RIO0", device.productId, 0,
                                SYSAPISTANDIN_NO_VALUE, 0};
      ASSERT_EQ(SysapiStandin_AddDevice(&entry), 0);
    }
  const int64_t operations = Setting("ZUVEXA_SOAK_OPERATIONS", 20000);
  Shared shared;
  shared.budget = operations;
  shared.deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(Setting("ZUVEXA_SOAK_SECONDS", 30));
  const auto start = std::chrono::steady_clock::now();
  std::atomic<bool> finished{false};
  std::thread watchdog(Watch, std::cref(shared), std::cref(finished));
  std::latch ready(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i)
    threads.emplace_back([&, i] {
      Worker worker(i, shared);
      ready.arrive_and_wait();
      worker.Run();
    });
  for (std::thread &thread : threads) thread.join();
  finished = true;
  watchdog.join();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "soak: " << shared.done.load() << " of " << operations << " operations by " << kThreads
            << " threads in " << seconds << " s, " << shared.issued.size() << " sessions\n";

  for (const std::string &fault : shared.faults) ADD_FAILURE() << fault;
  EXPECT_GT(shared.issued.size(), 0u);
  for (ViSession vi : shared.issued)
    ASSERT_EQ(zuVEXA_close(vi), ZUVEXA_ERROR_INVALID_SESSION) << "session " << vi << " still registered";
  EXPECT_EQ(BackendStandin_SessionCount(), 0) << "backend sessions left open";
  EXPECT_EQ(IviStandin_SessionCount(), 0) << "IVI sessions left open";
  for (int i = 0; i < kThreads; ++i)
    for (const Device &device : DevicesOf(i)) {
      ViSession vi = 0;
      EXPECT_EQ(zuVEXA_GetViSessionByName(device.name.c_str(), &vi), ZUVEXA_ERROR_CANNOT_RECOVER)
          << device.name;
      EXPECT_EQ(vi, 0u);
    }
}

} // namespace
} // namespace soak
