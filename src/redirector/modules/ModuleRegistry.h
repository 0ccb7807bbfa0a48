// The process-wide registry of backend modules: each kind is loaded at most
// once, on its first acquisition, and its entry-point table then serves every
// session of that kind until the library is unloaded.
#pragma once

#include <atomic>
#include <cstdint>

#include "redirector/modules/EntryPointTable.h"
#include "zuapal/StatusRecord.h"
#include "zuapal/protons/synchronization/tRegistryLock.h"

namespace zumodules {

class ModuleRegistry {
public:
  static constexpr uint32_t kNoTlsIndex = 0xFFFFFFFF;

  ModuleRegistry();
  ~ModuleRegistry();
  ModuleRegistry(const ModuleRegistry &) = delete;
  ModuleRegistry &operator=(const ModuleRegistry &) = delete;

  // 0 and the kind's table, loading the module on first need; otherwise a
  // negative status and null. A failed load is retried at the next call.
  ViStatus Acquire(ModuleKind kind, const EntryPointTable *&table);

  // Records the graphical environment's thread-local-storage index and hands
  // it to every loaded module; modules loaded later get it after loading.
  void AnnounceTlsIndex(uint32_t index);

private:
  struct Entry {
    ModuleKind kind;
    EntryPointTable *table;
  };

  Entry *FindEntry(ModuleKind kind);
  ViStatus LoadEntry(Entry &entry);

  zuapal::StatusRecord state_;
  zuapal::tRegistryLock lock_;
  Entry entries_[5] = {{kLem, nullptr}, {kKa, nullptr}, {kVey, nullptr}, {kTov, nullptr}, {kPil, nullptr}};
  std::atomic<uint32_t> tlsIndex_{kNoTlsIndex};
};

// The one registry of the process, built when the library is loaded.
ModuleRegistry &Modules();

} // namespace zumodules
