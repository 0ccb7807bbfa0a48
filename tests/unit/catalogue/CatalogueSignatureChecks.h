// Compile-time checks of the declarations the includer included first against the catalogue: for every
// exported row, the function under the exported name must have exactly the row's parameter types and result.
// An undeclared name or a differing type stops the compilation with the function's name.
#pragma once

#include <type_traits>

#include "redirector/catalogue/CatalogueMacros.h"
#include "redirector/catalogue/CatalogueTypes.h"

#define ZU_CHECK_SIGNATURE(result, name, ...)                                                                \
  static_assert(std::is_same_v<decltype(&name), result (*)(ZU_PARAM_TYPES(__VA_ARGS__))>,                    \
                "zuVEXA.h: the declaration of " ZU_STRINGIZE(name) " differs from the catalogue");

#define ZU_EXPORT(name, traceId, entry, ...) ZU_CHECK_SIGNATURE(ViStatus, name, __VA_ARGS__)
#define ZU_EXPORT_VOID(name, traceId, entry, ...) ZU_CHECK_SIGNATURE(void, name, __VA_ARGS__)
#include "redirector/catalogue/Exports.def"

#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_IF_EXPORTED(mode, ZU_CHECK_SIGNATURE(ViStatus, ZU_EXPORT_NAME(form, symbol), __VA_ARGS__))
#include "redirector/catalogue/EntryPoints.def"

#undef ZU_CHECK_SIGNATURE
