#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "IviTestSupport.h"

namespace {

class IviLogicalName : public IviStandinTest {
 protected:
  void SetUp() override {
    IviStandinTest::SetUp();
    char pattern[] = "/tmp/ivi-standin-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    directory_ = pattern;
    configPath_ = directory_ + "/ivi.conf";
  }
  void TearDown() override {
    unsetenv("ZUVEXA_IVI_CONFIG");
    unlink(configPath_.c_str());
    rmdir(directory_.c_str());
    IviStandinTest::TearDown();
  }

  void WriteConfig(const std::string &text) {
    std::ofstream(configPath_, std::ios::trunc) << text;
    setenv("ZUVEXA_IVI_CONFIG", configPath_.c_str(), 1);
  }

  struct Resolved {
    ViStatus status;
    std::string resourceName;
    std::string optionString;
    ViBoolean isLogical;
  };

  static Resolved Resolve(const char *name, const char *options) {
    char newName[256] = {}, newOptions[256] = {};
    ViBoolean isLogical = 2;
    std::string nameCopy = name, optionsCopy = options;
    const ViStatus status =
        Ivi_GetInfoFromResourceName(nameCopy.data(), optionsCopy.data(), newName, newOptions, &isLogical);
    return {status, newName, newOptions, isLogical};
  }

  // The temporary session of a logical name, as the open path reads it.
  struct Settings {
    ViBoolean simulating;
    std::string driverSetup;
  };

  static Settings TemporarySessionSettings(const std::string &options) {
    ViSession vi = 0;
    EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", options.c_str(), &vi), VI_SUCCESS);
    char setup[256] = {};
    EXPECT_EQ(Ivi_GetAttributeViString(vi, nullptr, IVI_ATTR_DRIVER_SETUP, 0, 256, setup), 0);
    Settings settings{Ivi_Simulating(vi), setup};
    EXPECT_EQ(Ivi_Dispose(vi), VI_SUCCESS);
    return settings;
  }

  std::string directory_;
  std::string configPath_;
};

TEST_F(IviLogicalName, ConfigFileEntryResolvesAndGivesItsSettings) {
  WriteConfig(
      "# logical names\n"
      "\n"
      "  MyAnalyzer | PXI1Slot4 | 1 | Model:Q101;Language:de \n"
      "Broken|PXI1Slot9|maybe\n"
      "Short|PXI1Slot9\n");
  const Resolved resolved = Resolve("myanalyzer", "Cache=0");
  EXPECT_EQ(resolved.status, VI_SUCCESS);
  EXPECT_EQ(resolved.isLogical, VI_TRUE);
  EXPECT_EQ(resolved.resourceName, "PXI1Slot4");
  EXPECT_EQ(resolved.optionString, "Cache=0");

  const Settings settings = TemporarySessionSettings(resolved.optionString);
  EXPECT_EQ(settings.simulating, 1);
  EXPECT_EQ(settings.driverSetup, "Model:Q101;Language:de");
  EXPECT_EQ(IviStandin_SessionCount(), 0);

  EXPECT_EQ(Resolve("Broken", "").isLogical, VI_FALSE) << "a bad simulate flag drops the line";
  EXPECT_EQ(Resolve("Short", "").isLogical, VI_FALSE);
}

TEST_F(IviLogicalName, RewrittenFileIsReadAgain) {
  WriteConfig("Dut|PXI1Slot4|0|Model:Q101\n");
  ASSERT_EQ(Resolve("Dut", "").resourceName, "PXI1Slot4");
  WriteConfig("Dut|PXI1Slot5|1|Model:Q102|Simulate=0\n");
  const Resolved resolved = Resolve("Dut", "RangeCheck=1");
  EXPECT_EQ(resolved.resourceName, "PXI1Slot5");
  EXPECT_EQ(resolved.optionString, "Simulate=0,RangeCheck=1");
  EXPECT_EQ(TemporarySessionSettings(resolved.optionString).simulating, VI_FALSE)
      << "the configured option string overrides the flag";
}

TEST_F(IviLogicalName, OptionStringOverridesTheLogicalNameSettings) {
  ASSERT_EQ(IviStandin_SetLogicalName("Dut", "PXI1Slot4", VI_FALSE, "Model:Q101", nullptr), 0);
  ASSERT_EQ(Resolve("Dut", "").isLogical, VI_TRUE);
  const Settings settings = TemporarySessionSettings("Simulate=True,DriverSetup=Model:Q200");
  EXPECT_EQ(settings.simulating, VI_TRUE);
  EXPECT_EQ(settings.driverSetup, "Model:Q200");
  ViSession vi = 0;
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "Simulate=yes", &vi), IVISTANDIN_ERROR_BAD_OPTION_VALUE);
  EXPECT_EQ(vi, 0u);
}

TEST_F(IviLogicalName, MemoryEntryHidesFileEntryUntilCleared) {
  WriteConfig("Dut|PXI1Slot4|0\n");
  ASSERT_EQ(IviStandin_SetLogicalName("DUT", "PXI1Slot7", VI_TRUE, "", ""), 0);
  EXPECT_EQ(Resolve("Dut", "").resourceName, "PXI1Slot7");
  ASSERT_EQ(IviStandin_ClearLogicalName("dut"), 0);
  EXPECT_EQ(Resolve("Dut", "").resourceName, "PXI1Slot4");
}

TEST_F(IviLogicalName, OtherNamesPassThroughCutTo255) {
  const std::string longName(300, 'n');
  const Resolved resolved = Resolve(longName.c_str(), "Simulate=1");
  EXPECT_EQ(resolved.status, IVISTANDIN_WARNING_TEXT_TRUNCATED);
  EXPECT_EQ(resolved.isLogical, VI_FALSE);
  EXPECT_EQ(resolved.resourceName, std::string(255, 'n'));
  EXPECT_EQ(resolved.optionString, "Simulate=1");

  const Settings settings = TemporarySessionSettings("");
  EXPECT_EQ(settings.simulating, VI_FALSE) << "no logical name resolved on this thread";
  EXPECT_EQ(settings.driverSetup, "");
}

TEST_F(IviLogicalName, NullArgumentsAreErrors) {
  char name[256], options[256];
  ViBoolean isLogical = VI_FALSE;
  char resource[] = "PXI1Slot4";
  EXPECT_EQ(Ivi_GetInfoFromResourceName(nullptr, nullptr, name, options, &isLogical),
            IVISTANDIN_ERROR_NULL_POINTER);
  EXPECT_EQ(Ivi_GetInfoFromResourceName(resource, nullptr, name, options, nullptr),
            IVISTANDIN_ERROR_NULL_POINTER);
  EXPECT_EQ(Ivi_GetInfoFromResourceName(resource, nullptr, name, options, &isLogical), VI_SUCCESS);
  EXPECT_STREQ(options, "");
  EXPECT_EQ(Ivi_SpecificDriverNew("zuVEXA", "", nullptr), IVISTANDIN_ERROR_NULL_POINTER);
}

}  // namespace
