#include <string>

#include "RoutingTestSupport.h"
#include "redirector/modules/ModelRouting.h"

using namespace zumodules;

TEST(ModelTable, FindsRowsByNameAndByProductIdentifier) {
  const ModelRow *row = FindModelByName(ModelTable, "q122");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->kind, kTov);
  EXPECT_EQ(row->productId, 0x1C06u);
  EXPECT_EQ(FindModelByName(ModelTable, "Q12"), nullptr);
  EXPECT_EQ(FindModelByName(ModelTable, nullptr), nullptr);

  EXPECT_STREQ(FindModelByProductId(ModelTable, 0x1C05)->modelCode, "Q121");
  EXPECT_STREQ(FindModelByProductId(ModelTable, NormalizeProductId(0x1B06))->modelCode, "Q110");
  EXPECT_EQ(NormalizeProductId(0x1B05), 0x1B05C4C4u);
  EXPECT_EQ(NormalizeProductId(0x1B08), 0x1B08u);
}

namespace {

class ModelRoutingTest : public routingtest::EngineTest {
protected:
  ViStatus Override(const std::wstring &deviceName, bool simulate, const char *model) {
    DriverSetupRecord setup;
    if (model != nullptr) setup.model = model;
    return ApplyModelOverride(deviceName, simulate, setup, record_, ModelTable, DefaultModel,
                              resolved_);
  }
  dvlShared::DeviceRecord record_;
  bool resolved_ = true;
};

} // namespace

TEST_F(ModelRoutingTest, SimulationWithoutDeviceNameGetsTheDefaultModel) {
  record_.deviceName = L"stale";
  ASSERT_EQ(Override(L"", true, nullptr), VI_SUCCESS);
  EXPECT_TRUE(resolved_);
  EXPECT_EQ(record_.deviceName, L"");
  EXPECT_EQ(record_.moduleKind, kKa);
  EXPECT_EQ(record_.productId, 0u);

  ASSERT_EQ(Override(L"Dev1", true, nullptr), VI_SUCCESS);
  EXPECT_FALSE(resolved_) << "a named device is looked up";
}
