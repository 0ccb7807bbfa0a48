// Generating one module's exports from the entry-point rows. The build
// defines, per module library:
//   ZU_MODULE_KIND    the module kind as a plain number (1, 2, 4, 5 or 6)
//   ZU_MODULE_PREFIX  the symbol prefix, e.g. zuVEXAtov_
// and generates ModuleRows.h (module_rows.cpp), which says for every row
// whether this module exports it: ZU_MOD_EXPORTS_<member> is 1 or 0.
#pragma once

#include "redirector/catalogue/CatalogueMacros.h"

#ifndef ZU_MODULE_KIND
#error "ZU_MODULE_KIND must be defined"
#endif
#ifndef ZU_MODULE_PREFIX
#error "ZU_MODULE_PREFIX must be defined"
#endif

#define ZU_MOD_API __attribute__((visibility("default")))

// Exported name of a row in this module.
#define ZU_MOD_NAME(form, symbol) ZU_CAT(ZU_MOD_NAME_, form)(symbol)
#define ZU_MOD_NAME_ZU_PLAIN(symbol) ZU_CAT(ZU_MODULE_PREFIX, symbol)
#define ZU_MOD_NAME_ZU_GX(symbol) ZU_CAT(GX_, ZU_CAT(ZU_MODULE_PREFIX, symbol))
#define ZU_MOD_NAME_ZU_BARE(symbol) symbol
#define ZU_MOD_NAME_ZU_ONLY(kinds) ZU_MOD_NAME_ZU_PLAIN

// One export: records the call with every argument and hands it to the
// simulator.
#define ZU_MOD_ARGUMENT(type, name, role) ::backendstandin::MakeArgument(name)
#define ZU_MOD_DEFINE_EXPORT(slot, symbol, form, ...)                                                        \
  extern "C" ZU_MOD_API ViStatus ZU_MOD_NAME(form, symbol)(ZU_PARAM_DECLS(__VA_ARGS__)) {                    \
    const BackendStandinArgument arguments[] = {ZU_FOR_EACH(ZU_MOD_ARGUMENT, ZU_SEP_COMMA, __VA_ARGS__)};    \
    return BackendStandin_EnterEntryPoint(ZU_MODULE_KIND, slot, ZU_STRINGIZE(ZU_MOD_NAME(form, symbol)),     \
                                          arguments, ZU_COUNT(__VA_ARGS__));                                 \
  }

// The export of a row that this module exports; nothing for the others.
#define ZU_MOD_EXPORT_ROW(slot, member, symbol, form, ...)                                                   \
  ZU_CAT(ZU_MOD_EXPORT_IF_, ZU_MOD_EXPORTS_##member)(slot, symbol, form, __VA_ARGS__)
#define ZU_MOD_EXPORT_IF_1 ZU_MOD_DEFINE_EXPORT
#define ZU_MOD_EXPORT_IF_0(...)
