#include <atomic>
#include <chrono>
#include <thread>

#include "IviTestSupport.h"

namespace {

using namespace std::chrono_literals;
using IviLock = IviStandinTest;

// Starts a thread that locks vi and records when it got the lock.
struct Contender {
  std::atomic<bool> done{false};
  std::atomic<ViStatus> status{1};
  std::thread thread;

  explicit Contender(ViSession vi) {
    thread = std::thread([this, vi] {
      status = Ivi_LockSession(vi, nullptr);
      done = true;
      if (status == VI_SUCCESS) Ivi_UnlockSession(vi, nullptr);
    });
  }
  ~Contender() {
    if (thread.joinable()) thread.join();
  }
};

TEST_F(IviLock, OtherThreadWaitsUntilEveryRecursiveLockIsReleased) {
  const ViSession vi = NewSession();
  ASSERT_EQ(Ivi_LockSession(vi, nullptr), VI_SUCCESS);
  ASSERT_EQ(Ivi_LockSession(vi, nullptr), VI_SUCCESS);
  Contender other(vi);
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(other.done);
  ASSERT_EQ(Ivi_UnlockSession(vi, nullptr), VI_SUCCESS);
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(other.done) << "still locked once";
  ASSERT_EQ(Ivi_UnlockSession(vi, nullptr), VI_SUCCESS);
  other.thread.join();
  EXPECT_EQ(other.status, VI_SUCCESS);
}

TEST_F(IviLock, CallerHasLockFlagMakesUnlockSafeAfterFailedLock) {
  const ViSession vi = NewSession();
  ViBoolean hasLock = VI_FALSE;
  ASSERT_EQ(Ivi_LockSession(vi, &hasLock), VI_SUCCESS);
  EXPECT_EQ(hasLock, VI_TRUE);
  ASSERT_EQ(Ivi_LockSession(vi, &hasLock), VI_SUCCESS);  // already held: no second level
  ASSERT_EQ(Ivi_UnlockSession(vi, &hasLock), VI_SUCCESS);
  EXPECT_EQ(hasLock, VI_FALSE);
  EXPECT_EQ(Ivi_UnlockSession(vi, &hasLock), VI_SUCCESS) << "nothing held: nothing to do";
  Contender other(vi);
  other.thread.join();
  EXPECT_EQ(other.status, VI_SUCCESS) << "the lock was fully released";

  ViBoolean failed = VI_FALSE;
  EXPECT_EQ(Ivi_LockSession(vi + 1000, &failed), IVISTANDIN_ERROR_INVALID_SESSION);
  EXPECT_EQ(failed, VI_FALSE);
  EXPECT_EQ(Ivi_UnlockSession(vi + 1000, &failed), VI_SUCCESS);
}

TEST_F(IviLock, UnlockWithoutHoldingFails) {
  const ViSession vi = NewSession();
  EXPECT_EQ(Ivi_UnlockSession(vi, nullptr), IVISTANDIN_ERROR_LOCK_NOT_HELD);
  ASSERT_EQ(Ivi_LockSession(vi, nullptr), VI_SUCCESS);
  ViStatus fromOtherThread = 0;
  std::thread([&] { fromOtherThread = Ivi_UnlockSession(vi, nullptr); }).join();
  EXPECT_EQ(fromOtherThread, IVISTANDIN_ERROR_LOCK_NOT_HELD);
  EXPECT_EQ(Ivi_UnlockSession(vi, nullptr), VI_SUCCESS);
}

TEST_F(IviLock, DisposeReleasesAWaitingThread) {
  const ViSession vi = NewSession();
  ASSERT_EQ(Ivi_LockSession(vi, nullptr), VI_SUCCESS);
  Contender other(vi);
  std::this_thread::sleep_for(20ms);
  ASSERT_EQ(Ivi_Dispose(vi), VI_SUCCESS);
  other.thread.join();
  EXPECT_EQ(other.status, IVISTANDIN_ERROR_INVALID_SESSION);
  EXPECT_EQ(Ivi_UnlockSession(vi, nullptr), IVISTANDIN_ERROR_INVALID_SESSION);
}

}  // namespace
