// The process-wide table of open sessions: handle -> entry-point table of
// the serving module, session kind, resource descriptor and device key.
//
// Lookups by handle (every forwarded call) go through a SessionIndex and
// share nothing between threads: no lock, no write to shared memory, the
// same cost with one session or ten thousand. Lookups by device, which only
// opens make, keep insertion order ("first match wins") and take the read
// side of the registry lock. Adding and removing take its write side.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "redirector/api/SessionIndex.h"
#include "status/StatusCodes.h"
#include "zuVEXAtypes.h"
#include "zuapal/StatusRecord.h"
#include "zuapal/protons/synchronization/tRegistryLock.h"

namespace zumodules {
struct EntryPointTable;
}

namespace zuapi {

enum SessionKind : uint32_t { kNormal = 0, kExternalCalibration = 1, kExternalAlignment = 2 };

// Device keys are wide texts of 32-bit units; equal when same length and units.
using DeviceKey = std::wstring;
using DeviceKeyView = std::wstring_view;

class SessionRegistry {
public:
  SessionRegistry();
  SessionRegistry(const SessionRegistry &) = delete;
  SessionRegistry &operator=(const SessionRegistry &) = delete;

  ViStatus AddSession(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                      const zumodules::EntryPointTable *table);
  ViStatus RemoveSession(ViSession handle);
  // Inline: every forwarded call runs it.
  ViStatus FindTable(ViSession handle, const zumodules::EntryPointTable *&table) {
    if (!isUsable()) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
    IndexedSession session;
    if (FindIndexed(handle, session) != SessionIndex::Lookup::kFound) return ZUVEXA_ERROR_INVALID_SESSION;
    table = session.table;
    return VI_SUCCESS;
  }
  ViStatus FindResourceDescriptor(ViSession handle, ViChar *buffer, ViInt32 bufferSize);
  ViStatus FindSessionKind(ViSession handle, SessionKind &kind);
  ViStatus FindSessionByDevice(DeviceKeyView deviceKey, SessionKind kind, ViSession &handle);

  bool isUsable() const { return state_.code >= 0; }

private:
  struct DeviceIndexKey {
    DeviceKey key;
    SessionKind kind;
  };
  // Hashes and compares stored keys and looked-up views alike, so that a
  // lookup by device copies no text.
  struct DeviceIndexProbe {
    DeviceKeyView key;
    SessionKind kind;
  };
  struct DeviceIndexHash {
    using is_transparent = void;
    size_t operator()(const DeviceIndexKey &k) const { return (*this)(DeviceIndexProbe{k.key, k.kind}); }
    size_t operator()(const DeviceIndexProbe &k) const {
      return std::hash<DeviceKeyView>()(k.key) ^ (size_t(k.kind) * 0x9E3779B97F4A7C15ull);
    }
  };
  struct DeviceIndexEqual {
    using is_transparent = void;
    template <class A, class B> bool operator()(const A &a, const B &b) const {
      return a.kind == b.kind && DeviceKeyView(a.key) == DeviceKeyView(b.key);
    }
  };
  // The sessions of each device and kind, oldest first: a list through the
  // sessions' links, which the index keeps as each session's tag. Links come
  // from a pool, and an entry stays when its last session goes (there is one
  // per device and kind the process ever opened), so that opening and
  // closing sessions again and again allocates nothing here.
  struct DeviceSessions;
  struct SessionLink {
    ViSession handle = 0;
    DeviceSessions *device = nullptr;
    SessionLink *older = nullptr, *newer = nullptr;
    SessionLink *nextFree = nullptr;
  };
  struct DeviceSessions {
    SessionLink *oldest = nullptr, *newest = nullptr;
    void Append(SessionLink &link);
    void Unlink(SessionLink &link);
  };
  using DeviceIndex = std::unordered_map<DeviceIndexKey, DeviceSessions, DeviceIndexHash, DeviceIndexEqual>;

  // A lookup that met a writer at work too often waits for it on the read
  // lock, under which the index holds still.
  SessionIndex::Lookup FindIndexed(ViSession handle, IndexedSession &session) {
    const SessionIndex::Lookup found = byHandle_.Find(handle, session);
    return found == SessionIndex::Lookup::kBusy ? FindIndexedUnderLock(handle, session) : found;
  }
  SessionIndex::Lookup FindIndexedUnderLock(ViSession handle, IndexedSession &session);
  void Insert(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
              const zumodules::EntryPointTable *table, const char *descriptor);

  zuapal::StatusRecord state_;
  SessionIndex byHandle_;
  zuapal::tRegistryLock lock_;
  // Under lock_.
  DeviceIndex byDevice_;
  FreeListPool<SessionLink> links_;
};

// The one registry of the process, built when the library is loaded and
// destroyed at unload without closing open sessions.
inline SessionRegistry &Sessions() {
  static SessionRegistry registry;
  return registry;
}

} // namespace zuapi
