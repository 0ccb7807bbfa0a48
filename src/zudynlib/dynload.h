// Opening, searching and closing shared libraries at run time. Loader
// failures become a failure of the caller's status, with the loader's own
// message in the status's JSON detail, so callers only test the status.
#pragma once

#include "status/Status.h"

namespace zudynlib {

// Loader flags used by the callers.
inline constexpr int kBindNowGlobal = 258; // RTLD_NOW | RTLD_GLOBAL
inline constexpr int kBindNow = 2;         // RTLD_NOW

// dlopen(name, flags); null and -52005 on failure. Does nothing and returns
// null when the status already holds an error.
void *LoadLibrary(const char *name, int flags, zuerr::Status &status);

// Opens the loaded file that holds `address` by the path the loader found
// it at, so the handle names that very file even when another copy of the
// same name is on the search path. Falls back to dlopen(fallbackName, flags)
// when the loader cannot say which file holds the address.
void *LoadLibraryContaining(const void *address, const char *fallbackName, int flags, zuerr::Status &status);

// dlsym(handle, symbol); a null address counts as missing (-52005).
void *GetSymbol(void *handle, const char *symbol, zuerr::Status &status);

// dlclose(handle); the loader's result.
int UnloadLibrary(void *handle);

} // namespace zudynlib
