#include "ErrorFileTree.h"
#include "BareLua.h"
#include "zuxlatorlua/zuxlatorluautils.h"

using namespace xlatortest;

namespace {

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

} // namespace

TEST_F(UtilsModule, TextFunctionsAndTheirArgumentChecks) {
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
}

TEST_F(UtilsModule, FailuresRaiseTheStatusJson) {
  const std::string raised = Raised("expandPath('t', '$_tempDir')");
  EXPECT_EQ(Member(raised.c_str(), "error_constant"), "zuapalerr_invalidParameter");
  EXPECT_EQ(Detail(raised, "zuxlator_debug", "zuxlatordll"), "plugin dll path invalid");
  EXPECT_EQ(Detail(Raised("convertLangToDir(-1)"), "zuxlator_debug", "lang"), "4294967295");
}

TEST_F(UtilsModule, DescriptionSearchesGiveTextOrNil) {
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
  const std::string raised = Raised("findErrorDescriptionFromFile('" + tree.Path("errors/own.err") + "', 1)");
  EXPECT_EQ(Detail(raised, "zuxlator_debug", "debug"), "open dir failed");
}
