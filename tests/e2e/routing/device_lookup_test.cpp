// Device lookup, its cache and change notifications, and closing unknown handles.
#include "RoutingSupport.h"

using namespace e2e;

TEST_F(RoutingTest, AliasOfTwoVisibleDevicesIsAmbiguousHiddenOrExcludedOnesDoNotCount) {
  AddDevice("TwinA", "Twin", 0x1C02, "RIO-A");
  AddDevice("TwinB", "Twin", 0x1C02, "RIO-B", 0, 0); // hidden flag present but 0
  AddDevice("HidA", "Hid", 0x1C02, "RIO-C", 0, 1);   // hidden
  AddDevice("HidB", "Hid", 0x1C02, "RIO-D");
  AddDevice("ExA", "Ex", 0x1C02, "RIO-E");
  AddDevice("ExB", "Ex", 0x1C02, "RIO-F", 0, SYSAPISTANDIN_NO_VALUE, 1); // excluded
  ExpectOpenFails("twin", "Simulate=1", kDeviceNotFound,
                  "Two or more devices in the system have the specified device name or LEM alias.");
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  ExpectRoute("TwinB", "", 5, 0x1C02); // each is still reachable by its own name
  for (auto [alias, backend] : {std::pair{"Hid", "RIO-D"}, std::pair{"Ex", "RIO-E"}}) {
    Routed r = Open(alias, "");
    ASSERT_EQ(r.status, 0) << alias;
    EXPECT_EQ(TextArgument(r.init, 5), backend) << alias;
    EXPECT_EQ(zuVEXA_close(r.vi), 0);
  }
  ExpectOpenFails("HidA", "", kDeviceNotFound); // hidden even by its own name
}

TEST_F(RoutingTest, InitGetsTheDevicesBackendTextAndLemSimulationFlagAlsoWhenCached) {
  for (int attempt = 0; attempt < 2; ++attempt) { // found, then from the cache
    Routed bare = Open("TovBare", ""), lemSim = Open("LemSim", ""), lemReal = Open("LemReal", "");
    char text[16] = "unset";
    EXPECT_EQ(BackendStandin_CallArgumentText(bare.init, 5, sizeof text, text), 0) << "a text, not null";
    EXPECT_STREQ(text, "");
    EXPECT_EQ(BackendStandin_CallArgumentInt(lemSim.init, 5), 1);
    EXPECT_EQ(BackendStandin_CallArgumentInt(lemReal.init, 5), 0);
    for (ViSession vi : {bare.vi, lemSim.vi, lemReal.vi}) EXPECT_EQ(zuVEXA_close(vi), 0);
  }
}

TEST_F(RoutingTest, ChangeNotificationDropsTheCachedDeviceEvenOnceRemoved) {
  const char *byResourceName[] = {"//localhost/PXI1Slot2"}, *removed[] = {"PXI1Slot5"};
  ExpectRoute("Analyzer", "", 5, 0x1C02);
  int64_t searches = Searches();
  EXPECT_EQ(SysapiStandin_NotifyChange(1, byResourceName, 1), 0); // kind 1 changes nothing
  AddDevice("PXI1Slot2", "Analyzer", 0x1C08, "RIO0"); // reconfigured: only a fresh search sees it
  ExpectRoute("Analyzer", "", 5, 0x1C02);
  EXPECT_EQ(SysapiStandin_NotifyChange(2, byResourceName, 1), 0); // while cached under the alias
  ExpectRoute("Analyzer", "", 6, 0x1C08);
  EXPECT_EQ(Searches(), searches + 1);

  ExpectRoute("PXI1Slot5", "", 1, kNoProductId);
  ASSERT_EQ(SysapiStandin_RemoveDevice("PXI1Slot5"), 0);
  // The system can no longer name the resource, which the observer reports.
  EXPECT_EQ(SysapiStandin_NotifyChange(2, removed, 1), static_cast<int32_t>(0x80004005));
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
