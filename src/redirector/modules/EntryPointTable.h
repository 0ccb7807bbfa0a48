// One loaded backend module's entry points, one typed slot per catalogue row,
// in slot order. Filled once when the module is loaded and read without
// locks afterwards; a null slot means the module does not export the entry.
#pragma once

#include <cstddef>

#include "redirector/catalogue/CatalogueCounts.h"
#include "redirector/catalogue/CatalogueMacros.h"
#include "redirector/catalogue/CatalogueTypes.h"
#include "redirector/modules/ModuleKind.h"
#include "zuVEXAtypes.h"

namespace zumodules {

struct EntryPointSlots {
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ViStatus (*member)(ZU_PARAM_TYPES(__VA_ARGS__)) = nullptr;
#include "redirector/catalogue/EntryPoints.def"
#undef ZU_ENTRY
};

inline constexpr size_t kEntryPointCount = zu::catalogue::kEntryPointCount;
static_assert(sizeof(EntryPointSlots) == kEntryPointCount * sizeof(void (*)()));

struct EntryPointTable {
  EntryPointSlots slots;
  ModuleKind kind = 0;
  void *libraryHandle = nullptr;
};

// How one slot's symbol is named in a module.
struct EntryPointDescriptor {
  unsigned slot;
  const char *symbol;
  unsigned form; // ZU_PLAIN, ZU_GX, ZU_BARE or ZU_ONLY(kinds)
};
extern const EntryPointDescriptor kEntryPoints[kEntryPointCount];

// Forms the symbol of an entry point for a kind in a 512-byte buffer: "GX_"
// for the graphical-environment form, the kind's prefix, then the name; the
// bare form is the name alone. False (and an empty buffer) for invalid kinds.
bool FormSymbolName(const EntryPointDescriptor &entry, ModuleKind kind, char (&buffer)[512]);

// Stores a resolved address in the slot's typed field.
void StoreSlot(EntryPointTable &table, unsigned slot, void *address);

// Loads the module of `kind` into `table` (all slots null first).
// 0, ZUVEXA_ERROR_INVALID_MODULE_KIND for an invalid kind,
// ZUVEXA_ERROR_MODULE_NOT_LOADED when the library cannot be opened (reported
// with its elaboration to the thread's error information).
ViStatus LoadModule(ModuleKind kind, EntryPointTable &table);
void UnloadModule(EntryPointTable &table);

} // namespace zumodules
