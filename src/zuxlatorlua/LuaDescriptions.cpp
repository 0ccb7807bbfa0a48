#include "zuxlatorlua/LuaDescriptions.h"

#include <lauxlib.h>

#include <cmath>
#include <cstring>

#include "zuapal/zuapalerr.h"
#include "zulua/ProtectedCall.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlatorlua/LuaTranslator.h"

namespace zuxlatorlua {
namespace {

// What a protected description call needs and what it gives back. Plain
// data only: a script error unwinds through the functions that use it.
struct DescriptionCall {
  const char *function;
  ViStatus code;
  const char *errorJson;
  const char *format;
  uint32_t language;
  uint32_t ade;
  zuxlator::AllocFn alloc;
  void *allocContext;
  zuerr::Status *status;
  char *result = nullptr;
  bool numeric = false;
  double number = 0;
  int scriptResult = 0; // the script's own failure code, when it failed
};

// Calls the function below its `arguments` with zuxlatorlua_errHandler as
// message handler when that is a function; raises the (extended) message
// again when the call fails. Leaves the one result on the stack.
void CallWithHandler(lua_State *L, int arguments, DescriptionCall &call) {
  int function = lua_gettop(L) - arguments;
  lua_getglobal(L, "zuxlatorlua_errHandler");
  int handler = 0;
  if (lua_isfunction(L, -1)) {
    lua_insert(L, function);
    handler = function;
  } else {
    lua_pop(L, 1);
  }
  int result = lua_pcall(L, arguments, 1, handler);
  if (handler != 0) lua_remove(L, handler);
  if (result != 0) {
    call.scriptResult = result;
    lua_error(L);
  }
}

void PushArguments(lua_State *L, const DescriptionCall &call) {
  lua_getglobal(L, "zuxlatorlua_xlator");
  lua_getfield(L, -1, call.function);
  lua_remove(L, -2);
  if (call.errorJson != nullptr)
    lua_pushstring(L, call.errorJson);
  else
    lua_pushinteger(L, call.code);
  lua_pushinteger(L, call.language);
  lua_pushinteger(L, call.ade);
  if (call.errorJson != nullptr) lua_pushstring(L, call.format != nullptr ? call.format : "");
}

// Copies the result on top of the stack, with its NUL, into a block from
// alloc; nothing is copied when the status holds an error after allocating.
void CopyResult(lua_State *L, DescriptionCall &call) {
  size_t length = 0;
  int type = lua_type(L, -1);
  const char *text = type == LUA_TSTRING || type == LUA_TNUMBER ? lua_tolstring(L, -1, &length) : "";
  auto *block = static_cast<char *>(call.alloc(nullptr, length + 1, call.allocContext, call.status));
  if (block == nullptr) return;
  if (zuerr::IsError(*call.status)) {
    call.alloc(block, 0, call.allocContext, nullptr);
    return;
  }
  std::memcpy(block, text, length);
  block[length] = '\0';
  call.result = block;
}

int RunDescription(lua_State *L) {
  auto &call = *static_cast<DescriptionCall *>(lua_touserdata(L, 1));
  PushArguments(L, call);
  CallWithHandler(L, call.errorJson != nullptr ? 4 : 3, call);
  if (call.errorJson != nullptr && lua_isnumber(L, -1)) {
    call.numeric = true;
    call.number = lua_tonumber(L, -1);
  } else {
    CopyResult(L, call);
  }
  return 0;
}

// A script's numeric answer as a status code (out-of-range numbers clamp).
int32_t AsCode(double number) {
  if (std::isnan(number)) return INT32_MIN;
  double whole = std::trunc(number);
  if (whole <= -9.2e18 || whole >= 9.2e18) return INT32_MIN;
  return static_cast<int32_t>(static_cast<int64_t>(whole));
}

char *Run(zuxlator::TranslatorFunctions *translator, DescriptionCall &call, const char *failureDebug) {
  lua_State *L = reinterpret_cast<LuaTranslator *>(translator)->interpreter;
  int result = L != nullptr ? ProtectedCall(L, RunDescription, &call) : LUA_ERRRUN;
  if (result != 0) {
    LuaFailure(*call.status, call.scriptResult != 0 ? call.scriptResult : result,
               L != nullptr ? ErrorMessage(L) : "no interpreter", failureDebug);
    if (L != nullptr) lua_pop(L, 1);
    return nullptr;
  }
  int32_t code = AsCode(call.number);
  if (call.numeric && code != 0) {
    bool taken = ZUERR_SET_CODE(*call.status, code, "(int32_t)lua_tointeger(L, -1)");
    jsonz::Cursor cursor = zuxlator::DetailObject(*call.status, taken, "zuxlatorlua_debug");
    jsonz::PutString(cursor, "debug", failureDebug);
  }
  return call.result;
}

} // namespace

char *StaticDescription(zuxlator::TranslatorFunctions *translator, ViStatus code, uint32_t langWord,
                        zuxlator::AllocFn alloc, void *allocContext, zuerr::Status *status) {
  DescriptionCall call{
      "getStaticDesc",           code,  nullptr,      nullptr, zuxlator::LanguageOf(langWord),
      zuxlator::AdeOf(langWord), alloc, allocContext, status};
  return Run(translator, call, "failed to get static desc");
}

char *DynamicDescription(zuxlator::TranslatorFunctions *translator, const char *errorJson, uint32_t langWord,
                         const char *format, zuxlator::AllocFn alloc, void *allocContext,
                         zuerr::Status *status) {
  if (zuerr::IsError(*status)) return nullptr;
  DescriptionCall call{"getDynamicDesc",
                       0,
                       errorJson != nullptr ? errorJson : "",
                       format,
                       zuxlator::LanguageOf(langWord),
                       zuxlator::AdeOf(langWord),
                       alloc,
                       allocContext,
                       status};
  return Run(translator, call, "failed to get dynamic desc");
}

} // namespace zuxlatorlua
