// Preprocessor decisions for generating one module's exports from the
// entry-point rows. The build defines, per module library:
//   ZU_MODULE_KIND           the module kind as a plain number (1, 2, 4, 5 or 6)
//   ZU_MODULE_PREFIX         the symbol prefix, e.g. zuVEXAtov_
//   ZU_MODULE_OMIT_<member>  for each row (by its member name) left out of this build
//
// A row is exported when its form resolves for ZU_MODULE_KIND and it is not
// left out. For ZU_ONLY(kinds) rows the preprocessor must see whether this
// kind is among `kinds`: while the rows expand, the kind bits are macros that
// turn into a probe ("~, 1,") for this module's kind and into a single inert
// token for the others, so the kind list reads as a probe result.
// Including this header turns the kind bits into those probes: the includer
// expands the rows and then undefines ZU_KA .. ZU_PIL (module_exports.cpp).
#pragma once

#include "redirector/catalogue/CatalogueMacros.h"

#ifndef ZU_MODULE_KIND
#error "ZU_MODULE_KIND must be defined"
#endif
#ifndef ZU_MODULE_PREFIX
#error "ZU_MODULE_PREFIX must be defined"
#endif

#define ZU_MOD_API __attribute__((visibility("default")))

// ZU_MOD_CHECK(tokens): 1 when the tokens start with a probe, else 0.
#define ZU_MOD_CHECK(...) ZU_MOD_CHECK_N(__VA_ARGS__, 0, ~)
#define ZU_MOD_CHECK_N(...) ZU_MOD_SECOND(__VA_ARGS__)
#define ZU_MOD_SECOND(a, b, ...) b
#define ZU_MOD_PROBE ~, 1,

// Kind bit of `kind` in this module: a probe when it is ZU_MODULE_KIND.
#define ZU_MOD_KIND_BIT(kind) ZU_CAT(ZU_MOD_SAME_KIND_, ZU_CAT(kind, ZU_CAT(_, ZU_MODULE_KIND)))
#define ZU_MOD_SAME_KIND_1_1 ZU_MOD_PROBE
#define ZU_MOD_SAME_KIND_2_2 ZU_MOD_PROBE
#define ZU_MOD_SAME_KIND_4_4 ZU_MOD_PROBE
#define ZU_MOD_SAME_KIND_5_5 ZU_MOD_PROBE
#define ZU_MOD_SAME_KIND_6_6 ZU_MOD_PROBE

// ZU_MOD_RESOLVES(form): 1 when a row of this form belongs to this kind.
#define ZU_MOD_RESOLVES(form) ZU_CAT(ZU_MOD_RESOLVES_, form)
#define ZU_MOD_RESOLVES_ZU_PLAIN 1
#define ZU_MOD_RESOLVES_ZU_GX 1
#define ZU_MOD_RESOLVES_ZU_BARE 1
#define ZU_MOD_RESOLVES_ZU_ONLY(...) ZU_MOD_CHECK(__VA_ARGS__)

// ZU_MOD_OMITTED(member): 1 when ZU_MODULE_OMIT_<member> is defined (as 1).
#define ZU_MOD_OMITTED(member) ZU_MOD_CHECK(ZU_CAT(ZU_MOD_OMITTED_, ZU_CAT(ZU_MODULE_OMIT_, member)))
#define ZU_MOD_OMITTED_1 ZU_MOD_PROBE

// Exported name of a row in this module.
#define ZU_MOD_NAME(form, symbol) ZU_CAT(ZU_MOD_NAME_, form)(symbol)
#define ZU_MOD_NAME_ZU_PLAIN(symbol) ZU_CAT(ZU_MODULE_PREFIX, symbol)
#define ZU_MOD_NAME_ZU_GX(symbol) ZU_CAT(GX_, ZU_CAT(ZU_MODULE_PREFIX, symbol))
#define ZU_MOD_NAME_ZU_BARE(symbol) symbol
#define ZU_MOD_NAME_ZU_ONLY(...) ZU_MOD_NAME_ZU_PLAIN

// One export: records the call with every argument and hands it to the
// simulator.
#define ZU_MOD_ARGUMENT(type, name, role) ::backendstandin::MakeArgument(name)
#define ZU_MOD_DEFINE_EXPORT(slot, symbol, form, ...)                                                           \
  extern "C" ZU_MOD_API ViStatus ZU_MOD_NAME(form, symbol)(ZU_PARAM_DECLS(__VA_ARGS__)) {                        \
    const BackendStandinArgument arguments[] = {ZU_FOR_EACH(ZU_MOD_ARGUMENT, ZU_SEP_COMMA, __VA_ARGS__)};          \
    return BackendStandin_EnterEntryPoint(ZU_MODULE_KIND, slot, ZU_STRINGIZE(ZU_MOD_NAME(form, symbol)), arguments, \
                                          ZU_COUNT(__VA_ARGS__));                                                 \
  }

// The export of a row when it resolves for this kind and is not left out.
#define ZU_MOD_EXPORT_ROW(slot, member, symbol, form, ...)                                                      \
  ZU_CAT(ZU_MOD_EXPORT_IF_, ZU_CAT(ZU_MOD_RESOLVES(form), ZU_MOD_OMITTED(member)))(slot, symbol, form, __VA_ARGS__)
#define ZU_MOD_EXPORT_IF_10 ZU_MOD_DEFINE_EXPORT
#define ZU_MOD_EXPORT_IF_00(...)
#define ZU_MOD_EXPORT_IF_01(...)
#define ZU_MOD_EXPORT_IF_11(...)

// The kind bits as probes, for the rows' ZU_ONLY(kinds) lists.
#define ZU_KA ZU_MOD_KIND_BIT(1)
#define ZU_LEM ZU_MOD_KIND_BIT(2)
#define ZU_VEY ZU_MOD_KIND_BIT(4)
#define ZU_TOV ZU_MOD_KIND_BIT(5)
#define ZU_PIL ZU_MOD_KIND_BIT(6)
