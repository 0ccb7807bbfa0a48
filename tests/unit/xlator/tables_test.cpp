// The translator tables loaded into a bare interpreter, checked against the
// attribute catalogue as the C++ preprocessor reads it.
#include <cstdio>

#include "BareLua.h"
#include "zuVEXA.h"

namespace {

struct Row {
  ViAttr identifier;
  int value; // -1 for an attribute row
  std::string displayName;
};
const Row kRows[] = {
#define ZU_ATTRIBUTE(identifier, displayName) {identifier, -1, displayName},
#define ZU_ATTRIBUTE_ENUM(identifier, value, displayName) {identifier, value, displayName},
#include "zuxlatorlua/attributes/Attributes.def"
};

class TranslatorTables : public ::testing::Test {
protected:
  // Runs the module file as `require` would; it returns its global.
  void Load(const char *path, const char *module, const std::string &global) {
    ASSERT_EQ(luaL_loadfile(lua.L, path), 0) << lua_tostring(lua.L, -1);
    lua_pushstring(lua.L, module);
    ASSERT_EQ(lua_pcall(lua.L, 1, 1, 0), 0) << lua_tostring(lua.L, -1);
    lua_setglobal(lua.L, "returned");
    EXPECT_EQ(lua.Run("return returned == " + global + " and " + global + ".encoding"), "utf-8");
  }

  luatest::BareLua lua;
};

} // namespace

TEST_F(TranslatorTables, AttributeTablesHoldEveryCatalogueRowUnderItsHexKey) {
  EXPECT_EQ(std::count_if(std::begin(kRows), std::end(kRows), [](const Row &row) { return row.value < 0; }),
            247);
  const std::pair<const char *, const char *> tables[] = {{ZU_TEST_ATTRIBUTES_ENG, "zuVEXA_attributes_eng"},
                                                          {ZU_TEST_ATTRIBUTES_JPN, "zuVEXA_attributes_jpn"}};
  for (auto [path, module] : tables) {
    Load(path, module, module);
    const std::string get = std::string("return ") + module + ".getAttribute('";
    for (const Row &row : kRows) {
      char key[16];
      std::snprintf(key, sizeof key, "%08X", static_cast<unsigned>(row.identifier));
      const std::string name = row.displayName.substr(row.displayName.find_first_not_of(' '));
      EXPECT_EQ(lua.Run(get + key +
                        (row.value < 0 ? "').shortName" : "').enums['" + std::to_string(row.value) + "']")),
                name);
    }
    for (const char *missing : {"00118c31", "118C31", "00118C30"})
      EXPECT_EQ(lua.Run(get + missing + "')"), "nil");
  }
  const std::string printed =
      lua.Run("local out = {} print = function(line) out[#out + 1] = line end "
              "zuVEXA_attributes_jpn.printattr('00100592') return table.concat(out, '|')");
  EXPECT_NE(printed.find("shortName = Range Check"), std::string::npos) << printed;
}

TEST_F(TranslatorTables, CommonTermsInBothLanguagesShareTheirKeys) {
  Load(ZU_TEST_COMMON_TERMS_ENG, "commonTerms_eng", "usageTypes_eng");
  Load(ZU_TEST_COMMON_TERMS_JPN, "commonTerms_jpn", "usageTypes_jpn");
  EXPECT_EQ(lua.Run("return usageTypes_eng.getString('kUsageTypeConflictingAttr')"),
            "Conflicting Properties");
  EXPECT_EQ(lua.Run("return usageTypes_jpn.getString('kUsageTypeNoSuchKey')"), "nil");
  // Both list the same keys, every Japanese text differs from the English one.
  EXPECT_EQ(lua.Run("local terms = {} "
                    "print = function(key, text) terms[key] = text end usageTypes_eng.tprint() "
                    "local count, bad = 0, '' "
                    "print = function(key, text) count = count + 1 "
                    "  if terms[key] == nil or terms[key] == text or not (key:find('^kUsageType') or "
                    "      key:find('^kAuxTerm')) then bad = bad .. key .. ' ' end terms[key] = nil end "
                    "usageTypes_jpn.tprint() "
                    "return count > 50 and next(terms) == nil and bad == '' or count .. ' ' .. bad"),
            "true");
}
