// Which symbols each module library exports, in the full and the reduced set.
#include <elf.h>

#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "ModuleTestSupport.h"

namespace standin_test {
namespace {

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
    if (!ZuFormResolvesFor(row.form, module.kind))
      continue;
    if (row.form == ZU_BARE)
      names.insert(row.symbol);
    else
      names.insert(std::string(row.form == ZU_GX ? "GX_" : "") + module.prefix + row.symbol);
  }
  return names;
}

// Defined global and weak symbols of a shared library's dynamic symbol table.
std::set<std::string> DynamicExports(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> image{std::istreambuf_iterator<char>(file), {}};
  std::set<std::string> names;
  if (image.size() < sizeof(Elf64_Ehdr))
    return names;
  const auto *header = reinterpret_cast<const Elf64_Ehdr *>(image.data());
  const auto *sections = reinterpret_cast<const Elf64_Shdr *>(image.data() + header->e_shoff);
  for (int i = 0; i < header->e_shnum; ++i) {
    if (sections[i].sh_type != SHT_DYNSYM)
      continue;
    const char *strings = image.data() + sections[sections[i].sh_link].sh_offset;
    const auto *symbols = reinterpret_cast<const Elf64_Sym *>(image.data() + sections[i].sh_offset);
    for (std::size_t s = 0; s < sections[i].sh_size / sizeof(Elf64_Sym); ++s) {
      const unsigned bind = ELF64_ST_BIND(symbols[s].st_info);
      if (symbols[s].st_shndx != SHN_UNDEF && (bind == STB_GLOBAL || bind == STB_WEAK))
        names.insert(strings + symbols[s].st_name);
    }
  }
  return names;
}

std::string ModulePath(const Module &module, bool reduced) {
  return std::string(reduced ? ZU_TEST_REDUCED_MODULES_DIR : ZU_TEST_MODULES_DIR) + "/" + module.file;
}

TEST(StandinModuleExports, EachKindExportsExactlyItsCatalogueEntries) {
  for (const Module &module : kModules) {
    EXPECT_EQ(DynamicExports(ModulePath(module, false)), ExpectedExports(module)) << module.file;
  }
}

TEST(StandinModuleExports, ReducedSetLeavesOutTheDocumentedEntries) {
  for (const Module &module : kModules) {
    std::set<std::string> omitted{std::string(module.prefix) + "Commit",
                                  std::string(module.prefix) + "ConfigureIQRate"};
    if (module.kind == kVey)
      omitted.insert("zuVEXAVey_close");
    if (module.kind == kTov)
      omitted.insert("zuVEXAtov_InitWithOptions3");
    std::set<std::string> expected = ExpectedExports(module);
    for (const std::string &name : omitted)
      ASSERT_EQ(expected.erase(name), 1u) << name;
    EXPECT_EQ(DynamicExports(ModulePath(module, true)), expected) << module.file;
  }
}

} // namespace
} // namespace standin_test
