#include "routing/ModuleKinds.h"

namespace zurouting {
namespace {
constexpr ModuleKindInfo kKinds[] = {
    {kKa, "ka", "libzuvexaka.so", "zuVEXAka_"},     {kLem, "lem", "libzuvexalem.so", "zuVEXAlem_"},
    {kVey, "Vey", "libzuvexavey.so", "zuVEXAVey_"}, {kTov, "tov", "libzuvexatov.so", "zuVEXAtov_"},
    {kPil, "pil", "libzuvexapil.so", "zuVEXApil_"},
};
} // namespace

const ModuleKindInfo *FindModuleKind(ModuleKind kind) {
  for (const ModuleKindInfo &info : kKinds)
    if (info.kind == kind) return &info;
  return nullptr;
}

} // namespace zurouting
