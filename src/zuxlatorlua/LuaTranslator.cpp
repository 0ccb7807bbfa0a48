#include "zuxlatorlua/LuaTranslator.h"

#include <lauxlib.h>
#include <lualib.h>

#include <cstdio>
#include <cstring>

#include "zuapal/zuapalerr.h"
#include "zulua/ProtectedCall.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlatorlua/LuaDescriptions.h"
#include "zuxlatorlua/embedded/EmbeddedModules.h"
#include "zuxlatorlua/embedded/EmbeddedScripts.h"
#include "zuxlatorlua/stdint/Int64Module.h"
#include "zuxlatorlua/zuxlatorluautils.h"

namespace zuxlatorlua {
namespace {

struct Library {
  const char *name;
  lua_CFunction open;
};

// Opened in this order, each called with its name.
constexpr Library kLibraries[] = {
    {"", luaopen_base},
    {LUA_LOADLIBNAME, luaopen_package},
    {LUA_TABLIBNAME, luaopen_table},
    {LUA_IOLIBNAME, luaopen_io},
    {LUA_OSLIBNAME, luaopen_os},
    {LUA_STRLIBNAME, luaopen_string},
    {LUA_MATHLIBNAME, luaopen_math},
    {LUA_DBLIBNAME, luaopen_debug},
    {"lfs", luaopen_lfs},
    {"stdint", luaopen_stdint},
    {"cjson", luaopen_cjson},
    {"zuxlatorluautils", luaopen_zuxlatorluautils},
};

int OpenLibrary(lua_State *L) {
  const auto *library = static_cast<const Library *>(lua_touserdata(L, 1));
  lua_pushcfunction(L, library->open);
  lua_pushstring(L, library->name);
  lua_call(L, 1, 0);
  return 0;
}

bool OpenLibraries(lua_State *L, zuerr::Status &status) {
  for (const Library &library : kLibraries) {
    int result = ProtectedCall(L, OpenLibrary, const_cast<Library *>(&library));
    if (result != 0) {
      jsonz::Cursor cursor = LuaFailure(status, result, ErrorMessage(L), "failed to load lua lib");
      jsonz::PutString(cursor, "lib", library.name);
      return false;
    }
  }
  return true;
}

// Only source (".lua") and precompiled (".luac") chunks are preloaded.
const char *ModuleExtension(const char *fileName) {
  const char *dot = std::strrchr(fileName, '.');
  if (dot == nullptr || (std::strcmp(dot, ".lua") != 0 && std::strcmp(dot, ".luac") != 0)) return nullptr;
  return dot;
}

struct PreloadRun {
  bool failed = false;
  char lastMessage[512] = "";
};

// Enters one embedded module into the preload table at the top of the stack;
// a module that does not compile is reported on standard error and skipped.
void PreloadModule(lua_State *L, const EmbeddedScript &script, PreloadRun &run) {
  const char *extension = ModuleExtension(script.name);
  if (extension == nullptr) return;
  if (luaL_loadbuffer(L, script.text, script.length, script.name) != 0) {
    const char *message = ErrorMessage(L);
    std::fprintf(stderr, "ERROR: Failed to load \"%s\": %s\n", script.name, message);
    std::snprintf(run.lastMessage, sizeof run.lastMessage, "%s", message);
    run.failed = true;
    lua_pop(L, 1);
    return;
  }
  lua_pushlstring(L, script.name, static_cast<size_t>(extension - script.name));
  lua_insert(L, -2);
  lua_settable(L, -3);
}

int FillPreloadTable(lua_State *L) {
  auto &run = *static_cast<PreloadRun *>(lua_touserdata(L, 1));
  lua_getglobal(L, "package");
  lua_getfield(L, -1, "preload");
  for (auto scripts : {ThirdPartyScripts(), TranslatorScripts()})
    for (const EmbeddedScript &script : scripts) PreloadModule(L, script, run);
  lua_pop(L, 2);
  return 0;
}

bool PreloadModules(lua_State *L, zuerr::Status &status) {
  PreloadRun run;
  int result = ProtectedCall(L, FillPreloadTable, &run);
  if (result != 0) {
    LuaFailure(status, result, ErrorMessage(L), "failed to add embedded modules to preload table");
    return false;
  }
  if (run.failed) LuaFailure(status, 1, run.lastMessage, "failed to add embedded modules to preload table");
  return !run.failed;
}

struct SetupArguments {
  const char *name;
  const char *registrationInfo;
};

int RunSetupScript(lua_State *L) {
  const auto *arguments = static_cast<const SetupArguments *>(lua_touserdata(L, 1));
  lua_getglobal(L, "require");
  lua_pushstring(L, "zuxlatorlua");
  lua_call(L, 1, 0);
  lua_getglobal(L, "zuxlatorlua_setupEnv");
  lua_pushstring(L, arguments->name);
  lua_pushstring(L, arguments->registrationInfo);
  lua_call(L, 2, 0);
  return 0;
}

bool RunSetup(lua_State *L, const char *name, const char *registrationInfo, zuerr::Status &status) {
  SetupArguments arguments{name != nullptr ? name : "", registrationInfo != nullptr ? registrationInfo : ""};
  int result = ProtectedCall(L, RunSetupScript, &arguments);
  if (result == 0) return true;
  jsonz::Cursor cursor = LuaFailure(status, result, ErrorMessage(L), "lua setupEnv failed");
  jsonz::PutString(cursor, "name", arguments.name);
  jsonz::PutString(cursor, "registrationInfo", arguments.registrationInfo);
  return false;
}

void Destroy(zuxlator::TranslatorFunctions *functions) {
  auto *translator = reinterpret_cast<LuaTranslator *>(functions);
  if (translator->interpreter != nullptr) lua_close(translator->interpreter);
  delete translator;
}

} // namespace

const char *ErrorMessage(lua_State *L) {
  if (lua_type(L, -1) == LUA_TSTRING) return lua_tostring(L, -1);
  return "(error object is not a string)";
}

jsonz::Cursor LuaFailure(zuerr::Status &status, int code, const char *message, const char *debug) {
  bool taken = ZUERR_SET(status, zuapalerr_softwareFaultAPALInternalUseOnly);
  zuxlator::AddInternalError(status, taken, "lua", code, message);
  jsonz::Cursor cursor = zuxlator::DetailObject(status, taken, "zuxlatorlua_debug");
  jsonz::PutString(cursor, "debug", debug);
  return cursor;
}

void CreateLuaTranslator(LuaTranslator &translator, const char *name, const char *registrationInfo,
                         zuerr::Status &status) {
  translator.functions = {zuxlator::kTranslatorFunctionsSize, Destroy, StaticDescription, DynamicDescription};
  translator.interpreter = nullptr;
  lua_State *L = luaL_newstate();
  if (L == nullptr) {
    bool taken = ZUERR_SET(status, zuapalerr_memoryFull);
    jsonz::Cursor cursor = zuxlator::DetailObject(status, taken, "zuxlatorlua_debug");
    jsonz::PutString(cursor, "debug", "failed to create lua state");
    return;
  }
  if (zuerr::IsError(status) || !OpenLibraries(L, status) || !PreloadModules(L, status) ||
      !RunSetup(L, name, registrationInfo, status)) {
    lua_close(L);
    return;
  }
  translator.interpreter = L;
}

} // namespace zuxlatorlua
