// The list of translator kinds, and the library's two kinds in it (in one
// file, so that whatever links the lookup links the kinds too).
#include "zuxlatormgr/Registration.h"

#include <cstring>
#include <string>

#include "zuxlatorlua/MxlatorTranslator.h"
#include "zuxlatormgr/DefaultTranslator.h"

namespace zuxlator {
namespace {

// Constant-initialised, so it is in place before any node registers.
RegistrationLinks gList{&gList, &gList};

constexpr const char kKindPrefix[] = "mxlator_";
constexpr const char kSettingsHead[] =
    R"({"zuxlatorlua_xlator":"mxlator","zuxlatorlua_settings":{"driverName":")";
constexpr const char kSettingsTail[] =
    R"(","zuSharedErrorsDir":"$_zuShared32Dir/errors","MIErrorsDir":"$_zuShared32Dir/mierrors"}})";

// The driver's name is the part of its translator's kind name after "mxlator_".
std::string AssembleDriverSettings() {
  return kSettingsHead + std::string(kDriverTranslator + sizeof kKindPrefix - 1) + kSettingsTail;
}

} // namespace

RegistrationNode::RegistrationNode(const char *name, const char *settings, CreateFn create)
    : RegistrationLinks{&gList, gList.prev}, name(name), settings(settings), create(create) {
  gList.prev->next = this;
  gList.prev = this;
}

RegistrationNode::~RegistrationNode() {
  prev->next = next;
  next->prev = prev;
}

const RegistrationNode *FindRegistration(const char *name) {
  for (RegistrationLinks *link = gList.next; link != &gList; link = link->next) {
    const auto *node = static_cast<const RegistrationNode *>(link);
    if (std::strcmp(node->name, name) == 0) return node;
  }
  return nullptr;
}

namespace {

// Declaration order is construction order: the settings before the nodes
// that point at them, the driver's kind before the default one.
const std::string gDriverSettings = AssembleDriverSettings();
RegistrationNode gDriverNode{kDriverTranslator, gDriverSettings.c_str(),
                             zuxlatorlua::CreateMxlatorTranslator};
RegistrationNode gDefaultNode{kDefaultTranslator, "{}", CreateDefaultTranslator};

} // namespace

const char *DriverTranslatorSettings() { return gDriverSettings.c_str(); }

} // namespace zuxlator
