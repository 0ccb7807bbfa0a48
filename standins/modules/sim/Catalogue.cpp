#include "Catalogue.h"

#include "redirector/catalogue/CatalogueMacros.h"

namespace backendstandin {

#define ZU_SIM_PARAMETER_NAME(type, name, role) #name
const CatalogueRow kCatalogue[kSlotCount] = {
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  {#symbol, form, ZU_COUNT(__VA_ARGS__), {ZU_FOR_EACH(ZU_SIM_PARAMETER_NAME, ZU_SEP_COMMA, __VA_ARGS__)}},
#include "redirector/catalogue/EntryPoints.def"
};

namespace {

constexpr ViUInt32 kKinds[] = {1, 2, 4, 5, 6};

const char *SymbolPrefix(ViUInt32 kind) {
  switch (kind) {
  case 1:
    return "zuVEXAka_";
  case 2:
    return "zuVEXAlem_";
  case 4:
    return "zuVEXAVey_";
  case 5:
    return "zuVEXAtov_";
  case 6:
    return "zuVEXApil_";
  default:
    return nullptr;
  }
}

} // namespace

bool IsModuleKind(ViUInt32 kind) { return SymbolPrefix(kind) != nullptr; }

std::string ExportName(ViUInt32 kind, std::size_t slot) {
  const CatalogueRow &row = kCatalogue[slot];
  if (!IsModuleKind(kind) || !ZuFormResolvesFor(row.form, kind)) return "";
  if (row.form == ZU_BARE) return row.symbol;
  return std::string(row.form == ZU_GX ? "GX_" : "") + SymbolPrefix(kind) + row.symbol;
}

bool IsKnownEntryName(std::string_view name) {
  for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
    if (name == kCatalogue[slot].symbol) return true;
    for (ViUInt32 kind : kKinds)
      if (name == ExportName(kind, slot)) return true;
  }
  return false;
}

} // namespace backendstandin
