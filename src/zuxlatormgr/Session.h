// The translator session: its translators by name, each with the destroyer
// that releases it, and the plug-in translator manager once loaded.
#pragma once

#include <cstddef>

#include "zuxlator/zuxlator.h"

namespace zuxlator {

class DestroyXlator {
public:
  virtual ~DestroyXlator() = default;
  virtual void operator()(TranslatorFunctions *translator) = 0;
};

// Releases a translator made inside the library through its own destroy.
class DestroyLocalXlator final : public DestroyXlator {
public:
  void operator()(TranslatorFunctions *translator) override;
};

// Releases a translator made by the plug-in manager through the manager.
class DestroyExportedXlator final : public DestroyXlator {
public:
  explicit DestroyExportedXlator(Session &owner) : owner_(owner) {}
  void operator()(TranslatorFunctions *translator) override;

private:
  Session &owner_;
};

// The plug-in translator manager library and the session it made. A failed
// load is kept in `status` and never retried.
struct PluginManager {
  void *library = nullptr;
  zuerr::Status status;
  void *(*createSession)(zuerr::Status *status) = nullptr;
  void (*destroySession)(void *pluginSession) = nullptr;
  TranslatorFunctions *(*createXlator)(void *pluginSession, const char *name, zuerr::Status *status,
                                       void *reserved) = nullptr;
  void (*destroyXlator)(void *pluginSession, TranslatorFunctions *translator) = nullptr;
  void *session = nullptr;
};

struct XlatorEntry {
  char *name; // owned
  TranslatorFunctions *translator;
  DestroyXlator *destroyer; // null only while the entry is being filled
};

class Session {
public:
  PluginManager plugin;
  DestroyLocalXlator localDestroyer;
  DestroyExportedXlator exportedDestroyer{*this};
  XlatorEntry *entries = nullptr;
  size_t capacity = 0;
  size_t count = 0;
};

// Opens the plug-in manager and makes its session unless done already; false
// (with the remembered failure merged into `status`) when it is not there.
bool EnsurePluginManager(PluginManager &plugin, zuerr::Status &status);

// Destroys the plug-in manager's session and closes its library.
void ReleasePluginManager(PluginManager &plugin);

} // namespace zuxlator
