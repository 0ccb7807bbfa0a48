// The tracing library is looked for once, lazily, by its file name; without
// it every shim does nothing and tracing is off.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <atomic>
#include <thread>
#include <vector>

#include "tracing/PeekLibrary.h"

namespace {

std::atomic<int> gOpens{0};
void *MissingLibrary(const char *file, int mode) {
  EXPECT_STREQ(file, "libZuPeekLog.so");
  EXPECT_EQ(mode, RTLD_NOW);
  ++gOpens;
  return nullptr;
}

TEST(TracingLoader, WithoutTheLibraryItIsLookedForOnceOnly) {
  zutrace::testing::ResetLoader(&MissingLibrary);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([] {
      for (int i = 0; i < 100; ++i) EXPECT_FALSE(zutrace::TracingEnabled());
    });
  for (auto &thread : threads) thread.join();
  zutrace::PeekRecord record = zutrace::BeginRecord(9, "zuVEXA_Commit");
  EXPECT_EQ(record, nullptr);
  zutrace::SetParam(nullptr, 0, nullptr, 8, 8, "dummyerror", 14);
  zutrace::EndParams(nullptr, 1);
  zutrace::SetFunctionReturn(nullptr, 0, nullptr, 1);
  zutrace::EndReturns(&record, 1);
  zutrace::FreeRecord(nullptr);
  ASSERT_NE(zutrace::ModeLocation(), nullptr);
  EXPECT_EQ(*zutrace::ModeLocation(), 0);
  EXPECT_EQ(gOpens, 1);
  zutrace::testing::ResetLoader(nullptr);
}

} // namespace
