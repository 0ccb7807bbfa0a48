/* Shared library built only from the embedded Lua objects plus this entry
   point, to check that none of their symbols is exported. */
#include <lauxlib.h>
#include <lualib.h>

__attribute__((visibility("default"))) int zu_lua_probe_run(void) {
  lua_State *L = luaL_newstate();
  if (L == 0) {
    return -1;
  }
  luaL_openlibs(L);
  int result = -1;
  if (luaL_dostring(L, "return 6 * 7") == 0) {
    result = (int)lua_tointeger(L, -1);
  }
  lua_close(L);
  return result;
}
