// Device lookup through the system configuration library, the cache of found
// devices and its change notifications, and closing unknown handles.
#include "RoutingSupport.h"

using namespace e2e;

namespace {

constexpr char kTwoDevices[] = "Two or more devices in the system have the specified device name or LEM alias.";

void Notify(const char *resourceName, uint32_t kind = 2, int32_t expected = 0) {
  const char *names[] = {resourceName};
  EXPECT_EQ(SysapiStandin_NotifyChange(kind, names, 1), expected) << resourceName;
}

} // namespace

TEST_F(RoutingTest, AliasSharedByTwoDevicesIsAmbiguous) {
  AddSystemDevice({"TwinA", "Twin", 0x1C02, "RIO-A"});
  AddSystemDevice({"TwinB", "Twin", 0x1C02, "RIO-B", 0, 0}); // hidden flag present but 0
  ExpectOpenFails("Twin", "", kDeviceNotFound, kTwoDevices);
  ExpectOpenFails("twin", "Simulate=1", kDeviceNotFound, kTwoDevices);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  ExpectRoute("TwinB", "", 5, 0x1C02); // each is still reachable by its own name
}

TEST_F(RoutingTest, HiddenOrExcludedDuplicateIsNotCounted) {
  AddSystemDevice({"TwinA", "Twin", 0x1C02, "RIO-A", 0, 1}); // hidden
  AddSystemDevice({"TwinB", "Twin", 0x1C02, "RIO-B"});
  AddSystemDevice({"PairA", "Pair", 0x1C02, "RIO-C"});
  AddSystemDevice({"PairB", "Pair", 0x1C02, "RIO-D", 0, SYSAPISTANDIN_NO_VALUE, 1}); // excluded

  for (auto [alias, backend] : {std::pair{"Twin", "RIO-B"}, std::pair{"Pair", "RIO-C"}}) {
    Routed r = Open(alias, "");
    ASSERT_EQ(r.status, 0) << alias;
    EXPECT_EQ(TextArgument(r.init, 5), backend) << alias;
    EXPECT_EQ(zuVEXA_close(r.vi), 0);
  }
  ExpectOpenFails("TwinA", "", kDeviceNotFound); // hidden even by its own name
}

TEST_F(RoutingTest, DeviceWithoutBackendTextGetsAnEmptyText) {
  for (int attempt = 0; attempt < 2; ++attempt) { // found, then from the cache
    Routed r = Open("TovBare", "");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.productId, 0x1C03);
    char text[16] = "unset";
    EXPECT_EQ(BackendStandin_CallArgumentText(r.init, 5, sizeof text, text), 0) << "a text, not null";
    EXPECT_STREQ(text, "");
    EXPECT_EQ(zuVEXA_close(r.vi), 0);
  }
}

TEST_F(RoutingTest, LemSimulationFlagComesFromTheSystemOrTheOptions) {
  struct Case {
    const char *resource, *options;
    ViInt64 flag;
  } cases[] = {{"LemSim", "", 1}, {"LemSim", "", 1} /* cached */, {"LemReal", "", 0}, {"LemReal", "Simulate=1", 1}};
  for (const Case &c : cases) {
    Routed r = Open(c.resource, c.options);
    ASSERT_EQ(r.status, 0) << c.resource;
    EXPECT_EQ(r.kind, 2u);
    EXPECT_EQ(BackendStandin_CallArgumentInt(r.init, 5), c.flag) << c.resource << " " << c.options;
    EXPECT_EQ(zuVEXA_close(r.vi), 0);
  }
}

TEST_F(RoutingTest, ChangeNotificationDropsTheCachedDevice) {
  ExpectRoute("Analyzer", "", 5, 0x1C02);
  int64_t searches = Searches();
  Notify("//localhost/PXI1Slot2", 1); // kind 1 changes nothing
  ExpectRoute("Analyzer", "", 5, 0x1C02);
  EXPECT_EQ(Searches(), searches);

  // The device was reconfigured: only a fresh search sees the new model.
  AddSystemDevice({"PXI1Slot2", "Analyzer", 0x1C08, "RIO0"});
  ExpectRoute("Analyzer", "", 5, 0x1C02);
  Notify("//localhost/PXI1Slot2"); // by resource name, while cached under the alias
  ExpectRoute("Analyzer", "", 6, 0x1C08);
  EXPECT_EQ(Searches(), searches + 1);
}

TEST_F(RoutingTest, NotificationOfARemovedDeviceStillDropsIt) {
  ExpectRoute("PXI1Slot5", "", 1, kNoProductId);
  ASSERT_EQ(SysapiStandin_RemoveDevice("PXI1Slot5"), 0);
  // The system can no longer name the resource, which the observer reports.
  Notify("PXI1Slot5", 2, static_cast<int32_t>(0x80004005));
  ExpectOpenFails("PXI1Slot5", "", kDeviceNotFound);
}

TEST_F(RoutingTest, ClosingAnUnknownHandleCallsNoEntryPoint) {
  ViSession closed = 0, foreign = 0;
  ASSERT_EQ(zuVEXA_init("PXI1Slot5", VI_FALSE, VI_FALSE, &closed), 0);
  ASSERT_EQ(zuVEXA_close(closed), 0);
  ASSERT_EQ(IviStandin_CreateSession("elsewhere", VI_TRUE, &foreign), 0); // not opened by the library
  ViInt32 calls = BackendStandin_CallCount();

  for (ViSession vi : {ViSession{0}, ViSession{0x7FFF1234}, closed, foreign}) {
    SCOPED_TRACE(vi);
    EXPECT_EQ(zuVEXA_close(vi), kUnknownSession);
    EXPECT_EQ(zuVEXA_CloseExtCal(vi, 1500), kUnknownSession);
    EXPECT_EQ(zuVEXA_CloseExternalAlignment(vi, 3100), kUnknownSession);
  }
  EXPECT_EQ(BackendStandin_CallCount(), calls);
  EXPECT_TRUE(IviStandin_SessionExists(foreign));

  Ivi_ClearErrorInfo(0);
  EXPECT_EQ(zuVEXA_CloseExtCal(0x7FFF1234, 1500), kUnknownSession);
  EXPECT_EQ(ReadThreadError().primary, kUnknownSession) << "recorded for the caller";
}
