// The script module "zuxlatorluautils": the error description searches and
// the path variables, offered to the translator scripts.
#pragma once

#include <lua.h>

// Registers the global table "zuxlatorluautils" (also in package.loaded)
// with mbsToUtf8, lookupVariable, expandPath, convertLangToDir,
// findErrorDescriptionFromErrorsDir, findErrorDescriptionFromDir,
// findErrorDescriptionFromFile and installedDataDir, and leaves it on the stack. A failing
// operation raises a script error whose message is its status's JSON text.
int luaopen_zuxlatorluautils(lua_State *L);
