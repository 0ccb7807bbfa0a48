// Which symbols each module library exports, in the full and the reduced set.
#include <elf.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "ModuleTestSupport.h"

extern char **environ;

namespace standin_test {
namespace {

struct Module {
  ViUInt32 kind;
  const char *file;
  const char *prefix;
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

// Exit code of the probe opening `file` by bare name with `libraryPath`.
int ProbeWithLibraryPath(const std::string &libraryPath, const char *file, const char *symbol) {
  std::vector<std::string> variables{"LD_LIBRARY_PATH=" + libraryPath};
  for (char **variable = environ; *variable != nullptr; ++variable)
    if (std::strncmp(*variable, "LD_LIBRARY_PATH=", 16) != 0)
      variables.emplace_back(*variable);
  std::vector<char *> environment;
  for (std::string &variable : variables)
    environment.push_back(variable.data());
  environment.push_back(nullptr);
  char *arguments[] = {const_cast<char *>(ZU_TEST_MODULE_PROBE), const_cast<char *>(file), const_cast<char *>(symbol),
                       nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, ZU_TEST_MODULE_PROBE, nullptr, nullptr, arguments, environment.data()) != 0)
    return -1;
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(StandinModuleExports, EachKindExportsExactlyItsCatalogueEntries) {
  for (const Module &module : kModules) {
    const std::set<std::string> expected = ExpectedExports(module);
    EXPECT_EQ(DynamicExports(ModulePath(module, false)), expected) << module.file;
    void *handle = OpenModule(module.file);
    ASSERT_NE(handle, nullptr) << dlerror();
    for (const std::string &name : expected)
      EXPECT_NE(dlsym(handle, name.c_str()), nullptr) << name;
  }
}

TEST(StandinModuleExports, SharedInitNamesBelongToTheirOwnKinds) {
  void *tov = OpenModule("libzuvexatov.so");
  void *ka = OpenModule("libzuvexaka.so");
  ASSERT_NE(tov, nullptr);
  ASSERT_NE(ka, nullptr);
  EXPECT_NE(dlsym(tov, "zuVEXAtov_InitWithOptions2"), nullptr);
  EXPECT_NE(dlsym(tov, "zuVEXAtov_InitWithOptions3"), nullptr);
  EXPECT_EQ(dlsym(tov, "zuVEXAtov_InitWithOptions"), nullptr);
  EXPECT_NE(dlsym(ka, "zuVEXAka_InitWithOptions"), nullptr);
  EXPECT_NE(dlsym(ka, "zuVEXAka_InitExtCal"), nullptr);
  EXPECT_EQ(dlsym(ka, "zuVEXAka_InitExtCal2"), nullptr);
  EXPECT_NE(dlsym(ka, "GX_zuVEXAka_FetchIQComplexWDT"), nullptr);
  EXPECT_NE(dlsym(ka, "SetGXRTTLSIndex"), nullptr);
  EXPECT_EQ(dlsym(ka, "zuVEXAka_SetGXRTTLSIndex"), nullptr);
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
  void *reducedTov = OpenModule("libzuvexatov.so", true);
  ASSERT_NE(reducedTov, nullptr);
  EXPECT_NE(dlsym(reducedTov, "zuVEXAtov_InitWithOptions2"), nullptr) << "the fallback init stays";
}

TEST(StandinModuleExports, LibraryPathSelectsTheSetALoaderFinds) {
  const std::string full = ZU_TEST_MODULES_DIR;
  const std::string reduced = ZU_TEST_REDUCED_MODULES_DIR;
  EXPECT_EQ(ProbeWithLibraryPath(full + ":" + reduced, "libzuvexavey.so", "zuVEXAVey_close"), 0);
  EXPECT_EQ(ProbeWithLibraryPath(reduced + ":" + full, "libzuvexavey.so", "zuVEXAVey_close"), 1);
  EXPECT_EQ(ProbeWithLibraryPath(reduced, "libzuvexavey.so", "zuVEXAVey_Initiate"), 0);
  EXPECT_EQ(ProbeWithLibraryPath("/nonexistent", "libzuvexavey.so", "zuVEXAVey_close"), 2);
}

} // namespace
} // namespace standin_test
