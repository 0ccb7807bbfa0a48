#include "zuxlatorlua/zuxlatorluautils.h"

#include <lauxlib.h>

#include <cstring>
#include <new>
#include <string>

#include "zuapal/zuapalerr.h"
#include "zulua/ProtectedCall.h"
#include "zusysq/stdpath_util.h"
#include "zuxlator/gxErrorsParser.h"

// Lua raises errors with longjmp, which must not cross a frame holding C++
// objects with destructors. So each script function checks its arguments
// first, then runs the operation in RunOperation (whose objects live only
// there and which never raises), and raises, if it must, after that returned.
namespace {

// Registry key under which a result string waits between its protected
// creation and its move onto the caller's stack.
char parkedText;

struct PendingText {
  const char *text;
  size_t length;
};

int ParkText(lua_State *L) {
  const auto *pending = static_cast<const PendingText *>(lua_touserdata(L, 1));
  lua_pushlightuserdata(L, &parkedText);
  lua_pushlstring(L, pending->text, pending->length);
  lua_rawset(L, LUA_REGISTRYINDEX);
  return 0;
}

// Pushes the text as a string; a lack of memory is caught instead of raised.
// False, with the interpreter's message pushed, when it could not.
bool PushWithoutRaising(lua_State *L, const char *text, size_t length) {
  PendingText pending{text, length};
  if (zuxlatorlua::ProtectedCall(L, ParkText, &pending) != 0) return false;
  lua_pushlightuserdata(L, &parkedText);
  lua_rawget(L, LUA_REGISTRYINDEX);
  lua_pushlightuserdata(L, &parkedText);
  lua_pushnil(L);
  lua_rawset(L, LUA_REGISTRYINDEX);
  return true;
}

enum class Empty { kIsText, kIsNil };

// Runs operation(text, status) with a fresh status and pushes the text (nil
// for an empty one when asked), or the status's JSON text when the operation
// failed. Returns whether the script function may return normally; when
// not, the message to raise is on the stack.
template <typename Operation> bool RunOperation(lua_State *L, Empty empty, Operation operation) noexcept {
  std::string text;
  zuerr::Status status;
  try {
    operation(text, status);
  } catch (const std::bad_alloc &) {
    ZUERR_SET(status, zuapalerr_memoryFull);
  } catch (...) {
    ZUERR_SET(status, zuapalerr_softwareFaultAPALInternalUseOnly);
  }
  if (zuerr::IsError(status)) {
    const char *json = status.json != nullptr ? status.json : "{}";
    PushWithoutRaising(L, json, std::strlen(json));
    return false;
  }
  if (text.empty() && empty == Empty::kIsNil) {
    lua_pushnil(L);
    return true;
  }
  return PushWithoutRaising(L, text.data(), text.size());
}

int Finish(lua_State *L, bool succeeded) { return succeeded ? 1 : lua_error(L); }

// Codes arrive as numbers in either notation (3220832342 or -1074134954).
ViStatus CheckCode(lua_State *L, int index) {
  return static_cast<ViStatus>(static_cast<uint32_t>(luaL_checkinteger(L, index)));
}

uint32_t CheckLanguage(lua_State *L, int index) { return static_cast<uint32_t>(luaL_checkinteger(L, index)); }

// (language, text): the text unchanged; the language is not examined.
int MbsToUtf8(lua_State *L) {
  luaL_checklstring(L, 2, nullptr);
  lua_pushvalue(L, 2);
  return 1;
}

// (translator name, variable name without '$'): its value, "" for none.
int LookupVariable(lua_State *L) {
  luaL_checkstring(L, 1);
  const char *name = luaL_checkstring(L, 2);
  return Finish(L, RunOperation(L, Empty::kIsText, [name](std::string &text, zuerr::Status &status) {
                  zusysq::LookupVariable(name, text, status);
                }));
}

// (translator name, path): the path with its "$name/" references expanded.
int ExpandPath(lua_State *L) {
  luaL_checkstring(L, 1);
  const char *path = luaL_checkstring(L, 2);
  return Finish(L, RunOperation(L, Empty::kIsText, [path](std::string &text, zuerr::Status &status) {
                  text = zusysq::ExpandPath(path, status);
                }));
}

// (): the data folder installed with the library, or nil when unknown.
int InstalledDataDir(lua_State *L) {
  return Finish(L, RunOperation(L, Empty::kIsNil, [](std::string &text, zuerr::Status &) {
                  text = zusysq::InstalledDataDirectory();
                }));
}

int ConvertLangToDir(lua_State *L) {
  const uint32_t language = CheckLanguage(L, 1);
  return Finish(L, RunOperation(L, Empty::kIsText, [language](std::string &text, zuerr::Status &status) {
                  text = zuxlator::LanguageDirectoryName(language, status);
                }));
}

// (errors folder, code, language): the description, or nil.
int FindInErrorsDir(lua_State *L) {
  const char *directory = luaL_checkstring(L, 1);
  const ViStatus code = CheckCode(L, 2);
  const uint32_t language = CheckLanguage(L, 3);
  return Finish(L, RunOperation(L, Empty::kIsNil, [=](std::string &text, zuerr::Status &status) {
                  zuxlator::FindErrorDescriptionInErrorsDir(directory, code, language, text, status);
                }));
}

// (folder, code): the description, or nil. Also serves
// findErrorDescriptionFromFile, whose first argument is a folder as well.
int FindInDir(lua_State *L) {
  const char *directory = luaL_checkstring(L, 1);
  const ViStatus code = CheckCode(L, 2);
  return Finish(L, RunOperation(L, Empty::kIsNil, [=](std::string &text, zuerr::Status &status) {
                  zuxlator::FindErrorDescriptionInDir(directory, code, text, status);
                }));
}

constexpr luaL_Reg kFunctions[] = {
    {"mbsToUtf8", MbsToUtf8},
    {"lookupVariable", LookupVariable},
    {"expandPath", ExpandPath},
    {"convertLangToDir", ConvertLangToDir},
    {"findErrorDescriptionFromErrorsDir", FindInErrorsDir},
    {"findErrorDescriptionFromDir", FindInDir},
    {"findErrorDescriptionFromFile", FindInDir},
    {"installedDataDir", InstalledDataDir},
    {nullptr, nullptr},
};

} // namespace

int luaopen_zuxlatorluautils(lua_State *L) {
  luaL_register(L, "zuxlatorluautils", kFunctions);
  return 1;
}
