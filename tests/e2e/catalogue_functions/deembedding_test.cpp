#include "CatalogueSupport.h"

#include <cstdint>
#include <vector>

using namespace e2e;

namespace {

constexpr ViInt32 kValues = 8; // two frequencies of a 2-port table
constexpr ViStatus kArrayDimensions = static_cast<ViStatus>(0xBFFA916F);

class DeembeddingTest : public CatalogueTest {
protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    vi = OpenSimulated();
    std::vector<ZUComplexNumber> table(kValues, ZUComplexNumber{0.5, -0.25});
    table.back().real = 7.5;
    ASSERT_EQ(zuVEXA_SetAttributeZUComplexNumberArray(vi, "", 1100341, kValues, table.data()), 0);
    ASSERT_EQ(zuVEXA_SetAttributeViInt32(vi, "", 1100342 /* number of ports */, 2), 0);
    BackendStandin_ClearCalls();
  }
  void TearDown() override { EXPECT_EQ(zuVEXA_close(vi), 0); }

  ViSession vi = 0;
  ViInt32 count = -1, ports = -1;
};

} // namespace

// An array too small is refused before any value is fetched, so the module
// never writes past it; one that holds them all, exactly or with room to
// spare, gets the stored count of values. A null output is refused before
// anything is written.
TEST_F(DeembeddingTest, SparametersAreCopiedOnlyIntoAnArrayThatHoldsThemAll) {
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, nullptr), kInvalidArgument);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, &ports), 0);
  EXPECT_EQ(count, kValues);
  EXPECT_EQ(ports, 2);
  for (ViInt32 size : {kValues - 1, kValues, kValues + 1}) {
    SCOPED_TRACE(size);
    std::vector<ZUComplexNumber> values(kValues + 1, ZUComplexNumber{-9, -9});
    BackendStandin_ClearCalls();
    ASSERT_EQ(Ivi_ClearErrorInfo(vi), 0);
    count = ports = -1;
    if (size < kValues) {
      EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, values.data(), size, &count, &ports), kInvalidArgument);
      EXPECT_EQ(ReadThreadError(vi).secondary, ParamPosition(3));
      EXPECT_EQ(BackendStandin_CallCount(), 2) << "sizes only, no values copied";
      EXPECT_EQ(values[0].real, -9);
    } else {
      EXPECT_EQ(zuVEXA_GetDeembeddingSparameters(vi, values.data(), size, &count, &ports), 0);
      EXPECT_EQ(values[kValues - 1].real, 7.5);
      EXPECT_EQ(values[kValues].real, -9) << "the fetch asks for the stored count only";
    }
    EXPECT_EQ(count, kValues);
    EXPECT_EQ(ports, 2);
  }
}

// Graphical-environment array blocks: 32-bit sizes, elements from byte 8
// (1-D) or 16 (3-D).
TEST_F(DeembeddingTest, GraphicalTableStatesItsSizeAndRefusesBadBlocks) {
  struct {
    ViInt32 size, padding;
    ViReal64 values[4];
  } frequencies{4, 0, {1e9, 2e9, 3e9, 4e9}}, *frequencyBlock = &frequencies;
  struct {
    ViInt32 sizes[3], padding;
    ZUComplexNumber values[4 * 3 * 3];
  } sparameters{{4, 3, 3}, 0, {}}, *tableBlock = &sparameters;
  auto create = [&](void *tableHandle) {
    return GX_zuVEXA_CreateDeembeddingSparameterTableArray(vi, "if0", "cable", &frequencyBlock, tableHandle,
                                                           1);
  };
  ASSERT_EQ(create(&tableBlock), 0);
  ViInt32 call = FirstCall("CreateDeembeddingSparameterTableArray");
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 3), frequencies.values);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 5), sparameters.values);
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 6), 4 * 3 * 3) << "frequencies x ports x ports";
  EXPECT_EQ(BackendStandin_CallArgumentInt(call, 7), 3);

  BackendStandin_ClearCalls();
  EXPECT_EQ(create(nullptr), kArrayDimensions);
  for (ViInt32 size : {3, 5}) {
    frequencies.size = size;
    EXPECT_EQ(create(&tableBlock), kArrayDimensions) << "one frequency per table row, not " << size;
  }
  frequencies.size = 4;
  sparameters.sizes[2] = 2;
  EXPECT_EQ(create(&tableBlock), kArrayDimensions) << "square port matrices";
  EXPECT_EQ(BackendStandin_CallCount(), 0);
}

// The dimensions are checked before the session is looked up, so an unknown
// session tells an accepted block (0xBFFA1190) from a refused one without
// any value being read.
TEST_F(DeembeddingTest, GraphicalTableAcceptsUpToTheLargest32BitValueCount) {
  struct Dimensions {
    ViInt32 frequencies, ports;
    ViStatus expected;
  } const cases[] = {
      {INT32_MAX, 1, ZUVEXA_ERROR_INVALID_SESSION}, // 2^31 - 1 values: the most a count holds
      {1 << 29, 2, kArrayDimensions},               // 2^31 values: one more
      {0x10000, 0x1000, kArrayDimensions},
  };
  for (const Dimensions &d : cases) {
    struct {
      ViInt32 size, padding;
    } frequencies{d.frequencies, 0}, *frequencyBlock = &frequencies;
    struct {
      ViInt32 sizes[3], padding;
    } table{{d.frequencies, d.ports, d.ports}, 0}, *tableBlock = &table;
    EXPECT_EQ(GX_zuVEXA_CreateDeembeddingSparameterTableArray(0x7FFF, "if0", "big", &frequencyBlock,
                                                              &tableBlock, 1),
              d.expected)
        << d.frequencies << " x " << d.ports << " x " << d.ports;
  }
  EXPECT_EQ(BackendStandin_CallCount(), 0);
}
