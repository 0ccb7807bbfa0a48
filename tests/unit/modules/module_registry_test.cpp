#include <gtest/gtest.h>

#include "backend_standin.h"
#include "redirector/modules/ModuleRegistry.h"
#include "status/StatusCodes.h"

using namespace zumodules;

// A slot is filled exactly when its form resolves for the kind: every formed name is a module export.
TEST(ModuleRegistry, EachKindLoadsOnceWithItsOwnSlotsAndTheTlsIndexReachesEveryModule) {
  ModuleRegistry registry;
  for (ModuleKind kind : {kKa, kLem, kVey, kTov, kPil}) {
    SCOPED_TRACE(kind);
    const EntryPointTable *table = nullptr, *again = nullptr;
    ASSERT_EQ(registry.Acquire(kind, table), 0);
    ASSERT_EQ(registry.Acquire(kind, again), 0);
    EXPECT_EQ(table, again);
    EXPECT_EQ(table->kind, kind);
    const auto *slots = reinterpret_cast<void *const *>(&table->slots);
    for (const EntryPointDescriptor &entry : kEntryPoints)
      EXPECT_EQ(slots[entry.slot] != nullptr, ZuFormResolvesFor(entry.form, kind)) << entry.symbol;
  }
  for (ModuleKind kind : {0u, 3u, 7u, 0xFFFFFFFFu}) {
    const EntryPointTable *table = reinterpret_cast<const EntryPointTable *>(1);
    EXPECT_EQ(registry.Acquire(kind, table), ZUVEXA_ERROR_INVALID_MODULE_KIND) << kind;
    EXPECT_EQ(table, nullptr);
  }
  BackendStandin_Reset();
  ModuleRegistry announcing;
  const EntryPointTable *loaded = nullptr;
  ASSERT_EQ(announcing.Acquire(kKa, loaded), 0);
  EXPECT_EQ(BackendStandin_TLSIndexCount(kKa), 0) << "no index announced yet";
  announcing.AnnounceTlsIndex(7);
  EXPECT_EQ(BackendStandin_TLSIndex(kKa), 7u);
  ASSERT_EQ(announcing.Acquire(kLem, loaded), 0);
  EXPECT_EQ(BackendStandin_TLSIndex(kLem), 7u) << "a module loaded later is told after loading";
  announcing.AnnounceTlsIndex(9);
  EXPECT_EQ(BackendStandin_TLSIndex(kKa), 9u);
  ASSERT_EQ(announcing.Acquire(kLem, loaded), 0);
  EXPECT_EQ(BackendStandin_TLSIndexCount(kLem), 2) << "reuse does not tell the index again";
}
