#include "redirector/modules/ModuleRegistry.h"

#include <mutex>
#include <new>
#include <shared_mutex>

#include "status/StatusCodes.h"
#include "zudynlib/dynload.h"

namespace zumodules {

ModuleRegistry::ModuleRegistry() : lock_(state_) {}

ModuleRegistry::~ModuleRegistry() {
  for (Entry &entry : entries_) {
    if (entry.table == nullptr) continue;
    UnloadModule(*entry.table);
    delete entry.table;
    entry.table = nullptr;
  }
}

ModuleRegistry::Entry *ModuleRegistry::FindEntry(ModuleKind kind) {
  for (Entry &entry : entries_)
    if (entry.kind == kind) return &entry;
  return nullptr;
}

// Runs under the write lock. The library opens its own file once, so it stays
// loaded as long as the modules that may call back into it. The file is the
// one this code was loaded from (an installed runtime has only the soname,
// and a "libzuvexa.so" elsewhere on the search path would be another copy).
ViStatus ModuleRegistry::LoadEntry(Entry &entry) {
  static const bool selfOpened = [] {
    zuerr::Status ignored;
    static const char anchor = 0;
    return zudynlib::LoadLibraryContaining(&anchor, "libzuvexa.so", zudynlib::kBindNowGlobal, ignored) !=
           nullptr;
  }();
  (void)selfOpened;

  auto *table = new (std::nothrow) EntryPointTable;
  if (table == nullptr) return ZUVEXA_ERROR_OUT_OF_MEMORY;
  ViStatus status = LoadModule(entry.kind, *table);
  if (status < 0) {
    UnloadModule(*table);
    delete table;
    return status;
  }
  entry.table = table;
  return VI_SUCCESS;
}

ViStatus ModuleRegistry::Acquire(ModuleKind kind, const EntryPointTable *&table) {
  table = nullptr;
  if (state_.isError()) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
  Entry *entry;
  {
    std::shared_lock guard(lock_);
    entry = FindEntry(kind);
    if (entry != nullptr && entry->table != nullptr) {
      table = entry->table;
      return VI_SUCCESS;
    }
  }
  if (entry == nullptr) return ZUVEXA_ERROR_INVALID_MODULE_KIND;

  std::lock_guard guard(lock_);
  if (entry->table == nullptr) {
    ViStatus status = LoadEntry(*entry);
    if (status < 0) return status;
    if (entry->table->slots.SetGXRTTLSIndex != nullptr && tlsIndex_ != kNoTlsIndex)
      entry->table->slots.SetGXRTTLSIndex(tlsIndex_);
  }
  table = entry->table;
  return VI_SUCCESS;
}

void ModuleRegistry::AnnounceTlsIndex(uint32_t index) {
  if (state_.code != 0) return;
  tlsIndex_ = index;
  std::shared_lock guard(lock_);
  for (Entry &entry : entries_)
    if (entry.table != nullptr && entry.table->slots.SetGXRTTLSIndex != nullptr)
      entry.table->slots.SetGXRTTLSIndex(index);
}

ModuleRegistry &Modules() {
  static ModuleRegistry registry;
  return registry;
}

namespace {
// Builds the registry while the library loads.
[[maybe_unused]] ModuleRegistry &gBuiltAtLoad = Modules();
} // namespace

} // namespace zumodules
