#include "zuxlatorlua/embedded/EmbeddedModules.h"
#include "zuxlatorlua/embedded/EmbeddedScripts.h"

#include <dlfcn.h>
#include <lauxlib.h>
#include <lualib.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using zuxlatorlua::EmbeddedScript;

class EmbeddedLua : public ::testing::Test {
protected:
  void SetUp() override {
    L = luaL_newstate();
    ASSERT_NE(L, nullptr);
    luaL_openlibs(L);
    ASSERT_TRUE(zuxlatorlua::OpenEmbeddedNativeModules(L));
    for (const EmbeddedScript &script : zuxlatorlua::ThirdPartyScripts()) {
      const std::string key(script.name, std::string_view(script.name).rfind('.'));
      ASSERT_TRUE(zuxlatorlua::PreloadEmbeddedScript(L, key.c_str(), script.name, script.text, script.length));
    }
    // Nothing may come from the disk.
    ASSERT_EQ(Run("package.path = '' package.cpath = '' return 'ok'"), "ok");
  }
  void TearDown() override { lua_close(L); }

  // Runs `code`; its first result as text, or "error: <message>".
  std::string Run(const char *code) {
    const int top = lua_gettop(L);
    const int rc = luaL_loadstring(L, code) != 0 ? 1 : lua_pcall(L, 0, 1, 0);
    const char *text = lua_tostring(L, -1);
    std::string result = (rc != 0 ? "error: " : "") + std::string(text ? text : "(non-text)");
    lua_settop(L, top);
    return result;
  }

  lua_State *L = nullptr;
};

TEST(EmbeddedScripts, HoldTheFetchedFilesByteForByte) {
  auto scripts = zuxlatorlua::ThirdPartyScripts();
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_STREQ(scripts[0].name, "json.lua");
  EXPECT_STREQ(scripts[1].name, "util.lua");
  for (const EmbeddedScript &script : scripts) {
    std::ifstream file(std::string(ZU_TEST_LUA_SCRIPT_DIR "/") + script.name, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(expected.empty()) << script.name;
    EXPECT_EQ(std::string(script.text, script.length), expected) << script.name;
    EXPECT_EQ(script.text[script.length], '\0');
  }
}

TEST_F(EmbeddedLua, CjsonRoundTripsNestedValuesAndRejectsMalformedText) {
  EXPECT_EQ(Run(R"(
    local cjson = require "cjson"
    local text = cjson.encode({ name = "a\"b\n", list = { 1, 2.5, -3 }, flag = false })
    local back = cjson.decode(text)
    assert(back.name == "a\"b\n" and back.flag == false)
    assert(#back.list == 3 and back.list[2] == 2.5 and back.list[3] == -3)
    assert(cjson.decode('{"x":null}').x == cjson.null)
    assert(not pcall(cjson.decode, '{"a":'))
    return "ok")"),
            "ok");
}

TEST_F(EmbeddedLua, JsonDecodesARegistrationAndReportsMalformedText) {
  EXPECT_EQ(Run(R"(
    local json = require "json"
    local reg = json.decode([[{"zuxlatorlua_path": ["/opt/a/?.lua", "/opt/b/?.lua"],
                               "zuxlatorlua_xlator": "mxlator",
                               "zuxlatorlua_settings": {"lang": 2, "title": "caf\u00e9"}}]])
    assert(#reg.zuxlatorlua_path == 2 and reg.zuxlatorlua_path[2] == "/opt/b/?.lua")
    assert(reg.zuxlatorlua_settings.lang == 2)
    assert(reg.zuxlatorlua_settings.title == "caf\195\169")
    local value, _, err = json.decode('{"a": [1, 2}') -- malformed: nil and a message, not an error
    assert(value == nil and type(err) == "string")
    return reg.zuxlatorlua_xlator)"),
            "mxlator");
}

TEST_F(EmbeddedLua, LfsReportsTheWorkingDirectory) {
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(Run("return require('lfs').currentdir()"), cwd);
  EXPECT_EQ(Run("return require('lfs').attributes('.').mode"), "directory");
}

TEST_F(EmbeddedLua, UtilLoadsWithItsCjsonDependency) {
  EXPECT_EQ(Run(R"(
    local util = require "util"
    assert(util.compare_values({ 1, { a = 2 } }, { 1, { a = 2 } }))
    assert(not util.compare_values({ 1 }, { 2 }))
    return util.serialise_value({ 1, 2 }))"),
            "{\n  1,\n  2\n}");
}

TEST_F(EmbeddedLua, RequireFindsNothingBeyondThePreloads) {
  std::string result = Run("return require 'socket'");
  EXPECT_EQ(result.rfind("error: ", 0), 0u) << result;
  EXPECT_NE(result.find("module 'socket' not found"), std::string::npos) << result;
}

// A shared library made of the embedded objects must export none of the
// Lua API, so a host application's own Lua can never be interposed.
TEST(EmbeddedLuaVisibility, NoLuaSymbolLeavesASharedLibrary) {
  void *probe = dlopen(ZU_TEST_LUA_PROBE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(probe, nullptr) << dlerror();
  auto run = reinterpret_cast<int (*)()>(dlsym(probe, "zu_lua_probe_run"));
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run(), 42);
  for (const char *symbol : {"lua_newstate", "lua_pushnil", "luaL_newstate", "luaL_loadbuffer",
                             "luaopen_base", "luaopen_lfs", "luaopen_cjson", "strbuf_init",
                             "fpconv_init"}) {
    EXPECT_EQ(dlsym(probe, symbol), nullptr) << symbol;
  }
  dlclose(probe);
}

} // namespace
