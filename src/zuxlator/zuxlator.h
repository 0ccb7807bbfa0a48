// Translators turn a status code, or the JSON text of an error status, into
// readable text. Every translator object starts with TranslatorFunctions; the
// translator session owns the translators of the process, creates each one on
// its first request by name (from the kinds registered inside the library, or
// through the optional plug-in translator manager "libzuxlator.so.1"), and
// destroys them with itself.
//
// Nothing here locks: the one session of the process is used under the
// translation mutex of the error functions.
#pragma once

#include <cstddef>
#include <cstdint>

#include "status/Status.h"
#include "zuVEXAtypes.h"

namespace zuxlator {

// The allocator a translator must take its result text from.
// size 0 frees `block` and returns null. Otherwise: with no status the block
// is reallocated; with a status holding an error nothing happens and null is
// returned; with a good status a failed reallocation returns null and sets
// -52000 with {"zuxlator_debug": {"debug": "realloc failed"}}.
using AllocFn = void *(*)(void *block, size_t size, void *allocContext, zuerr::Status *status);
void *Alloc(void *block, size_t size, void *allocContext, zuerr::Status *status);

// The function table at the start of every translator object. A translator
// reports failure by making the status negative and returning null. The
// description functions may be null when the kind has none.
struct TranslatorFunctions {
  uint64_t size; // of this table: 32
  void (*destroy)(TranslatorFunctions *translator);
  char *(*getStaticDesc)(TranslatorFunctions *translator, ViStatus code, uint32_t langWord, AllocFn alloc,
                         void *allocContext, zuerr::Status *status);
  char *(*getDynamicDesc)(TranslatorFunctions *translator, const char *errorJson, uint32_t langWord,
                          const char *format, AllocFn alloc, void *allocContext, zuerr::Status *status);
};
inline constexpr uint64_t kTranslatorFunctionsSize = 32;
static_assert(sizeof(TranslatorFunctions) == kTranslatorFunctionsSize);

// langWord: the language in bits 0 to 7 and the number of the application
// development environment (ADE) in bits 8 to 11. This library asks with ADE 0.
inline constexpr uint32_t LanguageOf(uint32_t langWord) { return langWord & 0xFF; }
inline constexpr uint32_t AdeOf(uint32_t langWord) { return (langWord >> 8) & 0xF; }

// The translator kinds registered inside the library.
inline constexpr const char *kDriverTranslator = "mxlator_zuVEXA";
inline constexpr const char *kDefaultTranslator = "zuxlator_default";

class Session;

// A new session, or null (-52000) when it cannot be allocated. Does nothing
// when the status already holds an error.
Session *CreateSession(zuerr::Status &status);

// Destroys every translator of the session, the plug-in manager's session and
// the session itself. Null does nothing.
void DestroySession(Session *session);

// The translator called `name`, created on its first request. Null when the
// status holds an error (on entry or after a failed creation). A failed
// creation leaves nothing behind and is tried again at the next request; a
// failed load of the plug-in manager is remembered and repeated into the
// status of every later request for a name no registered kind carries.
TranslatorFunctions *GetXlator(Session &session, const char *name, zuerr::Status &status);

// The static description of `code` by the translator `name`; the text comes
// from `alloc` and is released with alloc(text, 0, null, null).
char *GetStaticDesc(Session &session, ViStatus code, const char *name, uint32_t langWord, AllocFn alloc,
                    void *allocContext, zuerr::Status &status);

// The dynamic report of an error status by the translator that its JSON text
// names under "translator".
char *GetDynamicDesc(Session &session, const char *errorJson, uint32_t langWord, const char *format,
                     AllocFn alloc, void *allocContext, zuerr::Status &status);

} // namespace zuxlator
