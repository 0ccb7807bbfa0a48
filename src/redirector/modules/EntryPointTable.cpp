#include "redirector/modules/EntryPointTable.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/IviEngine.h"
#include "status/StatusCodes.h"
#include "zudynlib/dynload.h"

namespace zumodules {

const EntryPointDescriptor kEntryPoints[kEntryPointCount] = {
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...) {slot, #symbol, form},
#include "redirector/catalogue/EntryPoints.def"
#undef ZU_ENTRY
};

namespace {

constexpr unsigned kSlotOrder[] = {
#define ZU_ENTRY(slot, ...) slot,
#include "redirector/catalogue/EntryPoints.def"
#undef ZU_ENTRY
};

constexpr bool SlotsInOrder() {
  for (unsigned i = 0; i < kEntryPointCount; ++i)
    if (kSlotOrder[i] != i) return false;
  return std::size(kSlotOrder) == kEntryPointCount;
}
static_assert(SlotsInOrder(), "catalogue rows must be in slot order");

// Appends as much of `text` as the name buffer holds.
void Append(char (&buffer)[512], const char *text) {
  std::strncat(buffer, text, sizeof buffer - 1 - std::strlen(buffer));
}

// Resolves one slot with a clean status of its own: a missing symbol only
// leaves the slot null.
void ResolveSlot(EntryPointTable &table, unsigned slot, const ModuleKindInfo &info) {
  char name[512];
  if (!FormSymbolName(kEntryPoints[slot], info.kind, name)) return;
  zuerr::Status status;
  StoreSlot(table, slot, zudynlib::GetSymbol(table.libraryHandle, name, status));
}

} // namespace

bool FormSymbolName(const EntryPointDescriptor &entry, ModuleKind kind, char (&buffer)[512]) {
  buffer[0] = '\0';
  const ModuleKindInfo *info = FindModuleKind(kind);
  if (info == nullptr) return false;
  if (entry.form == ZU_BARE) {
    Append(buffer, entry.symbol);
    return true;
  }
  if (entry.form == ZU_GX) Append(buffer, "GX_");
  Append(buffer, info->symbolPrefix);
  Append(buffer, entry.symbol);
  return true;
}

void StoreSlot(EntryPointTable &table, unsigned slot, void *address) {
  switch (slot) {
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  case slot:                                                                                                 \
    table.slots.member = reinterpret_cast<decltype(table.slots.member)>(address);                            \
    break;
#include "redirector/catalogue/EntryPoints.def"
#undef ZU_ENTRY
  default:
    break;
  }
}

ViStatus LoadModule(ModuleKind kind, EntryPointTable &table) {
  table = EntryPointTable{};
  table.kind = kind;
  const ModuleKindInfo *info = FindModuleKind(kind);
  if (info == nullptr) return ZUVEXA_ERROR_INVALID_MODULE_KIND;

  zuerr::Status status;
  table.libraryHandle = zudynlib::LoadLibrary(info->libraryFile, zudynlib::kBindNowGlobal, status);
  if (table.libraryHandle == nullptr) {
    char message[256];
    std::snprintf(message, sizeof message, "Driver Module: %s.", info->libraryFile);
    Ivi_SetErrorInfo(0, VI_FALSE, ZUVEXA_ERROR_MODULE_NOT_LOADED, 0, message);
    return ZUVEXA_ERROR_MODULE_NOT_LOADED;
  }
  // Each slot is resolved on its own, so the order of the lookups does not
  // matter: every slot whose form applies to this kind, in slot order.
  for (unsigned slot = 0; slot < kEntryPointCount; ++slot)
    if (ZuFormResolvesFor(kEntryPoints[slot].form, kind)) ResolveSlot(table, slot, *info);
  return VI_SUCCESS;
}

void UnloadModule(EntryPointTable &table) {
  if (table.libraryHandle != nullptr) zudynlib::UnloadLibrary(table.libraryHandle);
  table.libraryHandle = nullptr;
}

} // namespace zumodules
