// Which symbols each module library exports, in the full and the reduced set.
#include <elf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <vector>

#include "redirector/modules/EntryPointTable.h"

namespace {

constexpr ViUInt32 kKa = 1, kLem = 2, kVey = 4, kTov = 5, kPil = 6;

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

// The names a module of this kind must export, written out independently of
// the module's own generator.
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
