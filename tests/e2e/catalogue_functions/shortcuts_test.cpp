#include "CatalogueSupport.h"

using namespace e2e;

namespace {

struct Shortcut {
  ViStatus (*function)(ViSession);
  ViAttr attribute;
  ViInt32 value;
};

const Shortcut kTriggerShortcuts[] = {
    {zuVEXA_ConfigureSoftwareEdgeStartTrigger, 1150024, 604}, {zuVEXA_DisableStartTrigger, 1150024, 600},
    {zuVEXA_DisableRefTrigger, 1150028, 600},                 {zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger, 1150036, 604},
    {zuVEXA_DisableAdvanceTrigger, 1150036, 600},
};

} // namespace

TEST_F(CatalogueTest, TriggerShortcutsSetTheirAttributeWithoutChannel) {
  ViSession vi = OpenSimulated();
  for (const Shortcut &shortcut : kTriggerShortcuts) {
    BackendStandin_ClearCalls();
    ASSERT_EQ(shortcut.function(vi), 0);
    ASSERT_EQ(CountCalls("SetAttributeViInt32"), 1);
    ViInt32 call = FirstCall("SetAttributeViInt32");
    EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 1), nullptr) << "no channel name";
    EXPECT_EQ(BackendStandin_CallArgumentInt(call, 2), shortcut.attribute);
    EXPECT_EQ(BackendStandin_CallArgumentInt(call, 3), shortcut.value);
  }
  EXPECT_EQ(zuVEXA_close(vi), 0);
}

TEST_F(CatalogueTest, ShortcutsOnUnknownSessionFailInTheInnerCall) {
  for (const Shortcut &shortcut : kTriggerShortcuts) {
    ASSERT_EQ(Ivi_ClearErrorInfo(0), 0);
    EXPECT_EQ(shortcut.function(kNeverOpened), kUnknownSession);
    EXPECT_EQ(ReadThreadError().primary, kUnknownSession) << "recorded by the inner call";
  }
  EXPECT_EQ(zuVEXA_SelfCal(kNeverOpened), kUnknownSession);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
}

TEST_F(CatalogueTest, SelfCalAndAcquisitionTypeReachTheirEntries) {
  ViSession vi = OpenSimulated();
  ASSERT_EQ(zuVEXA_SelfCal(vi), 0);
  ViInt32 call = FirstCall("SelfCalibrate");
  ASSERT_GE(call, 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 1), 0) << "no steps omitted";

  ASSERT_EQ(zuVEXA_ConfigureAcquisitionType(vi, 101), 0);
  call = FirstCall("SetAttributeViInt32");
  ASSERT_GE(call, 0);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 1), nullptr);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 2), 1150001);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 3), 101);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}
