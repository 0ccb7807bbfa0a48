#include <gtest/gtest.h>

#include "backend_standin.h"
#include "ivi_standin.h"
#include "redirector/api/CallFrame.h"
#include "redirector/modules/ModuleRegistry.h"

using namespace zumodules;

// The reduced modules lack Commit and ConfigureIQRate (Vey also close, tov
// also InitWithOptions3): the load succeeds and only those slots stay null.
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

TEST(ReducedModules, CallingAMissingEntryDependsOnTheKind) {
  IviStandin_Reset();
  for (ModuleKind kind : {kKa, kVey}) {
    const EntryPointTable *table = nullptr;
    ASSERT_EQ(Modules().Acquire(kind, table), 0);
    ViSession vi = 0;
    ASSERT_EQ(IviStandin_CreateSession("dev", VI_TRUE, &vi), 0);
    ASSERT_EQ(zuapi::Sessions().AddSession(vi, L"reduced", zuapi::kNormal, table), 0);
    ViStatus expected = kind == kVey ? kErrorVeyEntryMissing : kErrorEntryMissing;
    EXPECT_EQ(zuapi::ForwardUntraced<&EntryPointSlots::Commit>(vi), expected);
    EXPECT_EQ(zuapi::ForwardUntraced<&EntryPointSlots::Initiate>(vi), 0)
        << "other entries keep working";
    zuapi::Sessions().RemoveSession(vi);
  }
}
