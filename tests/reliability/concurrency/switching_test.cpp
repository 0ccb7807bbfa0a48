// Tracing switched on and off while eight threads call.
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "../../e2e/tracing/TraceSupport.h"

namespace tracing {
namespace {

constexpr int kThreads = 8;
constexpr int kCallsPerThread = 400;

TEST_F(TraceTest, SwitchingWhileEightThreadsCall) {
  std::vector<ViSession> sessions(kThreads);
  for (auto &session : sessions)
    ASSERT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, kOptions, &session), 0);
  ZuPeekControl_Clear();

  std::atomic<int> failures{0};
  std::atomic<bool> running{true};
  std::thread toggler([&] {
    for (int i = 1; running; ++i) {
      ZuPeekControl_SetEnabled(i % 2);
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  std::vector<std::thread> callers;
  for (int t = 0; t < kThreads; ++t)
    callers.emplace_back([&, session = sessions[t]] {
      for (int i = 0; i < kCallsPerThread; ++i) {
        ViReal64 rate = 0;
        if (zuVEXA_ConfigureIQRate(session, "", 1e6 + i) != 0) ++failures;
        if (zuVEXA_GetAttributeViReal64(session, "", 1150007, &rate) != 0) ++failures;
        if (zuVEXA_Commit(kNeverOpened) != kUnknownSession) ++failures;
      }
    });
  for (auto &caller : callers) caller.join();
  running = false;
  toggler.join();

  EXPECT_EQ(failures, 0);
  EXPECT_EQ(ZuPeekControl_OpenRecordCount(), 0);
  const int records = ZuPeekControl_RecordCount();
  EXPECT_GT(records, 0);
  for (int record = 0; record < records; ++record) {
    const int64_t returns = ZuPeekControl_ValueCount(record, kReturns);
    // A record whose results came after tracing was switched off has none.
    if (returns == 0) continue;
    ZuPeekValue status{};
    ASSERT_EQ(ZuPeekControl_Value(record, kReturns, static_cast<int>(returns - 1), &status), 0);
    EXPECT_EQ(status.typeCode, 23);
  }
}

} // namespace
} // namespace tracing
