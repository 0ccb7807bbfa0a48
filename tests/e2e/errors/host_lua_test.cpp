// A host linking the system's Lua before libzuvexa.so: the library's interpreter is not bound to it.
#include <dlfcn.h>
#include <lua5.1/lauxlib.h>
#include <lua5.1/lua.h>
#include <lua5.1/lualib.h>

#include <gtest/gtest.h>

#include <string>

#include "zuVEXA.h"

// Host Lua functions that count their calls; a wrongly bound library would call them.
namespace {
int hostStates = 0;
int hostProtectedCalls = 0;
template <class Function> Function Next(const char *name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" __attribute__((visibility("default"))) lua_State *luaL_newstate() {
  ++hostStates;
  static auto next = Next<lua_State *(*)()>("luaL_newstate");
  return next();
}

extern "C" __attribute__((visibility("default"))) int lua_cpcall(lua_State *L, lua_CFunction function,
                                                                 void *data) {
  ++hostProtectedCalls;
  static auto next = Next<int (*)(lua_State *, lua_CFunction, void *)>("lua_cpcall");
  return next(L, function, data);
}

namespace {

std::string Describe(ViStatus code) {
  char text[1024] = {};
  EXPECT_EQ(zuVEXA_GetErrorMessage(0, code, sizeof text, text), 0);
  return text;
}

// Runs `code` in the host's interpreter; its result as text.
std::string HostRun(lua_State *L, const char *code) {
  if (luaL_loadstring(L, code) != 0 || lua_pcall(L, 0, 1, 0) != 0)
    return std::string("error: ") + lua_tostring(L, -1);
  std::string result = lua_tostring(L, -1) != nullptr ? lua_tostring(L, -1) : "(not text)";
  lua_pop(L, 1);
  return result;
}

} // namespace

// The driver's own folder is searched only by the library's translator script.
TEST(HostLua, HostInterpreterAndLibraryTranslatorsLiveSideBySide) {
  Dl_info where{}; // the host's Lua comes first in symbol search order
  ASSERT_NE(dladdr(dlsym(RTLD_DEFAULT, "lua_pcall"), &where), 0);
  EXPECT_NE(std::string(where.dli_fname).find("liblua5.1"), std::string::npos) << where.dli_fname;

  lua_State *host = luaL_newstate();
  luaL_openlibs(host);
  EXPECT_EQ(HostRun(host, "zuxlatorlua_xlator = 'host' return string.format('%d', 12)"), "12");

  EXPECT_EQ(Describe(static_cast<ViStatus>(0xBFFA0060)).rfind("Device not found.", 0), 0u);
  EXPECT_EQ(Describe(static_cast<ViStatus>(0xBFFA9405)), "Invalid parameter.") << "a mapped platform status";
  EXPECT_EQ(Describe(static_cast<ViStatus>(0xBFFA0061)), "Error description not found");

  EXPECT_EQ(HostRun(host, "return zuxlatorlua_xlator .. ' ' .. tostring(zuxlatorlua_setupEnv)"), "host nil")
      << "the library's scripts ran in its own interpreter";
  EXPECT_EQ(hostStates, 1) << "only the host made an interpreter through the host's functions";
  EXPECT_EQ(hostProtectedCalls, 0);
  lua_close(host);
  EXPECT_EQ(Describe(static_cast<ViStatus>(0xBFFA0060)).rfind("Device not found.", 0), 0u);
}
