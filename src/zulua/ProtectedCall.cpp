#include "zulua/ProtectedCall.h"

#include <lauxlib.h>

#include <cstdlib>

namespace zuxlatorlua {
namespace {

thread_local lua_State *tRunning = nullptr;

// Raises in the running interpreter; a longjmp leaves this frame, which holds
// no object with a destructor. Outside any interpreter nothing can recover.
[[noreturn]] void RaiseOutOfMemory() {
  if (tRunning != nullptr) luaL_error(tRunning, "not enough memory");
  std::abort();
}

} // namespace

int ProtectedCall(lua_State *L, lua_CFunction function, void *argument) {
  lua_State *outer = tRunning;
  tRunning = L;
  const int result = lua_cpcall(L, function, argument);
  tRunning = outer;
  return result;
}

} // namespace zuxlatorlua

// Where lua-cjson's `exit` and `abort` go: it calls them only when an
// allocation failed.
extern "C" [[noreturn]] void zuxlatorlua_cjson_exit(int) { zuxlatorlua::RaiseOutOfMemory(); }
extern "C" [[noreturn]] void zuxlatorlua_cjson_abort() { zuxlatorlua::RaiseOutOfMemory(); }
