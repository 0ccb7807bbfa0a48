#include "../xlator_files/ErrorFileTree.h"
#include "BareLua.h"
#include "zuxlatorlua/zuxlatorluautils.h"

using xlatortest::Document;
using xlatortest::Entry;
using xlatortest::ErrorFileTree;
using xlatortest::Member;

namespace {

class UtilsModule : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(lua.Open(luaopen_zuxlatorluautils, "zuxlatorluautils")); }

  // The message a failing call raises, as the scripts catch it.
  std::string Raised(const std::string &call) {
    return lua.Run("local ok, message = pcall(function() return zuxlatorluautils." + call +
                   " end) return ok and 'no error' or message");
  }

  // Member of the zuxlator_debug object of a raised status JSON.
  static std::string Debug(const std::string &json, const char *key) {
    return Member(jsonz::Lookup(json.c_str(), "zuxlator_debug"), key);
  }

  luatest::BareLua lua;
};

} // namespace

TEST_F(UtilsModule, RegistersTheSevenFunctionsAsAGlobalAndALoadedModule) {
  for (const char *name :
       {"mbsToUtf8", "lookupVariable", "expandPath", "convertLangToDir", "findErrorDescriptionFromErrorsDir",
        "findErrorDescriptionFromDir", "findErrorDescriptionFromFile"}) {
    EXPECT_EQ(lua.Run(std::string("return type(zuxlatorluautils.") + name + ")"), "function") << name;
  }
  EXPECT_EQ(lua.Run("return package.loaded.zuxlatorluautils == zuxlatorluautils"), "true");
}

TEST_F(UtilsModule, MbsToUtf8ReturnsItsTextByteForByte) {
  EXPECT_EQ(lua.Run("return zuxlatorluautils.mbsToUtf8(3, 'a\\0\\255\\227\\129\\130')"),
            std::string("a\0\xff\xe3\x81\x82", 6));
  EXPECT_EQ(lua.Run("return zuxlatorluautils.mbsToUtf8(nil, 42)"), "42");
  EXPECT_NE(Raised("mbsToUtf8(0, {})").find("bad argument #2"), std::string::npos);
}

TEST_F(UtilsModule, PathVariablesAndExpansion) {
  EXPECT_EQ(lua.Run("return zuxlatorluautils.lookupVariable('t', '_commonAppDataDir')"), "/var/local/kelmar");
  EXPECT_EQ(lua.Run("return zuxlatorluautils.lookupVariable('t', 'noSuchVariable')"), "");
  EXPECT_EQ(lua.Run("return zuxlatorluautils.expandPath('t', '$_commonAppDataDir/errors')"),
            "/var/local/kelmar/errors");
  EXPECT_NE(Raised("lookupVariable({}, '_tempDir')").find("bad argument #1"), std::string::npos);

  const std::string raised = Raised("expandPath('t', '$_tempDir')");
  EXPECT_EQ(Member(raised.c_str(), "error_constant"), "zuapalerr_invalidParameter");
  EXPECT_EQ(Member(jsonz::Lookup(raised.c_str(), "zuxlator_debug"), "zuxlatordll"),
            "plugin dll path invalid");
}

TEST_F(UtilsModule, LanguageFolderNames) {
  EXPECT_EQ(lua.Run("return zuxlatorluautils.convertLangToDir(3)"), "Japanese");
  EXPECT_EQ(Debug(Raised("convertLangToDir(6)"), "gxerrorsparser"), "invalid language");
  EXPECT_EQ(Debug(Raised("convertLangToDir(-1)"), "lang"), "4294967295");
}

TEST_F(UtilsModule, DescriptionSearchesGiveTextNilOrRaiseTheStatus) {
  ErrorFileTree tree;
  tree.Write("errors/Japanese/ja.err", Document(Entry("0xBFFA0056", "日本語の説明")));
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
  for (const auto &[call, expected] : cases) EXPECT_EQ(lua.Run("return zuxlatorluautils." + call), expected);

  // The file function takes a folder too, so a file path cannot be opened.
  EXPECT_EQ(Debug(Raised("findErrorDescriptionFromFile('" + tree.Path("errors/own.err") + "', 1)"), "debug"),
            "open dir failed");
  EXPECT_EQ(Debug(Raised("findErrorDescriptionFromErrorsDir(" + errors + ", 1, 9)"), "gxerrorsparser"),
            "invalid language");
  EXPECT_NE(Raised("findErrorDescriptionFromDir(" + errors + ", 'x')").find("bad argument #2"),
            std::string::npos);
}
