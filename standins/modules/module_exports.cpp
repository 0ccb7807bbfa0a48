// A stand-in backend driver module. The same source is built once per module
// kind (ZU_MODULE_KIND, ZU_MODULE_PREFIX, and the generated ModuleRows.h);
// each build exports exactly the entry points ModuleRows.h names, generated
// from the entry-point rows, and every export hands its call to the shared
// simulator (libzuvexa_backend_sim.so).
#include "backend_standin_entry.h"
#include "redirector/catalogue/CatalogueMacros.h"
#include "redirector/catalogue/CatalogueTypes.h"

#include "ModuleExportMacros.h"
#include "ModuleRows.h"

#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_MOD_EXPORT_ROW(slot, member, symbol, form, __VA_ARGS__)
#include "redirector/catalogue/EntryPoints.def"
