// The module stand-ins' exports (full and reduced sets) and their status and init scripting.
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "backend_standin.h"
#include "ivi_standin.h"
#include "redirector/modules/EntryPointTable.h"

namespace {

using Slots = zumodules::EntryPointSlots;
constexpr ViUInt32 kKa = 1;

// A module library of the full set (it stays open for the process).
void *OpenModule(const std::string &file) {
  return dlopen((ZU_TEST_MODULES_DIR "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL);
}

// The export `name` of `module`, typed as the entry-point table slot `Member`.
template <auto Member> using EntryOf = std::remove_reference_t<decltype(std::declval<Slots &>().*Member)>;
template <auto Member> EntryOf<Member> Resolve(void *module, const char *name) {
  return reinterpret_cast<EntryOf<Member>>(dlsym(module, name));
}

ViStatus FakeCloseCallback(ViSession) { return 0x3FFA0001; }

class ModuleStandinTest : public ::testing::Test {
protected:
  void SetUp() override {
    IviStandin_Reset();
    BackendStandin_Reset();
    ka_ = OpenModule("libzuvexaka.so");
    ASSERT_NE(ka_, nullptr) << dlerror();
    init_ = Resolve<&Slots::InitWithOptions_kaVey>(ka_, "zuVEXAka_InitWithOptions");
  }

  ViSession OpenKaSession() {
    ViSession vi = 0;
    EXPECT_EQ(init_("PXI1Slot2", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), VI_SUCCESS);
    return vi;
  }

  void *ka_ = nullptr;
  EntryOf<&Slots::InitWithOptions_kaVey> init_ = nullptr;
};

TEST_F(ModuleStandinTest, ScriptedStatusForTheNextCallOrEveryCallOfOneKind) {
  const ViSession vi = OpenKaSession();
  auto commit = Resolve<&Slots::Commit>(ka_, "zuVEXAka_Commit");
  auto initiate = Resolve<&Slots::Initiate>(ka_, "zuVEXAka_Initiate");
  auto tovCommit = Resolve<&Slots::Commit>(OpenModule("libzuvexatov.so"), "zuVEXAtov_Commit");
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "Commit", -1074118655, VI_FALSE), VI_SUCCESS);
  ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "zuVEXAka_Initiate", 0x3FFA0002, VI_TRUE),
            VI_SUCCESS);
  EXPECT_EQ(tovCommit(vi), VI_SUCCESS) << "scripted for ka only";
  EXPECT_EQ(commit(vi), -1074118655);
  EXPECT_EQ(commit(vi), VI_SUCCESS);
  EXPECT_EQ(initiate(vi), 0x3FFA0002);
  EXPECT_EQ(initiate(vi), 0x3FFA0002);
  BackendStandin_ClearScripts();
  EXPECT_EQ(initiate(vi), VI_SUCCESS);
  EXPECT_EQ(BackendStandin_ScriptStatus(kKa, "NoSuchEntry", -1, VI_FALSE),
            BACKENDSTANDIN_ERROR_INVALID_ARGUMENT);
}

TEST_F(ModuleStandinTest, ScriptedNextInitWritesAChosenHandleOrFails) {
  const ViSession existing = OpenKaSession();
  ASSERT_EQ(BackendStandin_ScriptNextInit(kKa, VI_TRUE, existing, 0x3FFA0004), VI_SUCCESS);
  ViSession vi = 12345;
  EXPECT_EQ(init_("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), 0x3FFA0004);
  EXPECT_EQ(vi, existing);
  EXPECT_EQ(IviStandin_SessionCount(), 1) << "nothing created";
  ASSERT_EQ(BackendStandin_ScriptNextInit(BACKENDSTANDIN_ALL_KINDS, VI_FALSE, 0, -1074130000), VI_SUCCESS);
  vi = 12345;
  EXPECT_EQ(init_("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), -1074130000);
  EXPECT_EQ(vi, 12345u) << "an error writes nothing";
  EXPECT_EQ(init_("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), VI_SUCCESS) << "only the next init";
}

constexpr ViUInt32 kLem = 2, kVey = 4, kTov = 5, kPil = 6;

struct Module {
  ViUInt32 kind;
  const char *file, *prefix;
};
constexpr Module kModules[] = {{kKa, "libzuvexaka.so", "zuVEXAka_"},
                               {kLem, "libzuvexalem.so", "zuVEXAlem_"},
                               {kVey, "libzuvexavey.so", "zuVEXAVey_"},
                               {kTov, "libzuvexatov.so", "zuVEXAtov_"},
                               {kPil, "libzuvexapil.so", "zuVEXApil_"}};

struct Row {
  const char *symbol;
  unsigned form;
};
constexpr Row kRows[] = {
#define ZU_ENTRY(slot, member, symbol, form, ...) {#symbol, form},
#include "redirector/catalogue/EntryPoints.def"
};

// Written out independently of the modules' own generator.
std::set<std::string> ExpectedExports(const Module &module) {
  std::set<std::string> names;
  for (const Row &row : kRows) {
    if (ZuFormResolvesFor(row.form, module.kind))
      names.insert(row.form == ZU_BARE ? row.symbol
                                       : std::string(row.form == ZU_GX ? "GX_" : "") + module.prefix + row.symbol);
  }
  return names;
}

// Defined global and weak symbols of a shared library's dynamic symbol table.
std::set<std::string> DynamicExports(const std::string &directory, const Module &module) {
  std::ifstream file(directory + "/" + module.file, std::ios::binary);
  const std::vector<char> image{std::istreambuf_iterator<char>(file), {}};
  std::set<std::string> names;
  if (image.size() < sizeof(Elf64_Ehdr))
    return names;
  const auto *header = reinterpret_cast<const Elf64_Ehdr *>(image.data());
  const auto *sections = reinterpret_cast<const Elf64_Shdr *>(image.data() + header->e_shoff);
  for (const Elf64_Shdr &section : std::span(sections, header->e_shnum)) {
    if (section.sh_type != SHT_DYNSYM)
      continue;
    const char *strings = image.data() + sections[section.sh_link].sh_offset;
    const auto *symbols = reinterpret_cast<const Elf64_Sym *>(image.data() + section.sh_offset);
    for (const Elf64_Sym &symbol : std::span(symbols, section.sh_size / sizeof(Elf64_Sym))) {
      const unsigned bind = ELF64_ST_BIND(symbol.st_info);
      if (symbol.st_shndx != SHN_UNDEF && (bind == STB_GLOBAL || bind == STB_WEAK))
        names.insert(strings + symbol.st_name);
    }
  }
  return names;
}

TEST(ModuleStandinExportsTest, EachKindExportsItsCatalogueEntriesAndTheReducedSetLeavesOutTheDocumentedOnes) {
  for (const Module &module : kModules) {
    const std::set<std::string> full = ExpectedExports(module);
    EXPECT_EQ(DynamicExports(ZU_TEST_MODULES_DIR, module), full) << module.file;
    std::vector<std::string> omitted{std::string(module.prefix) + "Commit",
                                     std::string(module.prefix) + "ConfigureIQRate"};
    if (module.kind == kVey) omitted.push_back("zuVEXAVey_close");
    if (module.kind == kTov) omitted.push_back("zuVEXAtov_InitWithOptions3");
    std::set<std::string> reduced = full;
    for (const std::string &name : omitted) EXPECT_EQ(reduced.erase(name), 1u) << name;
    EXPECT_EQ(DynamicExports(ZU_TEST_REDUCED_MODULES_DIR, module), reduced) << module.file;
  }
}

} // namespace
