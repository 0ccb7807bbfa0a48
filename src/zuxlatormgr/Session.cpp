#include "zuxlatormgr/Session.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>

#include "status/jsonz.h"
#include "zuapal/Growable.h"
#include "zuapal/zuapalerr.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlatormgr/Registration.h"

namespace zuxlator {
namespace {

constexpr size_t kInitialCapacity = 4;

bool SetMemoryFull(zuerr::Status &status, const char *debug) {
  bool taken = ZUERR_SET(status, zuapalerr_memoryFull);
  jsonz::Cursor cursor = DetailObject(status, taken && debug != nullptr, "zuxlator_debug");
  jsonz::PutString(cursor, "debug", debug);
  return taken;
}

// The first storage holds `needed` entries; growth follows the array rule.
bool Reserve(Session &session, size_t needed, zuerr::Status &status) {
  if (needed <= session.capacity) return true;
  size_t next = session.capacity == 0
                    ? needed
                    : zuapal::NextArrayCapacity(session.capacity, needed, SIZE_MAX / sizeof(XlatorEntry));
  void *grown = next == 0 ? nullptr : std::realloc(session.entries, next * sizeof(XlatorEntry));
  if (grown == nullptr) {
    SetMemoryFull(status, nullptr);
    return false;
  }
  session.entries = static_cast<XlatorEntry *>(grown);
  session.capacity = next;
  return true;
}

// Appends {name, translator, destroyer}; false (-52000) when it cannot.
bool AddEntry(Session &session, const char *name, TranslatorFunctions *translator, DestroyXlator &destroyer,
              zuerr::Status &status) {
  if (!Reserve(session, session.count + 1, status)) return false;
  char *ownName = strdup(name);
  if (ownName == nullptr) {
    SetMemoryFull(status, nullptr);
    return false;
  }
  session.entries[session.count++] = XlatorEntry{ownName, translator, &destroyer};
  return true;
}

TranslatorFunctions *FindEntry(const Session &session, const char *name) {
  for (size_t i = 0; i < session.count; ++i) {
    const XlatorEntry &entry = session.entries[i];
    if (entry.translator != nullptr && std::strcmp(entry.name, name) == 0) return entry.translator;
  }
  return nullptr;
}

TranslatorFunctions *CreateLocal(Session &session, const RegistrationNode &node, zuerr::Status &status) {
  TranslatorFunctions *translator = node.create(node.name, node.settings, status);
  if (zuerr::IsError(status) || translator == nullptr) return nullptr;
  if (AddEntry(session, node.name, translator, session.localDestroyer, status)) return translator;
  translator->destroy(translator);
  return nullptr;
}

TranslatorFunctions *CreateExported(Session &session, const char *name, zuerr::Status &status) {
  PluginManager &plugin = session.plugin;
  if (!EnsurePluginManager(plugin, status)) return nullptr;
  TranslatorFunctions *translator = plugin.createXlator(plugin.session, name, &status, nullptr);
  if (zuerr::IsError(status) || translator == nullptr) return nullptr;
  if (AddEntry(session, name, translator, session.exportedDestroyer, status)) return translator;
  plugin.destroyXlator(plugin.session, translator);
  return nullptr;
}

void NotSupported(zuerr::Status &status, const char *debug, const char *name) {
  jsonz::Cursor cursor =
      DetailObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound), "zuxlator_debug");
  jsonz::PutString(cursor, "debug", debug);
  jsonz::PutString(cursor, "xlatorName", name);
}

// The raw text of the top-level string "translator" of the JSON; empty when
// there is none.
std::string_view TranslatorNameOf(const char *errorJson) {
  const char *value = errorJson != nullptr ? jsonz::Lookup(errorJson, "translator") : nullptr;
  size_t length = 0;
  const char *name = value != nullptr ? jsonz::GetString(value, nullptr, &length, nullptr) : nullptr;
  return name != nullptr ? std::string_view(name, length) : std::string_view();
}

} // namespace

void DestroyLocalXlator::operator()(TranslatorFunctions *translator) { translator->destroy(translator); }

void DestroyExportedXlator::operator()(TranslatorFunctions *translator) {
  owner_.plugin.destroyXlator(owner_.plugin.session, translator);
}

Session *CreateSession(zuerr::Status &status) {
  if (zuerr::IsError(status)) return nullptr;
  auto *session = new (std::nothrow) Session;
  if (session == nullptr) {
    SetMemoryFull(status, "failed to allocate Session memory");
    return nullptr;
  }
  if (!Reserve(*session, kInitialCapacity, status)) {
    DestroySession(session);
    return nullptr;
  }
  return session;
}

void DestroySession(Session *session) {
  if (session == nullptr) return;
  for (size_t i = 0; i < session->count; ++i) {
    XlatorEntry &entry = session->entries[i];
    if (entry.destroyer != nullptr) (*entry.destroyer)(entry.translator);
    std::free(entry.name);
  }
  std::free(session->entries);
  ReleasePluginManager(session->plugin);
  delete session;
}

TranslatorFunctions *GetXlator(Session &session, const char *name, zuerr::Status &status) {
  if (zuerr::IsError(status)) return nullptr;
  if (name == nullptr) name = "";
  if (TranslatorFunctions *known = FindEntry(session, name)) return known;
  if (const RegistrationNode *node = FindRegistration(name)) return CreateLocal(session, *node, status);
  return CreateExported(session, name, status);
}

char *GetStaticDesc(Session &session, ViStatus code, const char *name, uint32_t langWord, AllocFn alloc,
                    void *allocContext, zuerr::Status &status) {
  if (zuerr::IsError(status)) return nullptr;
  TranslatorFunctions *translator = GetXlator(session, name, status);
  if (translator == nullptr) return nullptr;
  if (translator->getStaticDesc == nullptr) {
    NotSupported(status, "xlator doesn't support getStaticDesc", name);
    return nullptr;
  }
  return translator->getStaticDesc(translator, code, langWord, alloc, allocContext, &status);
}

char *GetDynamicDesc(Session &session, const char *errorJson, uint32_t langWord, const char *format,
                     AllocFn alloc, void *allocContext, zuerr::Status &status) {
  if (zuerr::IsError(status)) return nullptr;
  std::string_view rawName = TranslatorNameOf(errorJson);
  if (rawName.empty()) {
    bool taken = ZUERR_SET(status, zuapalerr_resourceNotFound);
    jsonz::Cursor cursor = DetailObject(status, taken, "zuxlator_debug");
    jsonz::PutString(cursor, "debug", "could not find translator key in json");
    jsonz::PutString(cursor, "json", errorJson != nullptr ? errorJson : "");
    return nullptr;
  }
  char *name = strndup(rawName.data(), rawName.size());
  if (name == nullptr) {
    SetMemoryFull(status, nullptr);
    return nullptr;
  }
  char *report = nullptr;
  TranslatorFunctions *translator = GetXlator(session, name, status);
  if (translator != nullptr && translator->getDynamicDesc == nullptr) {
    NotSupported(status, "xlator doesn't support getDynamicDesc", name);
  } else if (translator != nullptr) {
    report =
        translator->getDynamicDesc(translator, errorJson, langWord, format, alloc, allocContext, &status);
  }
  std::free(name);
  return report;
}

} // namespace zuxlator
