// Declarations of every exported function, generated from the catalogue.
// Each definition in this folder includes it, so a definition whose
// signature strays from the catalogue does not compile.
#pragma once

#include "redirector/api/Export.h"
#include "redirector/catalogue/CatalogueMacros.h"
#include "redirector/catalogue/CatalogueTypes.h"

#define ZU_EXPORT(name, traceId, entry, ...) ZUVEXA_EXPORT ViStatus name(ZU_PARAM_DECLS(__VA_ARGS__));
#define ZU_EXPORT_VOID(name, traceId, entry, ...) ZUVEXA_EXPORT void name(ZU_PARAM_DECLS(__VA_ARGS__));
#include "redirector/catalogue/Exports.def"

#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_IF_EXPORTED(mode, ZUVEXA_EXPORT ViStatus ZU_EXPORT_NAME(form, symbol)(ZU_PARAM_DECLS(__VA_ARGS__));)
#include "redirector/catalogue/EntryPoints.def"
