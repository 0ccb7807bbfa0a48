// The five kinds of backend driver module: library file and symbol prefix.
#pragma once

#include <cstdint>

#include "status/StatusCodes.h"
#include "zuVEXAtypes.h"

namespace zurouting {

using ModuleKind = uint32_t;

inline constexpr ModuleKind kKa = 1, kLem = 2, kVey = 4, kTov = 5, kPil = 6;

struct ModuleKindInfo {
  ModuleKind kind;
  const char *name;
  const char *libraryFile;
  const char *symbolPrefix;
};

// Null for 0, 3 and every kind above 6.
const ModuleKindInfo *FindModuleKind(ModuleKind kind);

// The status of calling an entry point the module does not export.
inline constexpr ViStatus MissingEntryStatus(ModuleKind kind) {
  return kind == kVey ? ZUVEXA_ERROR_VEY_FUNCTION_NOT_SUPPORTED : ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED;
}

} // namespace zurouting
