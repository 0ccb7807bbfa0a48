// A stand-in backend driver module. The same source is built once per module
// kind (ZU_MODULE_KIND, ZU_MODULE_PREFIX, optional ZU_MODULE_OMIT_<member>);
// each build exports exactly the entry points its kind resolves, generated
// from the entry-point rows, and every export hands its call to the shared
// simulator (libzuvexa_backend_sim.so).
#include "backend_standin_entry.h"
#include "redirector/catalogue/CatalogueMacros.h"
#include "redirector/catalogue/CatalogueTypes.h"

#include "ModuleExportMacros.h"

#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                                       \
  ZU_MOD_EXPORT_ROW(slot, member, symbol, form, __VA_ARGS__)
#include "redirector/catalogue/EntryPoints.def"

namespace {

// What the preprocessor decided for each row, to check against the catalogue.
constexpr bool kResolvedByPreprocessor[] = {
#define ZU_ENTRY(slot, member, symbol, form, ...) ZU_MOD_RESOLVES(form) == 1,
#include "redirector/catalogue/EntryPoints.def"
};

#undef ZU_KA
#undef ZU_LEM
#undef ZU_VEY
#undef ZU_TOV
#undef ZU_PIL

constexpr unsigned kForms[] = {
#define ZU_ENTRY(slot, member, symbol, form, ...) form,
#include "redirector/catalogue/EntryPoints.def"
};

constexpr bool PreprocessorAgreesWithCatalogue() {
  static_assert(sizeof kForms / sizeof kForms[0] == sizeof kResolvedByPreprocessor / sizeof(bool));
  for (unsigned slot = 0; slot < sizeof kForms / sizeof kForms[0]; ++slot)
    if (kResolvedByPreprocessor[slot] != ZuFormResolvesFor(kForms[slot], ZU_MODULE_KIND))
      return false;
  return true;
}
static_assert(PreprocessorAgreesWithCatalogue(), "kind probes disagree with ZuFormResolvesFor");

} // namespace
