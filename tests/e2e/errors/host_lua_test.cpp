// A host linking the system's Lua before libzuvexa.so: the library's interpreter is not bound to it.
#include <dlfcn.h>
#include <link.h>
#include <lua5.1/lauxlib.h>
#include <lua5.1/lua.h>
#include <lua5.1/lualib.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zuVEXA.h"

extern "C" int luaopen_cjson(lua_State *L);

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

// Where the first loaded object whose file name holds `part` comes in load
// (and symbol search) order.
size_t LoadPosition(const char *part) {
  std::vector<std::string> names;
  dl_iterate_phdr(
      [](dl_phdr_info *info, size_t, void *data) {
        static_cast<std::vector<std::string> *>(data)->push_back(info->dlpi_name);
        return 0;
      },
      &names);
  size_t i = 0;
  while (i < names.size() && names[i].find(part) == std::string::npos) ++i;
  return i;
}

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
  ASSERT_LT(LoadPosition("liblua5.1.so"), LoadPosition("libzuvexa.so")) << "the host's Lua comes first";
  Dl_info where{};
  ASSERT_NE(dladdr(dlsym(RTLD_DEFAULT, "lua_pcall"), &where), 0);
  EXPECT_NE(std::string(where.dli_fname).find("liblua5.1"), std::string::npos) << where.dli_fname;

  lua_State *host = luaL_newstate();
  luaL_openlibs(host);
  lua_pushcfunction(host, luaopen_cjson);
  lua_call(host, 0, 1);
  lua_setglobal(host, "cjson");
  EXPECT_EQ(HostRun(host, "zuxlatorlua_xlator = 'host' return cjson.encode({ 1, 2 })"), "[1,2]");

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
