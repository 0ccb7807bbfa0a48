#include "zu/dsc/Trace.h"

#include <gtest/gtest.h>

namespace zu::dsc {
namespace {

std::vector<std::string> gCaptured;

class ConsoleTraceTest : public ::testing::Test {
protected:
  void SetUp() override {
    gCaptured.clear();
    previousOutput_ = SetTraceOutputHook([](const char *text) { gCaptured.emplace_back(text); });
  }
  void TearDown() override {
    SetTraceOutputHook(previousOutput_);
    SetTraceFormatHook(nullptr);
  }

  tConsoleTraceDestination destination_;
  TraceOutputHook previousOutput_ = nullptr;
};

TEST_F(ConsoleTraceTest, WritesAreCutAt511CharactersAndWriteNAtNAndAFailedFormatEmitsNothing) {
  destination_.write("%s", std::string(600, 'x').c_str());
  destination_.writeN("abcdef", 3);
  destination_.writeN("ab", 10);
  destination_.writeN(std::string(700, 'y').c_str(), 700);
  SetTraceFormatHook([](char *, size_t, const char *, va_list) { return -1; });
  destination_.write("%d", 1);
  EXPECT_EQ(gCaptured, (std::vector<std::string>{std::string(511, 'x'), "abc", "ab", std::string(511, 'y')}));
}

TEST_F(ConsoleTraceTest, DescribeCutsToBufferAndProcessTraceWritesThroughTheConsole) {
  char small[5] = {'#', '#', '#', '#', '#'};
  size_t needed = 0;
  destination_.describeAsOption(small, sizeof small, needed);
  EXPECT_STREQ(small, " --d");
  EXPECT_EQ(needed, 20u);
  char exact[20];
  destination_.describeAsOption(exact, sizeof exact, needed = 0);
  EXPECT_STREQ(exact, " --destination apal");
  EXPECT_EQ(needed, 20u);
  tTrace &trace = ProcessTrace();
  EXPECT_EQ(&trace.destination(), &ConsoleTraceDestination());
  EXPECT_STREQ(trace.destination().name(), "zusdbg_printf");
  trace.write("%u-%s", 7u, "go");
  EXPECT_EQ(gCaptured, std::vector<std::string>{"7-go"});
}

} // namespace
} // namespace zu::dsc
