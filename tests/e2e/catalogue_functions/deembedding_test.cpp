#include "CatalogueSupport.h"

#include <vector>

using namespace e2e;

namespace {

constexpr ViAttr kSparameters = 1100341;
constexpr ViAttr kNumberOfPorts = 1100342;
constexpr ViStatus kArrayDimensions = static_cast<ViStatus>(0xBFFA916F);
constexpr ViInt32 kValues = 8; // two frequencies of a 2-port table

class DeembeddingTest : public CatalogueTest {
protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    vi = OpenSimulated();
    for (int i = 0; i < kValues; ++i) table.push_back({i + 0.5, -i - 0.25});
    ASSERT_EQ(zuVEXA_SetAttributeZUComplexNumberArray(vi, "", kSparameters, kValues, table.data()), 0);
    ASSERT_EQ(zuVEXA_SetAttributeViInt32(vi, "", kNumberOfPorts, 2), 0);
    BackendStandin_ClearCalls();
  }
  void TearDown() override { EXPECT_EQ(zuVEXA_close(vi), 0); }

  ViSession vi = 0;
  std::vector<ZUComplexNumber> table;
  ViInt32 count = -1, ports = -1;
};

// Graphical-environment array blocks: 32-bit sizes, elements from byte 8
// (1-D) or 16 (3-D).
struct FrequencyBlock {
  ViInt32 size, padding;
  ViReal64 values[4];
};
struct TableBlock {
  ViInt32 sizes[3], padding;
  ZUComplexNumber values[4 * 3 * 3];
};

} // namespace

TEST_F(DeembeddingTest, SizeQueryFillsBothCountsAndFullArrayGetsTheValues) {
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, &ports), 0);
  EXPECT_EQ(count, kValues);
  EXPECT_EQ(ports, 2);
  ASSERT_EQ(CountCalls("GetAttributeZUComplexNumberArray"), 1) << "no values copied";
  EXPECT_EQ(BackendStandin_CallArgumentInt(FirstCall("GetAttributeZUComplexNumberArray"), 2), kSparameters);
  EXPECT_EQ(BackendStandin_CallArgumentInt(FirstCall("GetAttributeViInt32"), 2), kNumberOfPorts);

  std::vector<ZUComplexNumber> values(kValues + 1, ZUComplexNumber{-9, -9});
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, values.data(), kValues + 1, &count, &ports), 0);
  EXPECT_EQ(values[kValues - 1].real, table[kValues - 1].real);
  EXPECT_EQ(values[kValues].real, -9) << "the fetch asks for the stored count only";
}

// An array too small is refused before any value is fetched, so the module
// never writes past it.
TEST_F(DeembeddingTest, ArrayTooSmallOrNegativeIsRefusedWithoutFetching) {
  std::vector<ZUComplexNumber> values(kValues - 1, ZUComplexNumber{-9, -9});
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, values.data(), kValues - 1, &count, &ports), kInvalidArgument);
  EXPECT_EQ(count, kValues);
  EXPECT_EQ(ports, 2);
  ThreadError error = ReadSessionError(vi);
  EXPECT_EQ(error.secondary, ParamPosition(3));
  EXPECT_EQ(error.elaboration, "sparametersArraySize");
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, values.data(), -1, &count, &ports), kInvalidArgument);
  EXPECT_EQ(CountCalls("GetAttributeZUComplexNumberArray"), 2) << "only the two size queries";
  EXPECT_EQ(values[0].real, -9);
}

TEST_F(DeembeddingTest, NullCountsAreRefusedByPosition) {
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, nullptr, &ports), kInvalidArgument);
  EXPECT_EQ(ReadSessionError(vi).elaboration, "numberOfSparameters");
  ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, nullptr), kInvalidArgument);
  EXPECT_EQ(ReadSessionError(vi).secondary, ParamPosition(5));
  EXPECT_EQ(count, -1) << "nothing is written before the checks pass";
  EXPECT_EQ(zuVEXA_GetDeembeddingTableNumberOfPorts(vi, nullptr), kInvalidArgument);
  EXPECT_EQ(BackendStandin_CallCount(), 0);

  EXPECT_EQ(zuVEXA_GetDeembeddingTableNumberOfPorts(vi, &ports), 0);
  EXPECT_EQ(ports, 2);
  EXPECT_EQ(zuVEXA_GetDeembeddingTableNumberOfPorts(kNeverOpened, &ports), kUnknownSession);
  EXPECT_EQ(ports, 0) << "cleared before the lookup";
}

TEST_F(DeembeddingTest, GraphicalTableStatesTheSizeOfAThreePortTable) {
  FrequencyBlock frequencies{4, 0, {1e9, 2e9, 3e9, 4e9}};
  TableBlock sparameters{{4, 3, 3}, 0, {}};
  FrequencyBlock *frequencyBlock = &frequencies;
  TableBlock *tableBlock = &sparameters;
  ASSERT_EQ(GX_zuVEXA_CreateDeembeddingSparameterTableArray(vi, "if0", "cable", &frequencyBlock, &tableBlock, 1), 0);
  ViInt32 call = FirstCall("CreateDeembeddingSparameterTableArray");
  ASSERT_GE(call, 0);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 3), frequencies.values);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 4), 4);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 5), sparameters.values);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 6), 4 * 3 * 3) << "frequencies x ports x ports";
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 7), 3);
}

TEST_F(DeembeddingTest, GraphicalTableRefusesBadHandles) {
  FrequencyBlock frequencies{4, 0, {}};
  TableBlock sparameters{{4, 3, 3}, 0, {}};
  FrequencyBlock *frequencyBlock = &frequencies, *noFrequencyBlock = nullptr;
  TableBlock *tableBlock = &sparameters;
  auto create = [&](void *frequencyHandle, void *tableHandle) {
    return GX_zuVEXA_CreateDeembeddingSparameterTableArray(vi, "if0", "cable", frequencyHandle, tableHandle, 0);
  };
  EXPECT_EQ(create(&frequencyBlock, nullptr), kArrayDimensions);
  EXPECT_EQ(create(&noFrequencyBlock, &tableBlock), kArrayDimensions) << "a handle without a block";
  frequencies.size = 3;
  EXPECT_EQ(create(&frequencyBlock, &tableBlock), kArrayDimensions) << "one frequency per table row";
  sparameters.sizes[0] = frequencies.size = 0x10000;
  sparameters.sizes[1] = sparameters.sizes[2] = 0x1000;
  EXPECT_EQ(create(&frequencyBlock, &tableBlock), kArrayDimensions) << "more values than a 32-bit count";
  EXPECT_EQ(ReadSessionError(vi).primary, kArrayDimensions);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
}
