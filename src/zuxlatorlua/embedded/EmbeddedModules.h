// Native Lua modules compiled into the library (LuaFileSystem, lua-cjson)
// and the helpers that make them and embedded scripts available to
// `require` without touching the disk.
//
// Every function here may raise a Lua error (out of memory) and so must run
// in protected mode, e.g. inside lua_cpcall; they keep no C++ object with a
// destructor in their frames, so a longjmp through them is harmless.
#pragma once

#include <cstddef>

#include <lua.h>

extern "C" {
int luaopen_lfs(lua_State *L);
int luaopen_cjson(lua_State *L);
}

namespace zuxlatorlua {

// Stores luaopen_lfs and luaopen_cjson as package.preload["lfs"] and
// package.preload["cjson"]. False (nothing stored) when the package library
// is not open.
bool OpenEmbeddedNativeModules(lua_State *L);

// Compiles `length` bytes of `text` (source or precompiled chunk) under the
// chunk name `chunkName` and stores the chunk as package.preload[key]. On
// failure returns false and leaves the compiler's message on the stack; the
// package library not being open counts as failure with a message too.
bool PreloadEmbeddedScript(lua_State *L, const char *key, const char *chunkName, const char *text,
                           std::size_t length);

} // namespace zuxlatorlua
