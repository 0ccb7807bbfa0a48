#include "zuxlatorlua/MxlatorTranslator.h"

#include <lauxlib.h>

#include <new>

#include "zuapal/zuapalerr.h"
#include "zulua/ProtectedCall.h"
#include "zumxl/mxlate.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlatorlua/LuaTranslator.h"

namespace zuxlatorlua {
namespace {

// zumxl_unmapErrorCode(code): one integer in, its unmapped code out.
int UnmapErrorCode(lua_State *L) {
  auto code = static_cast<ViStatus>(static_cast<uint32_t>(luaL_checkinteger(L, 1)));
  lua_pushinteger(L, zumxl::UnmapErrorCode(code));
  return 1;
}

int RegisterUnmap(lua_State *L) {
  lua_pushcfunction(L, UnmapErrorCode);
  lua_setglobal(L, "zumxl_unmapErrorCode");
  return 0;
}

// Closes the interpreter and fails the creation when the function cannot be
// registered, so that no translator without it is kept.
void AddUnmapFunction(LuaTranslator &translator, zuerr::Status &status) {
  int result = ProtectedCall(translator.interpreter, RegisterUnmap, nullptr);
  if (result == 0) return;
  LuaFailure(status, result, ErrorMessage(translator.interpreter), "failed to register zumxl_unmapErrorCode");
  lua_close(translator.interpreter);
  translator.interpreter = nullptr;
}

} // namespace

zuxlator::TranslatorFunctions *CreateMxlatorTranslator(const char *name, const char *settings,
                                                       zuerr::Status &status) {
  if (zuerr::IsError(status)) return nullptr;
  auto *translator = new (std::nothrow) LuaTranslator{};
  if (translator == nullptr) {
    bool taken = ZUERR_SET(status, zuapalerr_memoryFull);
    jsonz::Cursor cursor = zuxlator::DetailObject(status, taken, "zuxlatorlua_debug");
    jsonz::PutString(cursor, "debug", "failed to allocate translator memory");
    return nullptr;
  }
  CreateLuaTranslator(*translator, name, settings, status);
  if (!zuerr::IsError(status)) AddUnmapFunction(*translator, status);
  if (zuerr::IsError(status)) {
    delete translator; // creation left no interpreter behind
    return nullptr;
  }
  return &translator->functions;
}

} // namespace zuxlatorlua
