// The translator tables loaded into a bare interpreter, checked against the
// attribute catalogue as the C++ preprocessor reads it.
#include <cstdio>
#include <set>

#include "BareLua.h"
#include "zuVEXA.h"

namespace {

struct AttributeRow {
  ViAttr identifier;
  const char *displayName;
};
constexpr AttributeRow kAttributes[] = {
#define ZU_ATTRIBUTE(identifier, displayName) {identifier, displayName},
#include "zuxlatorlua/attributes/Attributes.def"
};

struct EnumRow {
  ViAttr identifier;
  int value;
  const char *displayName;
};
constexpr EnumRow kEnums[] = {
#define ZU_ATTRIBUTE_ENUM(identifier, value, displayName) {identifier, value, displayName},
#include "zuxlatorlua/attributes/Attributes.def"
};

std::string Key(ViAttr identifier) {
  char key[16];
  std::snprintf(key, sizeof key, "%08X", static_cast<unsigned>(identifier));
  return key;
}

// Display names lose the blanks around them in the tables.
std::string Trimmed(const std::string &text) {
  const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

class TranslatorTables : public ::testing::Test {
protected:
  // Runs the module file as `require` would; its result must be the global.
  void Load(const char *path, const char *module, const char *global) {
    ASSERT_EQ(luaL_loadfile(lua.L, path), 0) << lua_tostring(lua.L, -1);
    lua_pushstring(lua.L, module);
    ASSERT_EQ(lua_pcall(lua.L, 1, 1, 0), 0) << lua_tostring(lua.L, -1);
    lua_setglobal(lua.L, "loaded");
    EXPECT_EQ(lua.Run(std::string("return loaded == ") + global + " and " + global + ".encoding"), "utf-8");
  }

  // Every term key and text of a common-terms global, as its tprint lists them.
  std::map<std::string, std::string> Terms(const char *global) {
    lua.Run(std::string(
                "listed = {} print = function(k, v) listed[#listed + 1] = k listed[#listed + 1] = v end ") +
            global + ".tprint()");
    std::map<std::string, std::string> terms;
    for (int i = 1; lua.Run("return listed[" + std::to_string(i) + "]") != "nil"; i += 2) {
      terms[lua.Run("return listed[" + std::to_string(i) + "]")] =
          lua.Run("return listed[" + std::to_string(i + 1) + "]");
    }
    return terms;
  }

  luatest::BareLua lua;
};

} // namespace

TEST_F(TranslatorTables, AttributeTablesHoldEveryCatalogueRowUnderItsHexKey) {
  ASSERT_EQ(std::size(kAttributes), 247u);
  const std::pair<const char *, const char *> tables[] = {{ZU_TEST_ATTRIBUTES_ENG, "zuVEXA_attributes_eng"},
                                                          {ZU_TEST_ATTRIBUTES_JPN, "zuVEXA_attributes_jpn"}};
  for (const auto &[path, module] : tables) {
    Load(path, module, module);
    const std::string get = std::string("return ") + module + ".getAttribute('";
    for (const AttributeRow &row : kAttributes) {
      EXPECT_EQ(lua.Run(get + Key(row.identifier) + "').shortName"), Trimmed(row.displayName)) << module;
    }
    for (const EnumRow &row : kEnums) {
      EXPECT_EQ(lua.Run(get + Key(row.identifier) + "').enums['" + std::to_string(row.value) + "']"),
                row.displayName);
    }
    EXPECT_EQ(lua.Run(get + "00118c31')"), "nil"); // keys are upper case
    EXPECT_EQ(lua.Run(get + "118C31')"), "nil");   // and padded to 8 digits
    EXPECT_EQ(lua.Run(get + "00118C30')"), "nil"); // 1150000 is no attribute
    EXPECT_EQ(lua.Run(std::string("return type(") + module + ".tprint) .. type(" + module + ".printattr)"),
              "functionfunction");
  }
}

TEST_F(TranslatorTables, TellingAttributeRows) {
  Load(ZU_TEST_ATTRIBUTES_ENG, "zuVEXA_attributes_eng", "zuVEXA_attributes_eng");
  const std::pair<const char *, const char *> rows[] = {
      {"00100592", "Range Check"},        {"00100597", "Driver Setup"},
      {"001006C1", "Logical Name"},       {"00118D71", "User Source Pulse Width Units"},
      {"00118C48", "Start Trigger Type"},
  };
  for (auto [key, name] : rows) {
    EXPECT_EQ(lua.Run(std::string("return zuVEXA_attributes_eng.getAttribute('") + key + "').shortName"),
              name);
  }
  EXPECT_EQ(lua.Run("local e = zuVEXA_attributes_eng.getAttribute('00118D71').enums return e['6200'] .. '/' "
                    ".. e['6201']"),
            "Seconds/Clock Periods");
  EXPECT_EQ(lua.Run("return next(zuVEXA_attributes_eng.getAttribute('00100592').enums)"), "nil");
  EXPECT_EQ(lua.Run("return zuVEXA_attributes_eng.getAttribute('00118C4C').enums['604']"), "Software Edge");

  const std::string printed =
      lua.Run("local out = {} print = function(line) out[#out + 1] = line end "
              "zuVEXA_attributes_eng.printattr('00118D71') return table.concat(out, '|')");
  EXPECT_NE(printed.find("shortName = User Source Pulse Width Units"), std::string::npos) << printed;
  EXPECT_NE(printed.find("  6201 = Clock Periods"), std::string::npos) << printed;
}

TEST_F(TranslatorTables, CommonTermsInBothLanguagesShareTheirKeys) {
  Load(ZU_TEST_COMMON_TERMS_ENG, "commonTerms_eng", "usageTypes_eng");
  Load(ZU_TEST_COMMON_TERMS_JPN, "commonTerms_jpn", "usageTypes_jpn");
  EXPECT_EQ(lua.Run("return commonTerms_eng"), "nil"); // the global is not the module name
  const std::pair<const char *, const char *> telling[] = {
      {"kUsageTypeChannelName", "Channel Name"},
      {"kUsageTypeAttributeId", "Attribute Id"},
      {"kUsageTypeAffectedAttribute", "Affected attribute"},
      {"kUsageTypeConflictingAttr", "Conflicting Properties"},
  };
  for (auto [key, text] : telling) {
    EXPECT_EQ(lua.Run(std::string("return usageTypes_eng.getString('") + key + "')"), text);
  }
  EXPECT_EQ(lua.Run("return usageTypes_jpn.getString('kUsageTypeChannelName')"), "チャンネル名");
  EXPECT_EQ(lua.Run("return usageTypes_eng.getString('kUsageTypeNoSuchKey')"), "nil");

  const auto english = Terms("usageTypes_eng"), japanese = Terms("usageTypes_jpn");
  std::set<std::string> englishKeys, japaneseKeys;
  for (const auto &[key, text] : english) {
    englishKeys.insert(key);
    EXPECT_TRUE(key.rfind("kUsageType", 0) == 0 || key.rfind("kAuxTerm", 0) == 0) << key;
  }
  for (const auto &[key, text] : japanese) {
    japaneseKeys.insert(key);
    EXPECT_NE(text, english.count(key) ? english.at(key) : "") << key << " is not translated";
  }
  EXPECT_GT(englishKeys.size(), 50u);
  EXPECT_EQ(englishKeys, japaneseKeys);
}
