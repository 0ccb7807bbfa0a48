// The optional plug-in translator manager "libzuxlator.so.1", asked for the
// translators no kind inside the library provides. Its absence is the normal
// case; the failure to load it is kept and repeated, never retried.
#include "zudynlib/dynload.h"
#include "zuxlatormgr/Session.h"

namespace zuxlator {
namespace {

constexpr const char *kPluginLibrary = "libzuxlator.so.1";

template <class Function>
void Resolve(void *library, const char *symbol, Function &function, zuerr::Status &status) {
  function = reinterpret_cast<Function>(zudynlib::GetSymbol(library, symbol, status));
}

void Load(PluginManager &plugin, zuerr::Status &status) {
  plugin.library = zudynlib::LoadLibrary(kPluginLibrary, zudynlib::kBindNow, status);
  Resolve(plugin.library, "zuxlatormgr_createSession", plugin.createSession, status);
  Resolve(plugin.library, "zuxlatormgr_destroySession", plugin.destroySession, status);
  Resolve(plugin.library, "zuxlatormgr_createXlator", plugin.createXlator, status);
  Resolve(plugin.library, "zuxlatormgr_destroyXlator", plugin.destroyXlator, status);
  if (!zuerr::IsError(status)) plugin.session = plugin.createSession(&status);
}

} // namespace

bool EnsurePluginManager(PluginManager &plugin, zuerr::Status &status) {
  if (plugin.library != nullptr) return true;
  if (zuerr::IsError(plugin.status)) {
    zuerr::MergeInto(status, plugin.status);
    return false;
  }
  Load(plugin, status);
  if (!zuerr::IsError(status)) return true;
  ReleasePluginManager(plugin);
  if (!zuerr::CopyStatus(plugin.status, status)) zuerr::SetCode(plugin.status, status.code);
  return false;
}

void ReleasePluginManager(PluginManager &plugin) {
  if (plugin.session != nullptr && plugin.destroySession != nullptr) plugin.destroySession(plugin.session);
  plugin.session = nullptr;
  plugin.createSession = nullptr;
  plugin.destroySession = nullptr;
  plugin.createXlator = nullptr;
  plugin.destroyXlator = nullptr;
  if (plugin.library != nullptr) zudynlib::UnloadLibrary(plugin.library);
  plugin.library = nullptr;
}

} // namespace zuxlator
