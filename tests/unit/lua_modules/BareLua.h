// A bare interpreter with the standard libraries, into which a test opens the
// modules it exercises and runs snippets.
#pragma once

#include <lauxlib.h>
#include <lualib.h>

#include <gtest/gtest.h>

#include <string>

namespace luatest {

class BareLua {
public:
  BareLua() : L(luaL_newstate()) { luaL_openlibs(L); }
  ~BareLua() { lua_close(L); }
  BareLua(const BareLua &) = delete;
  BareLua &operator=(const BareLua &) = delete;

  // Calls open(name) in protected mode, as the translator host opens a
  // library; false when it raised.
  bool Open(lua_CFunction open, const char *name) {
    lua_pushcfunction(L, open);
    lua_pushstring(L, name);
    return lua_pcall(L, 1, 0, 0) == 0;
  }

  // Runs `code`; its first result as text ("nil" for nil, "true"/"false",
  // "<type>" for other values that are not text), or "error: <message>".
  std::string Run(const std::string &code) {
    const int top = lua_gettop(L);
    const bool failed =
        luaL_loadbuffer(L, code.data(), code.size(), "=test") != 0 || lua_pcall(L, 0, 1, 0) != 0;
    std::string result = (failed ? "error: " : "") + Text(-1);
    lua_settop(L, top);
    return result;
  }

  lua_State *const L;

private:
  std::string Text(int index) {
    size_t length = 0;
    if (lua_type(L, index) == LUA_TSTRING || lua_type(L, index) == LUA_TNUMBER) {
      const char *text = lua_tolstring(L, index, &length);
      return std::string(text, length);
    }
    if (lua_isnil(L, index)) return "nil";
    if (lua_isboolean(L, index)) return lua_toboolean(L, index) ? "true" : "false";
    return std::string("<") + luaL_typename(L, index) + ">";
  }
};

} // namespace luatest
