// The five kinds of backend driver module: library file and symbol prefix.
#pragma once

#include <cstdint>

#include "zuVEXAtypes.h"

namespace zumodules {

using ModuleKind = uint32_t;

inline constexpr ModuleKind kKa = 1, kLem = 2, kVey = 4, kTov = 5, kPil = 6;

inline constexpr ViStatus kErrorModuleNotFound = static_cast<ViStatus>(0xBFFA000A);
inline constexpr ViStatus kErrorEntryMissing = static_cast<ViStatus>(0xBFFA0011);
inline constexpr ViStatus kErrorInvalidModuleKind = static_cast<ViStatus>(0xBFFA0014);
inline constexpr ViStatus kErrorModuleRegistryUnusable = static_cast<ViStatus>(0xBFFA0021);
inline constexpr ViStatus kErrorTableAllocation = static_cast<ViStatus>(0xBFFA0056);
inline constexpr ViStatus kErrorVeyEntryMissing = static_cast<ViStatus>(0xBFFA4165);

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
  return kind == kVey ? kErrorVeyEntryMissing : kErrorEntryMissing;
}

} // namespace zumodules
