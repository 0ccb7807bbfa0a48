#include "CatalogueSupport.h"

using namespace e2e;

// Each shortcut sets its attribute without a channel (or self-calibrates)
// through another exported function, whose frame records the errors.
TEST_F(CatalogueTest, ShortcutsReachTheirEntryThroughTheInnerCall) {
  struct Shortcut {
    ViStatus (*function)(ViSession);
    ViAttr attribute;
    ViInt32 value;
  } const shortcuts[] = {
      {zuVEXA_ConfigureSoftwareEdgeStartTrigger, 1150024, 604}, {zuVEXA_DisableStartTrigger, 1150024, 600},
      {zuVEXA_DisableRefTrigger, 1150028, 600}, {zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger, 1150036, 604},
      {zuVEXA_DisableAdvanceTrigger, 1150036, 600},
      {[](ViSession vi) { return zuVEXA_ConfigureAcquisitionType(vi, 101); }, 1150001, 101},
  };
  ViSession vi = OpenSimulated();
  for (const Shortcut &shortcut : shortcuts) {
    BackendStandin_ClearCalls();
    ASSERT_EQ(shortcut.function(vi), 0);
    ASSERT_EQ(BackendStandin_CallCount(), 1);
    ViInt32 call = FirstCall("SetAttributeViInt32");
    EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 1), nullptr) << "no channel name";
    EXPECT_EQ(BackendStandin_CallArgumentInt(call, 2), shortcut.attribute);
    EXPECT_EQ(BackendStandin_CallArgumentInt(call, 3), shortcut.value);

    ASSERT_EQ(Ivi_ClearErrorInfo(0), 0);
    EXPECT_EQ(shortcut.function(kNeverOpened), kUnknownSession);
    EXPECT_EQ(ReadThreadError().primary, kUnknownSession) << "recorded by the inner call";
  }
  ASSERT_EQ(zuVEXA_SelfCal(vi), 0);
  EXPECT_EQ(BackendStandin_CallArgumentInt(FirstCall("SelfCalibrate"), 1), 0) << "no steps omitted";
  EXPECT_EQ(zuVEXA_SelfCal(kNeverOpened), kUnknownSession);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}
