#include "tracing/AttributeNames.h"

#include "zuVEXA.h"

namespace zutrace {
namespace {

struct AttributeName {
  ViAttr identifier;
  const char *displayName;
};

constexpr AttributeName kAttributeNames[] = {
#define ZU_ATTRIBUTE(identifier, displayName) {identifier, displayName},
#include "zuxlatorlua/attributes/Attributes.def"
};

} // namespace

const char *AttributeDisplayName(ViAttr attributeId) {
  for (const auto &entry : kAttributeNames)
    if (entry.identifier == attributeId) return entry.displayName;
  return kAttributeNotAvailable;
}

} // namespace zutrace
