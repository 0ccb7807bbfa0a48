#include "zuxlatorlua/embedded/EmbeddedModules.h"

#include <lauxlib.h>

namespace zuxlatorlua {
namespace {

// Pushes package.preload; false (stack unchanged) when it is not a table.
bool PushPreloadTable(lua_State *L) {
  lua_getfield(L, LUA_GLOBALSINDEX, "package");
  if (!lua_istable(L, -1)) {
    lua_pop(L, 1);
    return false;
  }
  lua_getfield(L, -1, "preload");
  lua_remove(L, -2);
  if (!lua_istable(L, -1)) {
    lua_pop(L, 1);
    return false;
  }
  return true;
}

void SetPreloadFunction(lua_State *L, const char *key, lua_CFunction open) {
  lua_pushcfunction(L, open);
  lua_setfield(L, -2, key);
}

} // namespace

bool OpenEmbeddedNativeModules(lua_State *L) {
  if (!PushPreloadTable(L)) {
    return false;
  }
  SetPreloadFunction(L, "lfs", luaopen_lfs);
  SetPreloadFunction(L, "cjson", luaopen_cjson);
  lua_pop(L, 1);
  return true;
}

bool PreloadEmbeddedScript(lua_State *L, const char *key, const char *chunkName, const char *text,
                           std::size_t length) {
  if (!PushPreloadTable(L)) {
    lua_pushliteral(L, "package.preload is not available");
    return false;
  }
  if (luaL_loadbuffer(L, text, length, chunkName) != 0) {
    lua_remove(L, -2);
    return false;
  }
  lua_setfield(L, -2, key);
  lua_pop(L, 1);
  return true;
}

} // namespace zuxlatorlua
