// Forwarding functions on a module that lacks some entries: the missing ones
// fail with 0xBFFA0011 and are recorded; the others keep working.
#include <gtest/gtest.h>

#include "StandIns.h"
#include "ThreadErrorInfo.h"

TEST(ReducedModuleForwarding, MissingEntriesFailAndOthersForward) {
  testsupport::ResetStandIns();
  ViSession vi = 0;
  // The reduced tov module has no InitWithOptions3: the open falls back to InitWithOptions2.
  ASSERT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi), 0);
  EXPECT_GE(BackendStandin_FindCall(5, "InitWithOptions2", 0), 0);

  constexpr ViStatus kMissing = static_cast<ViStatus>(0xBFFA0011);
  EXPECT_EQ(zuVEXA_Commit(vi), kMissing);
  EXPECT_EQ(zuVEXA_ConfigureIQRate(vi, "", 1e6), kMissing);
  EXPECT_EQ(testsupport::ReadThreadError(vi).primary, kMissing);
  EXPECT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2e9), 0);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}
