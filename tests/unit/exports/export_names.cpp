// Prints every name the library may export, one per line, from the catalogue.
#include <cstdio>

#include "redirector/catalogue/CatalogueMacros.h"

int main() {
#define ZU_EXPORT(name, traceId, entry, ...) std::puts(#name);
#include "redirector/catalogue/Exports.def"
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_IF_EXPORTED(mode, std::puts(ZU_STRINGIZE(ZU_EXPORT_NAME(form, symbol)));)
#include "redirector/catalogue/EntryPoints.def"
  return 0;
}
