// One application thread of the soak. It owns two devices (one it opens for
// real, one it opens simulated) and the sessions it opened, and runs a random
// mix of operations through the exported functions: opens of every kind,
// closes, forwarded calls, fetches, error descriptions, change notifications
// and calls on handles it closed. Every result that breaks the rules is
// recorded as a fault.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "zuVEXA.h"

namespace soak {

// What the threads share.
struct Shared {
  std::atomic<int64_t> budget{0}; // operations still to run
  std::chrono::steady_clock::time_point deadline;
  std::atomic<uint64_t> done{0}; // operations run; the watchdog's sign of progress
  std::mutex mutex;              // guards the two below
  std::set<ViSession> issued;    // every handle an open returned
  std::vector<std::string> faults;
};

// A device of the stand-in system configuration, with the module kind its
// product routes to.
struct Device {
  std::string name;
  int64_t productId;
  ViUInt32 kind;
  const char *model; // the same product as a DriverSetup model
};

// The devices of worker `index`: [0] is opened for real, [1] simulated.
std::vector<Device> DevicesOf(int index);

class Worker {
public:
  Worker(int index, Shared &shared);
  // Runs operations until the budget or the time is used up, then closes
  // every session it still holds.
  void Run();

private:
  enum class SessionKind { Normal, Simulated, Modelled, Calibration };
  struct Session {
    ViSession vi;
    SessionKind kind;
  };

  // Each operation that needs a session (or a closed handle) falls back to
  // opening one (or to a description) when there is none.
  void Open();
  void Close(size_t index);
  void CloseAny();
  void Forward();
  void Fetch();
  void Describe();
  void Notify();
  void UseClosed();

  void Opened(ViStatus status, ViSession vi, SessionKind kind);
  Session &AnyOpen();
  void Expect(bool ok, const char *operation, ViStatus status);

  int index_;
  Shared &shared_;
  std::vector<Device> devices_;
  std::mt19937 random_;
  std::vector<Session> open_;
  std::vector<ViSession> closed_;
};

} // namespace soak
