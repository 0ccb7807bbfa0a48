#include <gtest/gtest.h>

#include "backend_standin.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"

// libzusysapi.so is not on the loader's path in this program: every open that
// needs the system configuration fails, even a simulated one with a model.
TEST(OpenWithoutSystemConfiguration, OpensThatNeedItFail) {
  IviStandin_Reset();
  ViSession vi = 0;
  EXPECT_EQ(zuVEXA_init("PXI1Slot2", VI_FALSE, VI_FALSE, &vi), static_cast<ViStatus>(0xBFFA0000));
  char elaboration[256] = {};
  Ivi_GetAttributeViString(0, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof elaboration, elaboration);
  EXPECT_STREQ(elaboration, "Unexpected ZU System API Error: -2147467259.");
  EXPECT_EQ(vi, 0u);

  EXPECT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi),
            static_cast<ViStatus>(0xBFFA0000));
  EXPECT_EQ(vi, 0u);
  EXPECT_EQ(BackendStandin_SessionCount(), 0);
}
