#include <gtest/gtest.h>

#include <dlfcn.h>

#include <set>
#include <string>

#include "backend_standin.h"
#include "ivi_standin.h"
#include "redirector/modules/ModuleRegistry.h"
#include "status/StatusCodes.h"

using namespace zumodules;

TEST(ModuleRegistry, EachKindLoadsOnceAndResolvesInitEntriesOnlyForTheirKinds) {
  ModuleRegistry registry;
  const EntryPointTable *t[8] = {};
  for (ModuleKind kind : {kKa, kLem, kVey, kTov, kPil}) {
    const EntryPointTable *again = nullptr;
    ASSERT_EQ(registry.Acquire(kind, t[kind]), 0) << kind;
    ASSERT_EQ(registry.Acquire(kind, again), 0);
    EXPECT_EQ(t[kind], again);
    EXPECT_EQ(t[kind]->kind, kind);
    EXPECT_NE(t[kind]->slots.Commit, nullptr);
    EXPECT_NE(t[kind]->slots.GX_FetchIQComplexWDT, nullptr) << "graphical-environment form resolved";
    EXPECT_NE(t[kind]->slots.SetGXRTTLSIndex, nullptr) << "bare name resolved";
  }
  EXPECT_NE(t[kKa]->slots.InitWithOptions_kaVey, nullptr);
  EXPECT_EQ(t[kLem]->slots.InitWithOptions_kaVey, nullptr) << "same symbol, other kind's slot";
  EXPECT_NE(t[kLem]->slots.InitWithOptions_lem, nullptr);
  EXPECT_EQ(t[kKa]->slots.InitExtCal2, nullptr);
  EXPECT_NE(t[kPil]->slots.InitWithOptions2_pil, nullptr);
  EXPECT_EQ(t[kTov]->slots.InitWithOptions2_pil, nullptr);
  EXPECT_NE(t[kVey]->slots.InitSessionOutOfProcess, nullptr);
  EXPECT_EQ(t[kKa]->slots.InitSessionOutOfProcess, nullptr);
}

TEST(ModuleRegistry, InvalidKindsAreRefused) {
  ModuleRegistry registry;
  for (ModuleKind kind : {0u, 3u, 7u, 0xFFFFFFFFu}) {
    const EntryPointTable *table = reinterpret_cast<const EntryPointTable *>(1);
    EXPECT_EQ(registry.Acquire(kind, table), ZUVEXA_ERROR_INVALID_MODULE_KIND) << kind;
    EXPECT_EQ(table, nullptr);
  }
}

TEST(ModuleRegistry, TlsIndexReachesModulesLoadedBeforeAndAfter) {
  BackendStandin_Reset();
  ModuleRegistry registry;
  const EntryPointTable *table = nullptr;
  ASSERT_EQ(registry.Acquire(kKa, table), 0);
  EXPECT_EQ(BackendStandin_TLSIndexCount(kKa), 0) << "no index announced yet";

  registry.AnnounceTlsIndex(7);
  EXPECT_EQ(BackendStandin_TLSIndex(kKa), 7u);
  ASSERT_EQ(registry.Acquire(kLem, table), 0);
  EXPECT_EQ(BackendStandin_TLSIndex(kLem), 7u) << "a module loaded later is told after loading";
  EXPECT_EQ(BackendStandin_TLSIndexCount(kLem), 1);

  registry.AnnounceTlsIndex(9);
  EXPECT_EQ(BackendStandin_TLSIndex(kKa), 9u);
  EXPECT_EQ(BackendStandin_TLSIndex(kLem), 9u);
  ASSERT_EQ(registry.Acquire(kLem, table), 0);
  EXPECT_EQ(BackendStandin_TLSIndexCount(kLem), 2) << "reuse does not tell the index again";
}

TEST(ModuleRegistry, SymbolNamesFollowTheForms) {
  char name[512];
  const EntryPointDescriptor &commit = kEntryPoints[55];
  ASSERT_TRUE(FormSymbolName(commit, kTov, name));
  EXPECT_STREQ(name, "zuVEXAtov_Commit");
  ASSERT_TRUE(FormSymbolName(kEntryPoints[85], kKa, name));
  EXPECT_STREQ(name, "GX_zuVEXAka_FetchIQComplexWDT");
  ASSERT_TRUE(FormSymbolName(kEntryPoints[193], kVey, name));
  EXPECT_STREQ(name, "SetGXRTTLSIndex");
  EXPECT_FALSE(FormSymbolName(commit, 3, name));
  EXPECT_STREQ(name, "");
}

// Every slot's formed symbol name is exported by the stand-in module of each
// kind exactly when the slot is resolved for that kind.
TEST(ModuleRegistry, FormedNamesMatchTheModulesExports) {
  for (ModuleKind kind : {kKa, kLem, kVey, kTov, kPil}) {
    void *module = dlopen(FindModuleKind(kind)->libraryFile, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    std::set<std::string> resolved;
    for (const EntryPointDescriptor &entry : kEntryPoints) {
      char name[512];
      ASSERT_TRUE(FormSymbolName(entry, kind, name));
      if (ZuFormResolvesFor(entry.form, kind)) {
        resolved.insert(name);
        EXPECT_NE(dlsym(module, name), nullptr) << name;
      }
    }
    for (const EntryPointDescriptor &entry : kEntryPoints) {
      char name[512];
      FormSymbolName(entry, kind, name);
      if (!ZuFormResolvesFor(entry.form, kind) && resolved.count(name) == 0) {
        EXPECT_EQ(dlsym(module, name), nullptr) << name << " is not an entry of kind " << kind;
      }
    }
    dlclose(module);
  }
}
