// A bare interpreter with the standard libraries, into which a test opens the
// modules it exercises and runs snippets.
#pragma once

#include <lauxlib.h>
#include <lualib.h>

#include <gtest/gtest.h>

namespace luatest {

struct BareLua {
  BareLua() { luaL_openlibs(L); }
  ~BareLua() { lua_close(L); }

  // Calls open(name) in protected mode, as the translator host opens a library.
  bool Open(lua_CFunction open, const char *name) {
    lua_pushcfunction(L, open);
    lua_pushstring(L, name);
    return lua_pcall(L, 1, 0, 0) == 0;
  }

  // Runs `code`; its first result through tostring(), or "error: <message>".
  std::string Run(const std::string &code) {
    const int top = lua_gettop(L);
    const bool failed =
        luaL_loadbuffer(L, code.data(), code.size(), "=test") != 0 || lua_pcall(L, 0, 1, 0) != 0;
    lua_getglobal(L, "tostring");
    lua_insert(L, -2);
    lua_call(L, 1, 1);
    size_t length = 0;
    const char *text = lua_tolstring(L, -1, &length);
    std::string result = (failed ? "error: " : "") + std::string(text, length);
    lua_settop(L, top);
    return result;
  }

  lua_State *const L = luaL_newstate();
};

} // namespace luatest
