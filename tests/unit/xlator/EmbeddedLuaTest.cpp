// The third-party Lua modules as the translators get them, nothing from the disk.
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string_view>

#include "BareLua.h"
#include "zuxlatorlua/embedded/EmbeddedModules.h"
#include "zuxlatorlua/embedded/EmbeddedScripts.h"

namespace {

using zuxlatorlua::EmbeddedScript;

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

TEST(EmbeddedLua, ModulesWorkWithoutTheDisk) {
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
    local back = cjson.decode(cjson.encode({ name = "a\"b\n", list = { 1, 2.5, -3 }, flag = false }))
    assert(back.name == "a\"b\n" and back.flag == false and back.list[2] == 2.5 and back.list[3] == -3)
    assert(cjson.decode('{"x":null}').x == cjson.null and not pcall(cjson.decode, '{"a":'))
    local reg = json.decode([[{"zuxlatorlua_path": ["/opt/a/?.lua", "/opt/b/?.lua"],
                               "zuxlatorlua_settings": {"lang": 2, "title": "caf\u00e9"}}]])
    assert(reg.zuxlatorlua_path[2] == "/opt/b/?.lua" and reg.zuxlatorlua_settings.lang == 2)
    assert(reg.zuxlatorlua_settings.title == "caf\195\169")
    local value, _, err = json.decode('{"a": [1, 2}') -- malformed: nil and a message, no error
    assert(value == nil and type(err) == "string")
    assert(util.compare_values({ 1, { a = 2 } }, { 1, { a = 2 } }) and not util.compare_values({ 1 }, { 2 }))
    assert(lfs.attributes('.').mode == 'directory')
    local found, message = pcall(require, 'socket')
    assert(not found and message:find("module 'socket' not found"), message)
    return lfs.currentdir() .. ' ' .. util.serialise_value({ 1, 2 }))"),
            std::string(cwd) + " {\n  1,\n  2\n}");
}

} // namespace
