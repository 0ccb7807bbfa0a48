// The IVI engine stand-in's error information and logical names, as the library's tests rely on them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>

#include "ThreadErrorInfo.h"
#include "ivi_standin.h"

namespace {

using Error = std::tuple<ViStatus, ViStatus, std::string>;                  // primary, secondary, elaboration
using Settings = std::pair<ViBoolean, std::string>;                         // simulating, driver setup
using Resolved = std::tuple<ViStatus, std::string, std::string, ViBoolean>; // status, name, options, logical

Error ReadError(ViSession vi) {
  const testsupport::ThreadError error = testsupport::ReadThreadError(vi);
  return {error.primary, error.secondary, error.elaboration};
}

Resolved Resolve(std::string name, std::string options = "") {
  char newName[256] = {}, newOptions[256] = {};
  ViBoolean isLogical = 2;
  const ViStatus status =
      Ivi_GetInfoFromResourceName(name.data(), options.data(), newName, newOptions, &isLogical);
  return {status, newName, newOptions, isLogical};
}

// The temporary session of the name this thread resolved last, as the open path reads it.
Settings TemporarySession(const std::string &options) {
  ViSession vi = 0;
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", options.c_str(), &vi), VI_SUCCESS);
  char setup[256] = {};
  EXPECT_EQ(Ivi_GetAttributeViString(vi, nullptr, IVI_ATTR_DRIVER_SETUP, 0, 256, setup), 0);
  Settings settings{Ivi_Simulating(vi), setup};
  EXPECT_EQ(Ivi_Dispose(vi), VI_SUCCESS);
  return settings;
}

class IviStandinTest : public ::testing::Test {
protected:
  void SetUp() override {
    unsetenv("ZUVEXA_IVI_CONFIG");
    IviStandin_Reset();
    ASSERT_EQ(IviStandin_CreateSession("PXI1Slot2", VI_FALSE, &vi_), VI_SUCCESS);
  }
  void TearDown() override {
    unlink(configPath_.c_str());
    IviStandin_Reset();
  }

  ViSession vi_ = 0;
  std::string configPath_ = ::testing::TempDir() + "ivi_standin_" + std::to_string(getpid()) + ".conf";
};

constexpr ViStatus kFirst = static_cast<ViStatus>(0xBFFA0011);
constexpr ViStatus kSecond = static_cast<ViStatus>(0xBFFA000F);
constexpr ViStatus kWarning = static_cast<ViStatus>(0x3FFA0068);

TEST_F(IviStandinTest, FirstErrorStaysUnlessOverriddenReplacesOnlyWarningsAndStaysWithItsOwner) {
  Ivi_SetErrorInfo(vi_, VI_FALSE, kFirst, 7, "first");
  Ivi_SetErrorInfo(vi_, VI_FALSE, kSecond, 8, "second");
  EXPECT_EQ(ReadError(vi_), Error(kFirst, 7, "first"));
  Ivi_SetErrorInfo(vi_, VI_TRUE, kSecond, 3, nullptr);
  EXPECT_EQ(ReadError(vi_), Error(kSecond, 3, ""));
  ASSERT_EQ(Ivi_ClearErrorInfo(vi_), VI_SUCCESS);
  Ivi_SetErrorInfo(vi_, VI_FALSE, kWarning, 0, "warn");
  Ivi_SetErrorInfo(vi_, VI_FALSE, 0, 0, nullptr);
  EXPECT_EQ(ReadError(vi_), Error(kWarning, 0, "warn")) << "success does not wipe a warning";
  Ivi_SetErrorInfo(vi_, VI_FALSE, kFirst, 0, "err");
  EXPECT_EQ(ReadError(vi_), Error(kFirst, 0, "err"));

  EXPECT_EQ(std::get<0>(ReadError(0)), 0) << "the session's error must not reach the thread";
  Ivi_SetErrorInfo(0xDEAD, VI_FALSE, kSecond, 0, nullptr);
  EXPECT_EQ(std::get<0>(ReadError(0)), kSecond) << "an unknown handle records for the calling thread";
  Error other;
  std::thread([&] { other = ReadError(0); }).join();
  EXPECT_EQ(std::get<0>(other), 0) << "each thread has its own record";
}

// Configured options come first, memory hides file, names are cut to 255 characters.
TEST_F(IviStandinTest, LogicalNamesResolveFromFileAndMemoryWithTheirSettings) {
  std::ofstream(configPath_) << "# names\n  MyAnalyzer | PXI1Slot4 | 1 | Model:Q101 \n"
                                "Configured|PXI1Slot5|1|Model:Q102|Simulate=0\n";
  setenv("ZUVEXA_IVI_CONFIG", configPath_.c_str(), 1);
  EXPECT_EQ(Resolve("myanalyzer", "Cache=0"), Resolved(VI_SUCCESS, "PXI1Slot4", "Cache=0", VI_TRUE));
  EXPECT_EQ(TemporarySession("Cache=0"), Settings(VI_TRUE, "Model:Q101"));
  EXPECT_EQ(Resolve("Configured", "RangeCheck=1"),
            Resolved(VI_SUCCESS, "PXI1Slot5", "Simulate=0,RangeCheck=1", VI_TRUE));
  EXPECT_EQ(TemporarySession("Simulate=0,RangeCheck=1"), Settings(VI_FALSE, "Model:Q102"));

  ASSERT_EQ(IviStandin_SetLogicalName("MYANALYZER", "PXI1Slot7", VI_FALSE, "Model:Q101", nullptr), 0);
  EXPECT_EQ(std::get<1>(Resolve("MyAnalyzer")), "PXI1Slot7");
  EXPECT_EQ(TemporarySession("Simulate=True,DriverSetup=Model:Q200"), Settings(VI_TRUE, "Model:Q200"));
  ASSERT_EQ(IviStandin_ClearLogicalName("myanalyzer"), 0);
  EXPECT_EQ(std::get<1>(Resolve("MyAnalyzer")), "PXI1Slot4");

  EXPECT_EQ(Resolve(std::string(300, 'n'), "Simulate=1"),
            Resolved(IVISTANDIN_WARNING_TEXT_TRUNCATED, std::string(255, 'n'), "Simulate=1", VI_FALSE));
  EXPECT_EQ(TemporarySession(""), Settings(VI_FALSE, "")) << "no logical name resolved on this thread";
}

} // namespace
