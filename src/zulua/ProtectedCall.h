// Protected calls into an interpreter that also make lua-cjson's lack of
// memory a script error. lua-cjson ends the process when a buffer cannot be
// allocated; it is compiled with its `exit` and `abort` calls sent to
// functions that raise "not enough memory" in the interpreter the calling
// thread is running instead (cmake/EmbeddedLua.cmake builds this file into the
// embedded Lua objects).
#pragma once

#include <lua.h>

namespace zuxlatorlua {

// lua_cpcall(L, function, argument), with L known as the interpreter the
// calling thread runs until it returns (nested calls restore the outer one).
int ProtectedCall(lua_State *L, lua_CFunction function, void *argument);

} // namespace zuxlatorlua
