#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "SeamErrorTree.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"

TEST(DescriptionConcurrency, EightThreadsGetTheirOwnDescriptions) {
  errortest::SeamErrorTree tree;
  const char *languages[] = {"English", "French", "German", "Japanese"};
  for (int language = 0; language < 4; ++language) {
    testsupport::ErrorEntries entries;
    for (int code = 1; code <= 8; ++code)
      entries.push_back(
          {std::to_string(code), std::string(languages[language]) + " " + std::to_string(code)});
    tree.Driver(languages[language], "d.err", entries);
  }
  IviStandin_Reset();
  constexpr int kThreads = 8, kRounds = 40;
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    ViSession vi = 0;
    ASSERT_EQ(IviStandin_CreateSession("dev", VI_FALSE, &vi), 0);
    const int language = t % 4;
    IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, language);
    threads.emplace_back([&, vi, t, language] {
      const ViStatus code = t + 1;
      const std::string expected = std::string(languages[language]) + " " + std::to_string(code);
      for (int round = 0; round < kRounds; ++round) {
        char text[64] = {};
        if (zuVEXA_GetErrorMessage(vi, code, sizeof text, text) != 0 || expected != text) ++mismatches;
      }
    });
  }
  for (std::thread &thread : threads) thread.join();
  EXPECT_EQ(mismatches.load(), 0);
}
