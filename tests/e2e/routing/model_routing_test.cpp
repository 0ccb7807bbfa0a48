// Which model and module a session ends up with.
#include "RoutingSupport.h"

using namespace e2e;

TEST_F(RoutingTest, SimulatedOpenTakesAKnownModelKeyOrElseTheDevicesModelOrTheDefault) {
  ExpectRoute("PXI1Slot5", "Simulate=1,DriverSetup=Model:q122", 5, 0x1C06); // a ka device by name
  ExpectRoute("", "Simulate=1,DriverSetup=Model:Q118_RevA", 5, 0x1C01);
  ExpectRoute("NoSuchDevice", "Simulate=1,DriverSetup=Model:q101", 2, 0x1A01);
  ExpectOpenFails("PXI1Slot2", "Simulate=1,DriverSetup=Model:Q118_RevB", kInvalidModel,
                  "Invalid model in DriverSetup string.\n\nspecified model: Q118_RevB");
  ExpectOpenFails("", "Simulate=1,DriverSetup=Model:Q12", kInvalidModel);
  ExpectOpenFails("", "Simulate=1,DriverSetup=Model:Q118:x", kInvalidModel,
                  "Invalid model in DriverSetup string.\n\nspecified model: Q118:x");
  EXPECT_EQ(Searches(), 0);
  // Without a model key: the device's model, or the default.
  ExpectRoute("", "Simulate=1", 1, kNoProductId);             // default model Q117
  ExpectRoute("NoSuchDevice", "Simulate=1", 1, kNoProductId); // not found
  ExpectRoute("Mystery", "Simulate=1", 1, kNoProductId);      // found, identifier unknown
  ExpectRoute("PilDev", "Simulate=1", 6, 0x1C08);             // found, identifier known
  ExpectRoute("LemReal", "Simulate=1", 2, 0x1A03);
}

TEST_F(RoutingTest, RealDeviceNeedsAKnownIdentifierAndIgnoresTheModelKey) {
  ExpectOpenFails("Mystery", "", kDeviceNotFound); // without the pimlo expert
  ExpectOpenFails("Mystery", "DriverSetup=Model:Q118", kDeviceNotFound);
  ExpectOpenFails("NoSuchDevice", "", kDeviceNotFound);
  ExpectOpenFails("", "", kDeviceNotFound);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  ExpectRoute("PilDev", "DriverSetup=Model:Q101", 6, 0x1C08);
  ExpectRoute("LemReal", "DriverSetup=Model:Q122", 2, 0x1A03);
  ExpectRoute("Q121Dev", "", 5, 0x1C05);       // shared by Q121 and Q123: Q121 first
  ExpectRoute("Q110Dev", "", 1, kNoProductId); // 0x1B06 reported, Q110 holds 0x1B06C4C4
  ExpectRoute("PXI1Slot5", "", 1, kNoProductId);
}

TEST_F(RoutingTest, RealDeviceMissingOrOfUnknownModelWithPimlo) {
  SysapiStandin_AddExpert("pimlo"); // asked once per process, so before any lookup
  ExpectOpenFails("Mystery", "", static_cast<ViStatus>(0xBFFA4003));
  ExpectOpenFails("NoSuchDevice", "", -200220);
  ExpectRoute("PilDev", "", 6, 0x1C08); // the expert changes nothing for known devices
}

TEST_F(RoutingTest, LogicalNamesResolveToADeviceOrSimulateWithTheirModel) {
  ASSERT_EQ(IviStandin_SetLogicalName("BenchVSA", "PXI1Slot2", VI_FALSE, "", ""), 0);
  Routed r = Open("BenchVSA", "");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.productId, 0x1C02);
  EXPECT_EQ(TextArgument(r.init, 5), "RIO0");
  EXPECT_EQ(zuVEXA_close(r.vi), 0);
  int64_t searches = Searches();
  ExpectRoute("pxi1slot2", "", 5, 0x1C02); // cached under the name the logical name stands for
  EXPECT_EQ(Searches(), searches);

  ASSERT_EQ(IviStandin_SetLogicalName("SimPil", "", VI_TRUE, "Model:Q125", ""), 0);
  ExpectRoute("SimPil", "", 6, 0x1C08);
  // A language-only DriverSetup keeps the configured model; one holding more replaces it.
  ExpectRoute("SimPil", "DriverSetup=Language:de", 6, 0x1C08);
  ExpectRoute("SimPil", "DriverSetup=Language:de;Model:Q101", 2, 0x1A01);
  EXPECT_EQ(Searches(), searches);
}
