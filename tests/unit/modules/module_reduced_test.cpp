#include <gtest/gtest.h>

#include "redirector/modules/ModuleRegistry.h"

using namespace zumodules;

// The reduced modules lack Commit and ConfigureIQRate (Vey also close, tov
// also InitWithOptions3): the load succeeds and only those slots stay null.
// Calling a missing entry is covered by the call frame and end to end.
TEST(ReducedModules, MissingEntriesLeaveOnlyTheirSlotsNull) {
  ModuleRegistry registry;
  const EntryPointTable *ka = nullptr, *vey = nullptr, *tov = nullptr;
  ASSERT_EQ(registry.Acquire(kKa, ka), 0);
  ASSERT_EQ(registry.Acquire(kVey, vey), 0);
  ASSERT_EQ(registry.Acquire(kTov, tov), 0);
  EXPECT_EQ(ka->slots.Commit, nullptr);
  EXPECT_EQ(ka->slots.ConfigureIQRate, nullptr);
  EXPECT_NE(ka->slots.Initiate, nullptr);
  EXPECT_NE(ka->slots.close, nullptr);
  EXPECT_EQ(vey->slots.close, nullptr);
  EXPECT_EQ(tov->slots.InitWithOptions3, nullptr);
  EXPECT_NE(tov->slots.InitWithOptions2_tov, nullptr);
}
