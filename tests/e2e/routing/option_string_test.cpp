// Option strings of zuVEXA_InitWithOptions: what is accepted, and how a bad
// one stops the open before any module is called.
#include "RoutingSupport.h"

using namespace e2e;

TEST_F(RoutingTest, FullOptionStringIsAcceptedAndPassedOnUnchanged) {
  const char *options = "Simulate=1, RangeCheck = false ,DriverSetup=Model:Q101; Language:jp";
  Routed r = Open("", options);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.productId, 0x1A01);
  EXPECT_EQ(BackendStandin_CallArgumentInt(r.init, 5), 1) << "lem simulation flag";
  EXPECT_EQ(TextArgument(r.init, 4), options);
  EXPECT_EQ(zuVEXA_close(r.vi), 0);
}

TEST_F(RoutingTest, OptionSpellingsThatAreAccepted) {
  ExpectRoute("", "Simulate=1,", 1, kNoProductId);
  ExpectRoute("", ",,Simulate=1", 1, kNoProductId);
  ExpectRoute("", "simulate=vi_true", 1, kNoProductId);
  ExpectRoute("", " Ivi_Attr_Simulate = True ,Cache=0,QueryInstrumentStatus=VI_FALSE", 1, kNoProductId);
  ExpectRoute("", "Simulate=1,DriverSetup=Foo:1;Model:Q125", 6, 0x1C08);
  ExpectRoute("", "Simulate=1,LogicalName=anything,Driver Setup=Model:Q119;", 5, 0x1C03);
}

TEST_F(RoutingTest, BadOptionStringsStopTheOpenBeforeAnyInit) {
  struct Case {
    const char *options;
    ViStatus status;
    const char *elaboration;
  } cases[] = {
      {"Simulate=yes", static_cast<ViStatus>(0xBFFA004C), "yes"},
      {"Simulate", static_cast<ViStatus>(0xBFFA004A), ""},
      {"Simulate=1,=1", static_cast<ViStatus>(0xBFFA0049), ""},
      {"=1", static_cast<ViStatus>(0xBFFA0049), ""},
      {"Frequency=1", static_cast<ViStatus>(0xBFFA004B), "Frequency"},
      {"Simulate=1,DriverSetup=Model", static_cast<ViStatus>(0xBFFA004A), ""},
      {"Simulate=1,DriverSetup=Language:jpn", static_cast<ViStatus>(0xBFFA916C), ""},
  };
  for (const Case &c : cases) ExpectOpenFails("PXI1Slot2", c.options, c.status, c.elaboration);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  EXPECT_EQ(Searches(), 0);
}
