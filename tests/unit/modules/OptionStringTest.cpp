#include <string>

#include "RoutingTestSupport.h"
#include "redirector/modules/OptionString.h"
#include "status/StatusCodes.h"

using namespace zumodules;
using routingtest::ThreadError;

using OptionStringTest = routingtest::EngineTest;

TEST_F(OptionStringTest, ParsesOptionsAndDriverSetupCuttingBeforeTrimmingAndStoppingAtAFailure) {
  OptionRecord more;
  ASSERT_EQ(ParseOptionString(0,
                              ",, Ivi_Attr_Simulate = vi_true ,Query Instr Status=TRUE,ivi_attr_cache=0,"
                              "LogicalName=x,Driver Setup=a:b,Ivi_Attr_Driver_Setup=c:d=e:f,",
                              more),
            VI_SUCCESS);
  EXPECT_TRUE(more.simulate && more.queryInstrumentStatus && !more.cache);
  EXPECT_EQ(more.driverSetup, "c:d=e:f") << "split at the first separator";
  EXPECT_EQ(ParseOptionString(0, nullptr, more), VI_SUCCESS);

  DriverSetupRecord setup;
  ASSERT_EQ(ParseDriverSetup(0, ";Foo:1;model:Q101; Language:jp; MODEL : q102:x ;", setup), VI_SUCCESS);
  EXPECT_EQ(setup.model, "q102:x");
  EXPECT_EQ(setup.language, "jp");
  EXPECT_EQ(setup.entryCount, 4u) << "unknown keys are counted too";
  EXPECT_EQ(ThreadError().primary, 0);
  OptionRecord options;
  EXPECT_EQ(ParseOptionString(0, "Simulate=1,Bad=1,RangeCheck=0", options), ZUVEXA_ERROR_OPTION_UNKNOWN_NAME);
  EXPECT_TRUE(options.simulate && options.rangeCheck) << "entries after a failure are not applied";
  DriverSetupRecord failing;
  EXPECT_EQ(ParseDriverSetup(0, "SFPSessionAccess:nope", failing), ZUVEXA_ERROR_OPTION_BAD_VALUE);
  EXPECT_TRUE(failing.sfpSessionAccessGiven);
  EXPECT_EQ(ParseDriverSetup(0, "allowMultipleSessions:1;allowMultipleSessions:bad", failing),
            ZUVEXA_ERROR_OPTION_BAD_VALUE);
  EXPECT_FALSE(failing.allowMultipleSessions) << "reset before its value is parsed";
  IviStandin_Reset(); // 250 blanks and "Simulate": the cut to 255 leaves "Simul"
  EXPECT_EQ(ParseOptionString(0, (std::string(250, ' ') + "Simulate=1").c_str(), options),
            ZUVEXA_ERROR_OPTION_UNKNOWN_NAME);
  EXPECT_EQ(ThreadError().elaboration, "Simul");

  const std::string value = "Model:" + std::string(600, 'x');
  ASSERT_EQ(ParseOptionString(0, ("DriverSetup=" + value).c_str(), options), VI_SUCCESS);
  EXPECT_EQ(*options.driverSetup, value.substr(0, 511));
  DriverSetupRecord cut;
  ASSERT_EQ(ParseDriverSetup(0, value.c_str(), cut), VI_SUCCESS);
  EXPECT_EQ(cut.model, std::string(511, 'x'));
}
