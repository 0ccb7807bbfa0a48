#include "CatalogueSupport.h"

using namespace e2e;

TEST_F(CatalogueTest, SessionByNameFindsOnlyTheNormalSessionByNameOrAlias) {
  constexpr ViStatus kNoSessionForDevice = static_cast<ViStatus>(0xBFFA0000);
  ViSession vi = 0, cal = 0, found = 0x55;
  ASSERT_EQ(zuVEXA_init("PXI1Slot2", VI_FALSE, VI_FALSE, &vi), 0);
  EXPECT_EQ(zuVEXA_GetViSessionByName("analyzer", &found), 0);
  EXPECT_EQ(found, vi);
  EXPECT_EQ(zuVEXA_close(vi), 0);

  // The device is cached now: the failure makes it look the device up again.
  int64_t searches = SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES);
  ASSERT_EQ(zuVEXA_InitExtCal("PXI1Slot2", "secret", "", &cal), 0);
  found = 0x55;
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI1Slot2", &found), kNoSessionForDevice) << "calibration sessions do not count";
  EXPECT_EQ(found, 0x55u) << "written only when a session is found";
  EXPECT_EQ(ReadThreadError().primary, kNoSessionForDevice);
  EXPECT_GT(SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES), searches);
  EXPECT_EQ(zuVEXA_CloseExtCal(cal, 1500), 0);

  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI1Slot2", nullptr), kNullPointer);
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI9Slot9", &found), static_cast<ViStatus>(0xBFFA0060));
}
