#include <string>

#include "RoutingTestSupport.h"
#include "redirector/modules/ModelRouting.h"

using namespace zumodules;
using routingtest::ThreadError;

TEST(ModelTable, FindsRowsByNameAndByProductIdentifier) {
  const ModelRows rows = ModelTable();
  ASSERT_EQ(rows.end - rows.begin, 29);
  EXPECT_STREQ(rows.end[-1].modelCode, "Q128");
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
  EXPECT_EQ(SupportedModels().end - SupportedModels().begin, 2);
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

TEST_F(ModelRoutingTest, SimulatedModelDecidesAndIsIgnoredOtherwise) {
  ASSERT_EQ(Override(L"PXI1Slot2", true, "q122"), VI_SUCCESS);
  EXPECT_TRUE(resolved_);
  EXPECT_EQ(record_.moduleKind, kTov);
  EXPECT_EQ(record_.productId, 0x1C06u);

  ASSERT_EQ(Override(L"", false, "Q999"), VI_SUCCESS);
  EXPECT_FALSE(resolved_);
  EXPECT_EQ(record_.moduleKind, kTov);
}

TEST_F(ModelRoutingTest, UnknownSimulatedModelIsRecordedWithItsName) {
  record_.moduleKind = 5;
  EXPECT_EQ(Override(L"Dev1", true, "Q999"), kErrorInvalidArgument);
  EXPECT_FALSE(resolved_);
  EXPECT_EQ(record_.moduleKind, 0u);
  EXPECT_EQ(ThreadError().primary, kErrorInvalidArgument);
  EXPECT_EQ(ThreadError().elaboration, "Invalid model in DriverSetup string.\n\nspecified model: Q999");
}

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
