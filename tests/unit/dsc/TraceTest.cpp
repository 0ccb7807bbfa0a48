#include "zu/dsc/Trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zu::dsc {
namespace {

std::vector<std::string> gCaptured;

void Capture(const char *text) { gCaptured.emplace_back(text); }

int FailingFormat(char *, size_t, const char *, va_list) { return -1; }

class ConsoleTraceTest : public ::testing::Test {
protected:
  void SetUp() override {
    gCaptured.clear();
    previousOutput_ = SetTraceOutputHook(Capture);
  }
  void TearDown() override {
    SetTraceOutputHook(previousOutput_);
    SetTraceFormatHook(nullptr);
  }

  tConsoleTraceDestination destination_;

private:
  TraceOutputHook previousOutput_ = nullptr;
};

TEST_F(ConsoleTraceTest, WritesAreCutAt511CharactersAndWriteNAtN) {
  destination_.write("%s", std::string(600, 'x').c_str());
  destination_.writeN("abcdef", 3);
  destination_.writeN("ab", 10);
  destination_.writeN(std::string(700, 'y').c_str(), 700);
  EXPECT_EQ(gCaptured, (std::vector<std::string>{std::string(511, 'x'), "abc", "ab", std::string(511, 'y')}));
}

TEST_F(ConsoleTraceTest, FormattingFailureEmitsNothing) {
  SetTraceFormatHook(FailingFormat);
  destination_.write("%d", 1);
  EXPECT_TRUE(gCaptured.empty());
}

TEST_F(ConsoleTraceTest, DescribeCutsToBufferAndReportsNeededSize) {
  char small[5] = {'#', '#', '#', '#', '#'};
  size_t needed = 0;
  destination_.describeAsOption(small, sizeof small, needed);
  EXPECT_STREQ(small, " --d");
  EXPECT_EQ(needed, 20u);

  char exact[20];
  destination_.describeAsOption(exact, sizeof exact, needed);
  EXPECT_STREQ(exact, " --destination apal");

  needed = 0;
  destination_.describeAsOption(nullptr, 0, needed);
  EXPECT_EQ(needed, 20u);
}

TEST_F(ConsoleTraceTest, ProcessTraceWritesThroughTheConsoleDestination) {
  tTrace &trace = ProcessTrace();
  EXPECT_EQ(&trace.destination(), &ConsoleTraceDestination());
  EXPECT_STREQ(trace.destination().name(), "zusdbg_printf");
  EXPECT_TRUE(trace.destination().isReady());
  trace.write("%u-%s", 7u, "go");
  ASSERT_EQ(gCaptured.size(), 1u);
  EXPECT_EQ(gCaptured[0], "7-go");
}

} // namespace
} // namespace zu::dsc
