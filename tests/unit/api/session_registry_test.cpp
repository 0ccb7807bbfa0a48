// The registry alone; finding records and descriptors while it grows and loses records:
// tests/reliability/allocation_failure (SessionRegistry).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/api/SessionRegistry.h"
#include "status/StatusCodes.h"

using namespace zuapi;

namespace {

const auto *kTableA = reinterpret_cast<const zumodules::EntryPointTable *>(0x1000);
const auto *kTableB = reinterpret_cast<const zumodules::EntryPointTable *>(0x2000);

ViSession NewEngineSession(const char *descriptor) {
  ViSession vi = 0;
  EXPECT_EQ(IviStandin_CreateSession(descriptor, VI_FALSE, &vi), 0);
  return vi;
}

class SessionRegistryTest : public ::testing::Test {
protected:
  void SetUp() override { IviStandin_Reset(); }
  SessionRegistry registry;
};

} // namespace

TEST_F(SessionRegistryTest, AddFindRemoveAndDuplicates) {
  ViSession vi = NewEngineSession("PXI1Slot2");
  ASSERT_EQ(registry.AddSession(vi, L"dev-1", kExternalCalibration, kTableA), 0);
  const zumodules::EntryPointTable *table = nullptr;
  EXPECT_EQ(registry.FindTable(vi, table), 0);
  EXPECT_EQ(table, kTableA);
  SessionKind kind = kNormal;
  EXPECT_EQ(registry.FindSessionKind(vi, kind), 0);
  EXPECT_EQ(kind, kExternalCalibration);

  EXPECT_EQ(registry.AddSession(vi, L"dev-2", kNormal, kTableB), ZUVEXA_ERROR_CANNOT_RECOVER);
  EXPECT_EQ(registry.FindTable(vi, table), 0);
  EXPECT_EQ(table, kTableA) << "the duplicate left the first record alone";

  EXPECT_EQ(registry.RemoveSession(vi), 0);
  EXPECT_EQ(registry.RemoveSession(vi), ZUVEXA_ERROR_INVALID_SESSION);
  EXPECT_EQ(registry.AddSession(0, L"dev", kNormal, kTableA), ZUVEXA_ERROR_INVALID_SESSION)
      << "0 is never a session";
}

TEST_F(SessionRegistryTest, DescriptorBufferRulesAndAFailedRead) {
  ViSession vi = NewEngineSession(std::string(300, 'r').c_str());
  ASSERT_EQ(registry.AddSession(vi, L"dev", kNormal, kTableA), 0);
  // Descriptors are kept to 255 characters; a buffer gets what fits with its terminator.
  const std::pair<ViInt32, size_t> sizes[] = {{1, 0}, {4, 3}, {255, 254}, {256, 255}, {400, 255}};
  for (const auto &[size, kept] : sizes) {
    std::string buffer(static_cast<size_t>(size), 'x');
    EXPECT_EQ(registry.FindResourceDescriptor(vi, buffer.data(), size), 0);
    EXPECT_EQ(std::strlen(buffer.c_str()), kept) << "size " << size;
  }

  EXPECT_EQ(registry.FindResourceDescriptor(0x12345, nullptr, 10), ZUVEXA_ERROR_NULL_POINTER)
      << "a null buffer is refused before the handle is looked up";
  char untouched[8] = "keep";
  EXPECT_EQ(registry.FindResourceDescriptor(0x12345, untouched, 8), ZUVEXA_ERROR_INVALID_SESSION);
  EXPECT_STREQ(untouched, "keep");

  ASSERT_EQ(IviStandin_CallCount("Ivi_ClearErrorInfo"), 0);
  ASSERT_EQ(registry.AddSession(0x7FFF0001, L"dev", kNormal, kTableA), 0)
      << "a session unknown to the engine";
  EXPECT_EQ(IviStandin_CallCount("Ivi_ClearErrorInfo"), 1)
      << "its failed descriptor read leaves no error behind";
  EXPECT_EQ(registry.FindResourceDescriptor(0x7FFF0001, untouched, 8), 0);
  EXPECT_STREQ(untouched, "");
}

TEST_F(SessionRegistryTest, DeviceLookupFindsEarliestMatchOfKind) {
  const std::pair<const wchar_t *, SessionKind> sessions[] = {{L"dev-A", kNormal},
                                                              {L"dev-B", kNormal},
                                                              {L"dev-A", kExternalAlignment},
                                                              {L"dev-A", kNormal},
                                                              {L"dev-A", kNormal}};
  for (ViSession vi = 11; auto [device, kind] : sessions)
    ASSERT_EQ(registry.AddSession(vi++, device, kind, kTableA), 0);

  ViSession found = 99;
  EXPECT_EQ(registry.FindSessionByDevice(L"dev-A", kNormal, found), 0);
  EXPECT_EQ(found, 11u);
  EXPECT_EQ(registry.FindSessionByDevice(L"dev-A", kExternalAlignment, found), 0);
  EXPECT_EQ(found, 13u);

  ASSERT_EQ(registry.RemoveSession(11), 0);
  ASSERT_EQ(registry.RemoveSession(14), 0);
  EXPECT_EQ(registry.FindSessionByDevice(L"dev-A", kNormal, found), 0);
  EXPECT_EQ(found, 15u) << "order survives removal from the middle";
  ASSERT_EQ(registry.RemoveSession(15), 0);
  EXPECT_EQ(registry.FindSessionByDevice(L"dev-A", kNormal, found), ZUVEXA_ERROR_CANNOT_RECOVER);
  ASSERT_EQ(registry.AddSession(16, L"dev-A", kNormal, kTableA), 0);
  ASSERT_EQ(registry.AddSession(11, L"dev-A", kNormal, kTableA), 0);
  EXPECT_EQ(registry.FindSessionByDevice(L"dev-A", kNormal, found), 0);
  EXPECT_EQ(found, 16u) << "a device whose sessions all went starts its order again";

  EXPECT_EQ(registry.FindSessionByDevice(L"dev-", kNormal, found), ZUVEXA_ERROR_CANNOT_RECOVER);
  EXPECT_EQ(found, 0u) << "a prefix of a key does not match, and the handle is cleared";
  EXPECT_EQ(registry.FindSessionByDevice(L"dev-A-long", kNormal, found), ZUVEXA_ERROR_CANNOT_RECOVER);
  EXPECT_EQ(registry.FindSessionByDevice(L"", kNormal, found), ZUVEXA_ERROR_NULL_POINTER);
  EXPECT_EQ(registry.FindSessionByDevice(L"dev-B", kExternalCalibration, found), ZUVEXA_ERROR_CANNOT_RECOVER);

  const std::wstring withNul(L"ab\0c", 4); // keys compare by units, not as texts
  ASSERT_EQ(registry.AddSession(21, withNul, kNormal, kTableA), 0);
  EXPECT_EQ(registry.FindSessionByDevice(L"ab", kNormal, found), ZUVEXA_ERROR_CANNOT_RECOVER);
  EXPECT_EQ(registry.FindSessionByDevice(withNul, kNormal, found), 0);
  EXPECT_EQ(found, 21u);
}
