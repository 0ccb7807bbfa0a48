// Logical names from the configuration file and from memory, and the
// temporary session that carries their settings.
#include <unistd.h>

#include <fstream>

#include "IviTestSupport.h"

namespace {

using Settings = std::pair<ViBoolean, std::string>;  // simulating, driver setup
using Resolved = std::tuple<ViStatus, std::string, std::string, ViBoolean>;  // status, name, options, logical

class IviLogicalName : public IviStandinTest {
 protected:
  void TearDown() override {
    unlink(configPath_.c_str());
    IviStandinTest::TearDown();
  }

  void WriteConfig(const std::string &text) {
    std::ofstream(configPath_, std::ios::trunc) << text;
    setenv("ZUVEXA_IVI_CONFIG", configPath_.c_str(), 1);
  }

  static Resolved Resolve(std::string name, std::string options) {
    char newName[256] = {}, newOptions[256] = {};
    ViBoolean isLogical = 2;
    const ViStatus status =
        Ivi_GetInfoFromResourceName(name.data(), options.data(), newName, newOptions, &isLogical);
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

TEST_F(IviLogicalName, ConfigFileEntriesResolveWithTheirSettings) {
  WriteConfig("# names\n\n  MyAnalyzer | PXI1Slot4 | 1 | Model:Q101 \nBroken|PXI1Slot9|maybe\nShort|PXI1Slot9\n"
              "Configured|PXI1Slot5|1|Model:Q102|Simulate=0\n");
  EXPECT_EQ(Resolve("myanalyzer", "Cache=0"), Resolved(VI_SUCCESS, "PXI1Slot4", "Cache=0", VI_TRUE));
  EXPECT_EQ(TemporarySession("Cache=0"), Settings(VI_TRUE, "Model:Q101"));
  EXPECT_EQ(std::get<3>(Resolve("Broken", "")), VI_FALSE) << "a bad simulate flag drops the line";
  EXPECT_EQ(std::get<3>(Resolve("Short", "")), VI_FALSE);

  EXPECT_EQ(Resolve("Configured", "RangeCheck=1"),
            Resolved(VI_SUCCESS, "PXI1Slot5", "Simulate=0,RangeCheck=1", VI_TRUE));
  EXPECT_EQ(TemporarySession("Simulate=0,RangeCheck=1"), Settings(VI_FALSE, "Model:Q102"))
      << "configured options win over the flag";
}

TEST_F(IviLogicalName, MemoryEntryHidesFileEntryAndOptionsOverrideItsSettings) {
  WriteConfig("Dut|PXI1Slot4|0\n");
  ASSERT_EQ(IviStandin_SetLogicalName("DUT", "PXI1Slot7", VI_FALSE, "Model:Q101", nullptr), 0);
  EXPECT_EQ(std::get<1>(Resolve("Dut", "")), "PXI1Slot7");
  EXPECT_EQ(TemporarySession("Simulate=True,DriverSetup=Model:Q200"), Settings(VI_TRUE, "Model:Q200"));
  ViSession vi = 0;
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "Simulate=yes", &vi), IVISTANDIN_ERROR_BAD_OPTION_VALUE);
  ASSERT_EQ(IviStandin_ClearLogicalName("dut"), 0);
  EXPECT_EQ(std::get<1>(Resolve("Dut", "")), "PXI1Slot4");
}

TEST_F(IviLogicalName, OtherNamesPassThroughCutTo255) {
  EXPECT_EQ(Resolve(std::string(300, 'n'), "Simulate=1"),
            Resolved(IVISTANDIN_WARNING_TEXT_TRUNCATED, std::string(255, 'n'), "Simulate=1", VI_FALSE));
  EXPECT_EQ(TemporarySession(""), Settings(VI_FALSE, "")) << "no logical name resolved on this thread";
  char name[256], options[256] = "x", resource[] = "PXI1Slot4";
  EXPECT_EQ(Ivi_GetInfoFromResourceName(resource, nullptr, name, options, nullptr), IVISTANDIN_ERROR_NULL_POINTER);
}

}  // namespace
