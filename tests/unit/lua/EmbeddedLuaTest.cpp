#include "zuxlatorlua/embedded/EmbeddedModules.h"
#include "zuxlatorlua/embedded/EmbeddedScripts.h"

#include <dlfcn.h>
#include <lauxlib.h>
#include <lualib.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using zuxlatorlua::EmbeddedScript;

std::string ModuleKey(const char *fileName) {
  std::string key = fileName;
  return key.substr(0, key.rfind('.'));
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class EmbeddedLua : public ::testing::Test {
protected:
  void SetUp() override {
    L = luaL_newstate();
    ASSERT_NE(L, nullptr);
    luaL_openlibs(L);
    ASSERT_TRUE(zuxlatorlua::OpenEmbeddedNativeModules(L));
    for (const EmbeddedScript &script : zuxlatorlua::ThirdPartyScripts()) {
      ASSERT_TRUE(zuxlatorlua::PreloadEmbeddedScript(L, ModuleKey(script.name).c_str(), script.name,
                                                     script.text, script.length))
          << lua_tostring(L, -1);
    }
    // Nothing may come from the disk.
    ASSERT_EQ(Run("package.path = '' package.cpath = '' return 'ok'"), "ok");
  }
  void TearDown() override { lua_close(L); }

  // Runs `code`; its first result as text, or "error: <message>".
  std::string Run(const char *code) {
    int top = lua_gettop(L);
    int rc = luaL_loadstring(L, code);
    if (rc == 0) {
      rc = lua_pcall(L, 0, 1, 0);
    }
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
    std::string expected = ReadFile(std::string(ZU_TEST_LUA_SCRIPT_DIR "/") + script.name);
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

TEST_F(EmbeddedLua, JsonDecodesARegistration) {
  EXPECT_EQ(Run(R"(
    local json = require "json"
    local reg = json.decode([[{"zuxlatorlua_path": ["/opt/a/?.lua", "/opt/b/?.lua"],
                               "zuxlatorlua_xlator": "mxlator",
                               "zuxlatorlua_settings": {"lang": 2, "title": "caf\u00e9"}}]])
    assert(#reg.zuxlatorlua_path == 2 and reg.zuxlatorlua_path[2] == "/opt/b/?.lua")
    assert(reg.zuxlatorlua_settings.lang == 2)
    assert(reg.zuxlatorlua_settings.title == "caf\195\169")
    return reg.zuxlatorlua_xlator)"),
            "mxlator");
}

TEST_F(EmbeddedLua, JsonReportsMalformedTextAsNilAndMessage) {
  // dkjson returns nil, position, message rather than raising.
  EXPECT_EQ(Run(R"(
    local value, pos, err = require("json").decode('{"a": [1, 2}')
    return tostring(value) .. " " .. type(err))"),
            "nil string");
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

TEST_F(EmbeddedLua, PreloadedChunkRunsOnceWithItsKey) {
  const char text[] = "count = (count or 0) + 1 return { key = ... }";
  ASSERT_TRUE(zuxlatorlua::PreloadEmbeddedScript(L, "once", "once.lua", text, sizeof text - 1));
  EXPECT_EQ(Run("require 'once' return require('once').key .. count"), "once1");
}

TEST_F(EmbeddedLua, PreloadTakesPrecompiledChunksWithEmbeddedNuls) {
  lua_getglobal(L, "string");
  lua_getfield(L, -1, "dump");
  ASSERT_EQ(luaL_loadstring(L, "return 'from bytecode'"), 0);
  ASSERT_EQ(lua_pcall(L, 1, 1, 0), 0);
  size_t length = 0;
  const char *bytes = lua_tolstring(L, -1, &length);
  std::string chunk(bytes, length);
  lua_pop(L, 2);
  ASSERT_NE(chunk.find('\0'), std::string::npos);

  ASSERT_TRUE(zuxlatorlua::PreloadEmbeddedScript(L, "compiled", "compiled.luac", chunk.data(), chunk.size()));
  EXPECT_EQ(Run("return require 'compiled'"), "from bytecode");
}

TEST_F(EmbeddedLua, PreloadFailureLeavesTheCompilerMessage) {
  int top = lua_gettop(L);
  const char text[] = "return {";
  ASSERT_FALSE(zuxlatorlua::PreloadEmbeddedScript(L, "broken", "broken.lua", text, sizeof text - 1));
  ASSERT_EQ(lua_gettop(L), top + 1);
  std::string message = lua_tostring(L, -1);
  EXPECT_NE(message.find("broken.lua"), std::string::npos) << message;
  lua_pop(L, 1);
  EXPECT_EQ(Run("return tostring(package.preload.broken)"), "nil");
}

// The translator host opens the native libraries like the standard ones:
// called with their name, each must publish its global table.
TEST_F(EmbeddedLua, OpeningNativeLibrariesPublishesTheirGlobals) {
  const std::pair<lua_CFunction, const char *> libraries[] = {{luaopen_lfs, "lfs"},
                                                               {luaopen_cjson, "cjson"}};
  for (auto [open, name] : libraries) {
    lua_pushcfunction(L, open);
    lua_pushstring(L, name);
    ASSERT_EQ(lua_pcall(L, 1, 0, 0), 0) << name;
  }
  EXPECT_EQ(Run("return type(lfs.currentdir) .. ' ' .. type(cjson.encode)"), "function function");
}

TEST(EmbeddedLuaWithoutPackageLibrary, RegistrationFailsCleanly) {
  lua_State *L = luaL_newstate();
  ASSERT_NE(L, nullptr);
  luaopen_base(L);
  lua_settop(L, 0);
  EXPECT_FALSE(zuxlatorlua::OpenEmbeddedNativeModules(L));
  EXPECT_EQ(lua_gettop(L), 0);
  EXPECT_FALSE(zuxlatorlua::PreloadEmbeddedScript(L, "x", "x.lua", "return 1", 8));
  EXPECT_EQ(lua_gettop(L), 1);
  lua_close(L);
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
