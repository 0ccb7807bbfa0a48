// How many entry points and exported functions the catalogue holds, counted
// from its rows. The totals are known; a row lost or added by mistake stops
// the build here.
#pragma once

#include <cstddef>

#include "redirector/catalogue/CatalogueMacros.h"

namespace zu::catalogue {

// One entry-point slot per EntryPoints.def row.
inline constexpr std::size_t kEntryPointCount = 0
#define ZU_ENTRY(...) +1
#include "redirector/catalogue/EntryPoints.def"
    ;

// Every exported EntryPoints.def row, and every Exports.def row.
inline constexpr std::size_t kExportCount = 0
#define ZU_ENTRY(slot, member, symbol, form, mode, ...) +(mode != ZU_NOT_EXPORTED)
#include "redirector/catalogue/EntryPoints.def"
#define ZU_EXPORT(...) +1
#include "redirector/catalogue/Exports.def"
    ;

static_assert(kEntryPointCount == 194, "the entry-point table has 194 slots");
static_assert(kExportCount == 216, "the library exports 216 functions");

} // namespace zu::catalogue
