// The native Lua modules and the embedded scripts and translator tables, in a bare interpreter.
#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "BareLua.h"
#include "ErrorFileTree.h"
#include "zuVEXA.h"
#include "zuxlatorlua/embedded/EmbeddedModules.h"
#include "zuxlatorlua/embedded/EmbeddedScripts.h"
#include "zuxlatorlua/stdint/Int64Module.h"
#include "zuxlatorlua/zuxlatorluautils.h"

using namespace xlatortest;

namespace {

struct Case {
  const char *expression;
  const char *expected; // the expression's value as text, or "error: test:1: <message>"
};

class StdintModule : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(lua.Open(luaopen_stdint, "stdint"));
    lua.Run("u64, i64 = stdint.u64, stdint.i64 "
            "function show(v) return type(v) == 'userdata' and tostring(v) .. ':' .. v:hexstring() or v end");
  }

  void Check(std::initializer_list<Case> cases) {
    for (const Case &c : cases)
      EXPECT_EQ(lua.Run(std::string("return show(") + c.expression + ")"), c.expected) << c.expression;
  }

  luatest::BareLua lua;
};

class UtilsModule : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(lua.Open(luaopen_zuxlatorluautils, "zuxlatorluautils")); }

  std::string Call(const std::string &call) { return lua.Run("return zuxlatorluautils." + call); }
  // The message a failing call raises, as the scripts catch it.
  std::string Raised(const std::string &call) {
    return lua.Run("return select(2, pcall(function() return zuxlatorluautils." + call + " end))");
  }

  luatest::BareLua lua;
};

using zuxlatorlua::EmbeddedScript;

TEST(EmbeddedScripts, HoldTheFetchedFilesByteForByteAndWorkWithoutTheDisk) {
  auto scripts = zuxlatorlua::ThirdPartyScripts();
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_STREQ(scripts[1].name, "util.lua");
  for (const EmbeddedScript &script : scripts) {
    std::ifstream file(std::string(ZU_TEST_LUA_SCRIPT_DIR "/") + script.name, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(std::string(script.text, script.length + 1), expected + '\0') << script.name;
  }
  // The modules themselves are third-party code: one use of each shows it is reachable.
  luatest::BareLua lua;
  ASSERT_TRUE(zuxlatorlua::OpenEmbeddedNativeModules(lua.L));
  for (const EmbeddedScript &script : zuxlatorlua::ThirdPartyScripts()) {
    const std::string key(script.name, std::string_view(script.name).rfind('.'));
    ASSERT_TRUE(
        zuxlatorlua::PreloadEmbeddedScript(lua.L, key.c_str(), script.name, script.text, script.length));
  }
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(lua.Run(R"(
    package.path, package.cpath = '', ''
    local cjson, json, util, lfs = require 'cjson', require 'json', require 'util', require 'lfs'
    assert(cjson.decode('{"x":[1,2.5]}').x[2] == 2.5 and json.decode([[{"a":"caf\u00e9"}]]).a == "caf\195\169")
    assert(not pcall(require, 'socket'))
    return lfs.currentdir() .. ' ' .. util.serialise_value({ 1, 2 }))"),
            std::string(cwd) + " {\n  1,\n  2\n}");
}

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

// Values of numbers below 2^52, of texts and of arithmetic are checked against a model over the seeds of
// tests/fuzz/corpus/stdint (fuzz_replay_tests); here what the model leaves out and the messages.
TEST_F(StdintModule, ConstructorsArithmeticRefusalsAndReopeningKeepsTheMetatables) {
  Check({
      {"u64(2^63 + 2^11)", "9223372036854777856:8000000000000800"},
      {"u64(2^70)", "18446744073709551615:ffffffffffffffff"}, // out of range: saturated
      {"i64(2^63)", "9223372036854775807:7fffffffffffffff"},
      {"u64(0/0)", "0:0"},
      {"u64('0x10')", "0:0"}, // u64 texts are decimal
      {"u64('abc')", "error: test:1: Unable to parse a number out of \"abc\""},
      {"u64({})", "error: test:1: u64 constructor arg must be a number or a string"},
      {"i64(true)", "error: test:1: i64 constructor arg must be a number or a string"},
  });
  Check({
      {"u64(1) + i64(1)", "error: test:1: bad argument #2 to '?' (u64 expected, got userdata)"},
      {"u64(1) + 'x'", "error: test:1: Can't get a u64 from argument"},
      {"i64(1) * {}", "error: test:1: Can't get a i64 from argument"},
      {"i64('-9223372036854775808') / -1", "error: test:1: i64 division overflow"},
      {"u64(1) / 0", "error: test:1: u64 division by zero"},
      {"u64(1) % 0", "error: test:1: u64 modulo by zero"},
      {"i64(1) / i64(0)", "error: test:1: i64 division by zero"},
      {"u64(1) < i64(2)", "error: test:1: attempt to compare two userdata values"},
  });
  lua.Run("debug.getregistry().u64.marker = 'kept' old = u64(41)");
  ASSERT_TRUE(lua.Open(luaopen_stdint, "stdint"));
  EXPECT_EQ(lua.Run("return debug.getregistry().u64.marker"), "kept");
  EXPECT_EQ(lua.Run("return tostring(old + stdint.u64(1))"), "42");
  EXPECT_EQ(lua.Run("return package.loaded.stdint == stdint and type(stdint.i64)"), "function");
}

TEST_F(UtilsModule, TextFunctionsArgumentChecksFailuresAndDescriptionSearches) {
  EXPECT_EQ(lua.Run("return package.loaded.zuxlatorluautils == zuxlatorluautils"), "true");
  EXPECT_EQ(Call("mbsToUtf8(3, 'a\\0\\255\\227\\129\\130')"), std::string("a\0\xff\xe3\x81\x82", 6));
  EXPECT_EQ(Call("mbsToUtf8(nil, 42)"), "42");
  EXPECT_EQ(Call("lookupVariable('t', '_commonAppDataDir')"), "/var/local/kelmar");
  EXPECT_EQ(Call("lookupVariable('t', 'noSuchVariable')"), "");
  EXPECT_EQ(Call("expandPath('t', '$_commonAppDataDir/errors')"), "/var/local/kelmar/errors");
  EXPECT_EQ(Call("convertLangToDir(3)"), "Japanese");
  for (const char *call :
       {"mbsToUtf8(0, {})", "lookupVariable({}, 'x')", "findErrorDescriptionFromDir('/', 'x')"}) {
    EXPECT_NE(Raised(call).find("bad argument #"), std::string::npos) << call;
  }
  const std::string raised = Raised("expandPath('t', '$_tempDir')");
  EXPECT_EQ(Member(raised.c_str(), "error_constant"), "zuapalerr_invalidParameter");
  EXPECT_EQ(Detail(raised, "zuxlator_debug", "zuxlatordll"), "plugin dll path invalid");
  EXPECT_EQ(Detail(Raised("convertLangToDir(-1)"), "zuxlator_debug", "lang"), "4294967295");
  ErrorFileTree tree;
  tree.Write("errors/Japanese/ja.err", Described("日本語の説明"));
  tree.Write("errors/own.err", Document(Entry("-1074134954", "own")));
  const std::string errors = "'" + tree.Path("errors") + "'";
  const std::pair<std::string, std::string> cases[] = {
      {"findErrorDescriptionFromErrorsDir(" + errors + ", 3220832342, 3)", "日本語の説明"},
      {"findErrorDescriptionFromErrorsDir(" + errors + ", -1074134954, 1)", "own"},
      {"findErrorDescriptionFromErrorsDir(" + errors + ", 1, 0)", "nil"},
      {"findErrorDescriptionFromDir(" + errors + ", 0xBFFA0056)", "own"},
      {"findErrorDescriptionFromFile(" + errors + ", 0xBFFA0056)", "own"},
      {"findErrorDescriptionFromDir(" + errors + ", 2)", "nil"},
  };
  for (const auto &[call, expected] : cases) EXPECT_EQ(Call(call), expected);
  // The file function takes a folder too, so a file path cannot be opened.
  const std::string fileRaised =
      Raised("findErrorDescriptionFromFile('" + tree.Path("errors/own.err") + "', 1)");
  EXPECT_EQ(Detail(fileRaised, "zuxlator_debug", "debug"), "open dir failed");
}

TEST_F(TranslatorTables, AttributeRowsUnderHexKeysAndCommonTermsSharingKeysInBothLanguages) {
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
