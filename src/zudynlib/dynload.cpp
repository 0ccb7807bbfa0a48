#include "zudynlib/dynload.h"

#include <dlfcn.h>

#include "status/jsonz.h"
#include "zuapal/zuapalerr.h"

namespace zudynlib {
namespace {

// Adds {"debug": debug, detailKey: detailValue} as "zudynlib_debug" and the
// loader's pending message as "internal_error", then clears that message.
void AddLoaderDetail(zuerr::Status &status, const char *debug, const char *detailKey,
                     const char *detailValue) {
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  jsonz::OpenObject(cursor, "zudynlib_debug");
  jsonz::PutString(cursor, "debug", debug);
  jsonz::PutString(cursor, detailKey, detailValue);
  jsonz::Close(cursor);
  const char *message = dlerror();
  jsonz::OpenObject(cursor, "internal_error");
  jsonz::PutString(cursor, "api", "dlerror");
  jsonz::PutString(cursor, "string", message != nullptr ? message : "");
  jsonz::Close(cursor);
}

void Fail(zuerr::Status &status, const char *debug, const char *detailKey, const char *detailValue) {
  if (ZUERR_SET(status, zuapalerr_invalidParameter) && status.json != nullptr)
    AddLoaderDetail(status, debug, detailKey, detailValue);
  (void)dlerror();
}

} // namespace

void *LoadLibrary(const char *name, int flags, zuerr::Status &status) {
  if (zuerr::IsError(status)) return nullptr;
  void *handle = dlopen(name, flags);
  if (handle == nullptr) Fail(status, "failed to zudynlib_load library", "path", name != nullptr ? name : "");
  return handle;
}

void *LoadLibraryContaining(const void *address, const char *fallbackName, int flags, zuerr::Status &status) {
  Dl_info info{};
  const bool known = dladdr(address, &info) != 0 && info.dli_fname != nullptr && info.dli_fname[0] == '/';
  return LoadLibrary(known ? info.dli_fname : fallbackName, flags, status);
}

void *GetSymbol(void *handle, const char *symbol, zuerr::Status &status) {
  if (zuerr::IsError(status)) return nullptr;
  (void)dlerror();
  void *address = dlsym(handle, symbol);
  if (address == nullptr)
    Fail(status, "failed to get symbol", "zudynlib_symbol", symbol != nullptr ? symbol : "");
  return address;
}

int UnloadLibrary(void *handle) { return dlclose(handle); }

} // namespace zudynlib
