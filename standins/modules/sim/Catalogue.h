// The simulator's view of the entry-point rows: names, forms and parameter
// names per slot, and the five module kinds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "redirector/catalogue/CatalogueCounts.h"
#include "zuVEXAtypes.h"

namespace backendstandin {

inline constexpr std::size_t kSlotCount = zu::catalogue::kEntryPointCount;
inline constexpr std::size_t kMaxParameters = 20;

struct CatalogueRow {
  const char *symbol;
  unsigned form;
  unsigned parameterCount;
  const char *parameterNames[kMaxParameters];
};
extern const CatalogueRow kCatalogue[kSlotCount];

bool IsModuleKind(ViUInt32 kind);
// Name a module of `kind` exports for `slot` ("" when the slot is not of that kind).
std::string ExportName(ViUInt32 kind, std::size_t slot);
// True for a catalogue name or a name some module exports.
bool IsKnownEntryName(std::string_view name);

} // namespace backendstandin
