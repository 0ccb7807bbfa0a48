#include <new>

#include "zuapal/zuapalerr.h"
#include "zudynlib/dynload.h"
#include "zusysq/DirectoryKindTable.h"

namespace zusysq {
namespace {

constexpr const char *kRelocationLibrary = "libzurelocations.so.0";
constexpr const char *kRelocationFunction = "get_relocated_dir";
constexpr int kRelocationBufferSize = 255;

// >= 1: buffer holds the relocated directory; 0: not relocated; < 0: failure.
using GetRelocatedDirFn = int (*)(const char *kind, char *buffer, int bufferSize);

// Asks for one kind; false when the table's status took an error.
bool RelocateKind(DirectoryKindTable &table, const std::string &kind, GetRelocatedDirFn getRelocatedDir) {
  char *buffer = new (std::nothrow) char[kRelocationBufferSize]();
  if (buffer == nullptr) {
    ZUERR_SET(table.status, zuapalerr_memoryFull);
    return false;
  }
  int result = getRelocatedDir(kind.c_str(), buffer, kRelocationBufferSize);
  buffer[kRelocationBufferSize - 1] = '\0'; // even if the library filled it all
  if (result >= 1) SetCurrentValue(table, kind, buffer);
  delete[] buffer;
  if (result < 0) {
    ZUERR_SET(table.status, zuapalerr_resourceNotFound);
    return false;
  }
  return true;
}

} // namespace

void ApplyRelocations(DirectoryKindTable &table) {
  // The library is optional: its absence leaves the defaults, silently.
  zuerr::Status loadStatus;
  void *library = zudynlib::LoadLibrary(kRelocationLibrary, zudynlib::kBindNowGlobal, loadStatus);
  auto getRelocatedDir =
      reinterpret_cast<GetRelocatedDirFn>(zudynlib::GetSymbol(library, kRelocationFunction, loadStatus));
  if (zuerr::IsError(loadStatus)) {
    if (library != nullptr) zudynlib::UnloadLibrary(library);
    return;
  }
  const size_t kindCount = table.entries.size();
  for (size_t i = 0; i < kindCount; ++i) {
    const std::string kind = table.entries[i].kind; // a copy: entries may grow
    if (!RelocateKind(table, kind, getRelocatedDir)) break;
  }
  zudynlib::UnloadLibrary(library);
}

} // namespace zusysq
