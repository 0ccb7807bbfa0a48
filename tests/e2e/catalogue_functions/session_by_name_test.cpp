#include "CatalogueSupport.h"

using namespace e2e;

namespace {

constexpr ViStatus kNoSessionForDevice = static_cast<ViStatus>(0xBFFA0000);

class SessionByNameTest : public CatalogueTest {
protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    SysapiStandinDevice device{"PXI1Slot2", "Analyzer", "RIO0", 0x1C02, 0, SYSAPISTANDIN_NO_VALUE, 0};
    ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
  }
  ViSession found = 0x55;
};

} // namespace

TEST_F(SessionByNameTest, FindsTheNormalSessionByNameOrAlias) {
  ViSession vi = 0;
  ASSERT_EQ(zuVEXA_init("PXI1Slot2", VI_FALSE, VI_FALSE, &vi), 0);
  EXPECT_EQ(zuVEXA_GetViSessionByName("analyzer", &found), 0);
  EXPECT_EQ(found, vi);
  EXPECT_EQ(zuVEXA_close(vi), 0);

  // The device is cached now: the failure makes it look the device up again.
  int64_t searches = SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES);
  found = 0x55;
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI1Slot2", &found), kNoSessionForDevice);
  EXPECT_EQ(found, 0x55u) << "written only when a session is found";
  EXPECT_GT(SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES), searches);
}

TEST_F(SessionByNameTest, CalibrationSessionsAreNotFound) {
  ViSession cal = 0;
  ASSERT_EQ(zuVEXA_InitExtCal("PXI1Slot2", "secret", "", &cal), 0);
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI1Slot2", &found), kNoSessionForDevice);
  EXPECT_EQ(found, 0x55u);
  EXPECT_EQ(ReadThreadError().primary, kNoSessionForDevice);
  EXPECT_EQ(zuVEXA_CloseExtCal(cal, 1500), 0);
}

TEST_F(SessionByNameTest, RefusesNullOutputAndUnknownDevices) {
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI1Slot2", nullptr), kNullPointer);
  EXPECT_EQ(ReadThreadError().primary, kNullPointer);
  EXPECT_EQ(zuVEXA_GetViSessionByName("PXI9Slot9", &found), static_cast<ViStatus>(0xBFFA0060));
}
