// The lock of one analyzer session, shared by the application's control
// calls and the stream's reader. The reader holds it for one bounded fetch
// at a time and lets every waiting control call go first, so a control call
// waits at most for the fetch in flight. Whatever a reader waits for (an
// activation, the end of a control call, closing) it waits for on the
// condition, with the lock released.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace zuvexasoapy {

class SessionGate {
public:
  using Clock = std::chrono::steady_clock;

  // A control call's hold on the session; its end wakes the reader.
  class ControlHold {
  public:
    explicit ControlHold(SessionGate &gate);
    ~ControlHold();
    ControlHold(const ControlHold &) = delete;
    ControlHold &operator=(const ControlHold &) = delete;

  private:
    SessionGate &gate_;
  };

  std::unique_lock<std::mutex> ReaderHold() { return std::unique_lock(mutex_); }

  // With the reader's hold: waits, the lock released, until `ready` holds
  // and no control call waits, or until `deadline`; whether it got there.
  template <class Ready>
  bool WaitUntil(std::unique_lock<std::mutex> &hold, Clock::time_point deadline, Ready ready) {
    return changed_.wait_until(hold, deadline, [&] { return waiting_.load() == 0 && ready(); });
  }

  // Wakes every waiter to look at what changed (the reader's own news).
  void Notify() { changed_.notify_all(); }

private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::atomic<int> waiting_{0}; // control calls waiting for the lock
};

} // namespace zuvexasoapy
