#include <array>
#include <cstring>

#include "Catalogue.h"
#include "Handlers.h"
#include "redirector/catalogue/CatalogueMacros.h"

namespace backendstandin {

namespace {

EntryHandler HandlerNamed(const char *symbol) {
  for (auto handlers : {SessionHandlers(), AttributeHandlers(), ConfigurationHandlers(), FetchHandlers()})
    for (const NamedHandler &named : handlers)
      if (std::strcmp(named.symbol, symbol) == 0) return named.handler;
  return nullptr;
}

std::array<EntryHandler, kSlotCount> BuildTable() {
  std::array<EntryHandler, kSlotCount> table{};
  for (std::size_t slot = 0; slot < kSlotCount; ++slot)
    if (kCatalogue[slot].form != ZU_GX) table[slot] = HandlerNamed(kCatalogue[slot].symbol);
  return table;
}

} // namespace

EntryHandler FindHandler(ViUInt32 slot) {
  static const std::array<EntryHandler, kSlotCount> table = BuildTable();
  return slot < table.size() ? table[slot] : nullptr;
}

} // namespace backendstandin
