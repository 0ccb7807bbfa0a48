// Option strings of zuVEXA_InitWithOptions: a bad one stops the open before any module is called.
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

TEST_F(RoutingTest, BadOptionStringsStopTheOpenBeforeAnyInit) {
  constexpr ViStatus kMissingName = static_cast<ViStatus>(0xBFFA0049), kMissingValue = kMissingName + 1,
                     kUnknownName = kMissingName + 2, kBadValue = kMissingName + 3;
  struct Case {
    const char *options;
    ViStatus status;
    const char *elaboration;
  } cases[] = {
      {"Simulate=yes", kBadValue, "yes"},
      {"Simulate", kMissingValue, ""},
      {"Simulate=1,=1", kMissingName, ""},
      {"=1", kMissingName, ""},
      {"Simulate=1, Frequency =2,Cache=maybe", kUnknownName, "Frequency"},
      {"Simulate=1,DriverSetup=Model", kMissingValue, ""},
      {"Simulate=1,DriverSetup=Foo:", kMissingValue, ""},
      {"Simulate=1,DriverSetup=:Q101", kMissingName, ""},
      {"Simulate=1,DriverSetup=DebugSession: yes ", kBadValue, "yes"},
      {"Simulate=1,DriverSetup=Language:jpn", static_cast<ViStatus>(0xBFFA916C), ""},
  };
  for (const Case &c : cases) ExpectOpenFails("PXI1Slot2", c.options, c.status, c.elaboration);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  EXPECT_EQ(Searches(), 0);
}
