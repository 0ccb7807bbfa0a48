// Which module and model serve a session, option strings that stop an open, the device lookup, its cache
// and change notifications, and closing unknown handles.
#include <cstdlib>
#include <fstream>

#include "../open_close/OpenCloseSupport.h"
#include "TemporaryDirectory.h"
#include "routing/LogicalNameList.h"
#include "routing/ResourceResolution.h"

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
  ExpectRoute("BenchVSA", "", 5, 0x1C02);
  int64_t searches = Searches();
  ExpectRoute("pxi1slot2", "", 5, 0x1C02); // cached under the name the logical name stands for
  EXPECT_EQ(Searches(), searches);

  ASSERT_EQ(IviStandin_SetLogicalName("SimPil", "", VI_TRUE, "Model:Q125", ""), 0);
  ExpectRoute("SimPil", "", 6, 0x1C08);
  // A DriverSetup holding more than a language replaces the configured one (see LogicalNameTest).
  ExpectRoute("SimPil", "DriverSetup=Language:de;Model:Q101", 2, 0x1A01);
  EXPECT_EQ(Searches(), searches);
}

TEST_F(RoutingTest, TheEngineListsTheLogicalNamesOfItsStoreAndMemory) {
  testsupport::TemporaryDirectory folder;
  std::ofstream(folder.File("store"))
      << "# comment\nFileOnly|PXI1Slot5|0||Cache=1|x\nbenchvsa|PXI1Slot5|1\nbroken|x\n";
  ASSERT_EQ(setenv("ZUVEXA_IVI_CONFIG", folder.File("store").c_str(), 1), 0);
  ASSERT_EQ(IviStandin_SetLogicalName("BenchVSA", "PXI1Slot2", VI_FALSE, "", ""), 0);
  ASSERT_EQ(IviStandin_SetLogicalName("aSim", "", VI_TRUE, "", ""), 0);
  const zurouting::LogicalNames listed = zurouting::ListLogicalNames();
  zurouting::ResolvedResource resolved;
  ASSERT_EQ(zurouting::ResolveThroughEngine("fileonly", "", resolved), VI_SUCCESS);
  EXPECT_STREQ(resolved.optionString, "Cache=1|x") << "the option string takes the rest of the line";
  unsetenv("ZUVEXA_IVI_CONFIG");
  EXPECT_EQ(listed.listing, zurouting::LogicalNameListing::Listed);
  EXPECT_EQ(listed.names, (std::vector<std::string>{"aSim", "BenchVSA", "FileOnly"}));
  EXPECT_EQ(zurouting::SplitNameList(" a ,,b\t, c d,"), (std::vector<std::string>{"a", "b", "c d"}));
  EXPECT_TRUE(zurouting::SplitNameList("").empty());
}

TEST_F(RoutingTest, FullOptionStringIsAcceptedAndPassedOnUnchanged) {
  const char *options = "Simulate=1, RangeCheck = false ,DriverSetup=Model:Q101; Language:jp";
  Routed r = Open("", options);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.productId, 0x1A01);
  EXPECT_EQ(BackendStandin_CallArgumentInt(r.init, 5), 1) << "lem simulation flag";
  EXPECT_EQ(CallText(r.init, 4), options);
  EXPECT_EQ(zuVEXA_close(r.vi), 0);
}

TEST_F(RoutingTest, BadOptionStringsStopTheOpenBeforeAnyInit) {
  constexpr ViStatus kMissingName = static_cast<ViStatus>(0xBFFA0049), kMissingValue = kMissingName + 1,
                     kUnknownName = kMissingName + 2, kBadValue = kMissingName + 3;
  const std::tuple<const char *, ViStatus, const char *> cases[] = {
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
  for (const auto &[options, status, elaboration] : cases)
    ExpectOpenFails("PXI1Slot2", options, status, elaboration);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  EXPECT_EQ(Searches(), 0);
}

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
    EXPECT_EQ(CallText(r.init, 5), backend) << alias;
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
  AddDevice("PXI1Slot2", "Analyzer", 0x1C08, "RIO0");             // reconfigured: only a fresh search sees it
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
