// The IVI engine stand-in as the library's tests rely on it: error
// information, the string buffer rule, and logical names from the
// configuration file and from memory with the temporary session that carries
// their settings.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>

#include "ivi_standin.h"
#include "platform/IviEngine.h"

namespace {

using Error = std::tuple<ViStatus, ViStatus, std::string>;                    // primary, secondary, elaboration
using Settings = std::pair<ViBoolean, std::string>;                         // simulating, driver setup
using Resolved = std::tuple<ViStatus, std::string, std::string, ViBoolean>; // status, name, options, logical

class IviStandinTest : public ::testing::Test {
protected:
  void SetUp() override {
    unsetenv("ZUVEXA_IVI_CONFIG");
    IviStandin_Reset();
  }
  void TearDown() override {
    unlink(configPath_.c_str());
    IviStandin_Reset();
  }

  static ViSession NewSession() {
    ViSession vi = 0;
    EXPECT_EQ(IviStandin_CreateSession("PXI1Slot2", VI_FALSE, &vi), VI_SUCCESS);
    return vi;
  }

  // The error recorded for vi (0: the calling thread).
  static Error ReadError(ViSession vi) {
    ViInt32 primary = 0, secondary = 0;
    char text[1025] = {};
    EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary), 0);
    EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_SECONDARY_ERROR, 0, &secondary), 0);
    EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof text, text), 0);
    return {primary, secondary, text};
  }

  void WriteConfig(const std::string &text) {
    std::ofstream(configPath_, std::ios::trunc) << text;
    setenv("ZUVEXA_IVI_CONFIG", configPath_.c_str(), 1);
  }

  static Resolved Resolve(std::string name, std::string options = "") {
    char newName[256] = {}, newOptions[256] = {};
    ViBoolean isLogical = 2;
    const ViStatus status = Ivi_GetInfoFromResourceName(name.data(), options.data(), newName, newOptions, &isLogical);
    return {status, newName, newOptions, isLogical};
  }

  // The temporary session of the name this thread resolved last, as the open path reads it.
  static Settings TemporarySession(const std::string &options) {
    ViSession vi = 0;
    EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", options.c_str(), &vi), VI_SUCCESS);
    char setup[256] = {};
    EXPECT_EQ(Ivi_GetAttributeViString(vi, nullptr, IVI_ATTR_DRIVER_SETUP, 0, 256, setup), 0);
    Settings settings{Ivi_Simulating(vi), setup};
    EXPECT_EQ(Ivi_Dispose(vi), VI_SUCCESS);
    return settings;
  }

  std::string configPath_ = ::testing::TempDir() + "ivi_standin_" + std::to_string(getpid()) + ".conf";
};

constexpr ViStatus kFirst = static_cast<ViStatus>(0xBFFA0011);
constexpr ViStatus kSecond = static_cast<ViStatus>(0xBFFA000F);
constexpr ViStatus kWarning = static_cast<ViStatus>(0x3FFA0068);

TEST_F(IviStandinTest, FirstErrorStaysUnlessOverriddenReplacesOnlyWarningsAndStaysWithItsOwner) {
  const ViSession vi = NewSession();
  Ivi_SetErrorInfo(vi, VI_FALSE, kFirst, 7, "first");
  Ivi_SetErrorInfo(vi, VI_FALSE, kSecond, 8, "second");
  EXPECT_EQ(ReadError(vi), Error(kFirst, 7, "first"));
  Ivi_SetErrorInfo(vi, VI_TRUE, kSecond, 3, nullptr);
  EXPECT_EQ(ReadError(vi), Error(kSecond, 3, ""));
  ASSERT_EQ(Ivi_ClearErrorInfo(vi), VI_SUCCESS);
  Ivi_SetErrorInfo(vi, VI_FALSE, kWarning, 0, "warn");
  Ivi_SetErrorInfo(vi, VI_FALSE, 0, 0, nullptr);
  EXPECT_EQ(ReadError(vi), Error(kWarning, 0, "warn")) << "success does not wipe a warning";
  Ivi_SetErrorInfo(vi, VI_FALSE, kFirst, 0, "err");
  EXPECT_EQ(ReadError(vi), Error(kFirst, 0, "err"));

  EXPECT_EQ(std::get<0>(ReadError(0)), 0) << "the session's error must not reach the thread";
  Ivi_SetErrorInfo(0xDEAD, VI_FALSE, kSecond, 0, nullptr);
  EXPECT_EQ(std::get<0>(ReadError(0)), kSecond) << "an unknown handle records for the calling thread";
  Error other;
  std::thread([&] { other = ReadError(0); }).join();
  EXPECT_EQ(std::get<0>(other), 0) << "each thread has its own record";
}

TEST_F(IviStandinTest, StringAttributeFollowsTheBufferRule) {
  const ViSession vi = NewSession(); // "PXI1Slot2": 9 characters
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 0, buffer), 10);
  EXPECT_EQ(buffer[0], 'x') << "size 0 writes nothing";
  EXPECT_EQ(Ivi_GetAttributeViString(vi, nullptr, IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 4, buffer), 10);
  EXPECT_STREQ(buffer, "PXI");
  EXPECT_EQ(buffer[4], 'x') << "nothing beyond the given size";
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, 10, buffer), 0);
  EXPECT_STREQ(buffer, "PXI1Slot2");
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_DRIVER_SETUP, 0, -1, buffer), IVISTANDIN_ERROR_INVALID_VALUE);
}

TEST_F(IviStandinTest, LogicalNameConfigFileEntriesResolveWithTheirSettings) {
  WriteConfig("# names\n\n  MyAnalyzer | PXI1Slot4 | 1 | Model:Q101 \nBroken|PXI1Slot9|maybe\n"
              "Configured|PXI1Slot5|1|Model:Q102|Simulate=0\n");
  EXPECT_EQ(Resolve("myanalyzer", "Cache=0"), Resolved(VI_SUCCESS, "PXI1Slot4", "Cache=0", VI_TRUE));
  EXPECT_EQ(TemporarySession("Cache=0"), Settings(VI_TRUE, "Model:Q101"));
  EXPECT_EQ(std::get<3>(Resolve("Broken")), VI_FALSE) << "a bad simulate flag drops the line";
  EXPECT_EQ(Resolve("Configured", "RangeCheck=1"),
            Resolved(VI_SUCCESS, "PXI1Slot5", "Simulate=0,RangeCheck=1", VI_TRUE));
  EXPECT_EQ(TemporarySession("Simulate=0,RangeCheck=1"), Settings(VI_FALSE, "Model:Q102"))
      << "configured options win over the flag";
}

TEST_F(IviStandinTest, LogicalNameMemoryEntryHidesFileEntryOptionsOverrideItsSettingsOtherNamesPassThrough) {
  WriteConfig("Dut|PXI1Slot4|0\n");
  ASSERT_EQ(IviStandin_SetLogicalName("DUT", "PXI1Slot7", VI_FALSE, "Model:Q101", nullptr), 0);
  EXPECT_EQ(std::get<1>(Resolve("Dut")), "PXI1Slot7");
  EXPECT_EQ(TemporarySession("Simulate=True,DriverSetup=Model:Q200"), Settings(VI_TRUE, "Model:Q200"));
  ASSERT_EQ(IviStandin_ClearLogicalName("dut"), 0);
  EXPECT_EQ(std::get<1>(Resolve("Dut")), "PXI1Slot4");
  // Other names pass through, cut to 255 characters.
  EXPECT_EQ(Resolve(std::string(300, 'n'), "Simulate=1"),
            Resolved(IVISTANDIN_WARNING_TEXT_TRUNCATED, std::string(255, 'n'), "Simulate=1", VI_FALSE));
  EXPECT_EQ(TemporarySession(""), Settings(VI_FALSE, "")) << "no logical name resolved on this thread";
}

} // namespace
