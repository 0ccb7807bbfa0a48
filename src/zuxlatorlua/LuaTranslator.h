// The Lua translator host: a translator whose descriptions come from script
// functions running in an interpreter of its own. Creation opens the standard
// libraries and the native modules, enters the embedded script modules into
// the preload table and runs the set-up script with the registration JSON;
// the descriptions call the getStaticDesc and getDynamicDesc functions of the
// translator module that the registration names.
//
// Every call into the interpreter is a protected one: a script error never
// unwinds through C++ frames. The host takes no lock; one interpreter must
// not run on two threads at once.
#pragma once

#include "zuxlator/zuxlator.h"

struct lua_State;

namespace zuxlatorlua {

struct LuaTranslator {
  zuxlator::TranslatorFunctions functions;
  lua_State *interpreter; // set only once creation succeeded
};

// Fills the function table, then creates the interpreter. On failure leaves
// no interpreter and an error in the status (-52000 when no interpreter can
// be made, else -52003 with the interpreter's message). A status that holds
// an error on entry leaves no interpreter either.
void CreateLuaTranslator(LuaTranslator &translator, const char *name, const char *registrationInfo,
                         zuerr::Status &status);

// The message of a failed protected call (on top of the stack) as text that
// stays valid while it is there; never raises.
const char *ErrorMessage(lua_State *L);

// Sets -52003 with {"internal_error": {"api": "lua", "code", "string"}} and
// returns a cursor inside a following "zuxlatorlua_debug" object holding
// "debug": debug (a cursor that writes nothing when the status kept an
// earlier error).
jsonz::Cursor LuaFailure(zuerr::Status &status, int code, const char *message, const char *debug);

} // namespace zuxlatorlua
