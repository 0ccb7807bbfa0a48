// One CallSite per exported function, generated from the catalogue rows:
// zutrace::sites::<exported name>.
#pragma once

#include "redirector/catalogue/CatalogueTypes.h"
#include "tracing/CallSite.h"

namespace zutrace::sites {

#define ZU_TRACE_PARAM(type, name, role)                                                                     \
  MakeParam<type>(#name, "*" #name, #type, ZU_ROLE_KIND(role), ZU_ROLE_COUNT(role))

#define ZU_TRACE_SITE(exportName, nameText, traceId, ...)                                                    \
  namespace params {                                                                                         \
  inline constexpr auto exportName =                                                                         \
      ResolveCounts(std::array{ZU_FOR_EACH(ZU_TRACE_PARAM, ZU_SEP_COMMA, __VA_ARGS__)});                     \
  }                                                                                                          \
  inline constexpr CallSite exportName = MakeSite(traceId, nameText, params::exportName);

#define ZU_TRACE_SLOT_SITE(exportName, symbol, traceId, ...)                                                 \
  ZU_TRACE_SITE(exportName, "zuVEXA_" #symbol, traceId, __VA_ARGS__)
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_IF_EXPORTED(mode, ZU_TRACE_SLOT_SITE(ZU_EXPORT_NAME(form, symbol), symbol, traceId, __VA_ARGS__))
#include "redirector/catalogue/EntryPoints.def"

#define ZU_EXPORT(exportName, traceId, entryMember, ...)                                                     \
  ZU_TRACE_SITE(exportName, #exportName, traceId, __VA_ARGS__)
#include "redirector/catalogue/Exports.def"

#undef ZU_TRACE_SLOT_SITE
#undef ZU_TRACE_SITE
#undef ZU_TRACE_PARAM

} // namespace zutrace::sites
