// The process-wide table of open sessions: handle -> entry-point table of
// the serving module, session kind, resource descriptor and device key.
// Records keep insertion order ("first match wins"); hash indexes make each
// lookup independent of the number of open sessions.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>

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

struct SessionRecord {
  ViSession handle = 0;
  SessionKind sessionKind = kNormal;
  const zumodules::EntryPointTable *table = nullptr;
  char resourceDescriptor[256] = {};
  DeviceKey deviceKey;
};

class SessionRegistry {
public:
  SessionRegistry();
  SessionRegistry(const SessionRegistry &) = delete;
  SessionRegistry &operator=(const SessionRegistry &) = delete;

  ViStatus AddSession(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                      const zumodules::EntryPointTable *table);
  ViStatus RemoveSession(ViSession handle);
  ViStatus FindTable(ViSession handle, const zumodules::EntryPointTable *&table);
  ViStatus FindResourceDescriptor(ViSession handle, ViChar *buffer, ViInt32 bufferSize);
  ViStatus FindSessionKind(ViSession handle, SessionKind &kind);
  ViStatus FindSessionByDevice(DeviceKeyView deviceKey, SessionKind kind, ViSession &handle);

  bool isUsable() const { return state_.code >= 0; }

private:
  using Sequence = uint64_t;
  struct DeviceIndexKey {
    DeviceKey key;
    SessionKind kind;
    bool operator==(const DeviceIndexKey &) const = default;
  };
  struct DeviceIndexHash {
    size_t operator()(const DeviceIndexKey &k) const {
      return std::hash<DeviceKey>()(k.key) ^ (size_t(k.kind) * 0x9E3779B97F4A7C15ull);
    }
  };

  const SessionRecord *Find(ViSession handle) const;
  void Insert(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
              const zumodules::EntryPointTable *table);

  zuapal::StatusRecord state_;
  zuapal::tRegistryLock lock_;
  Sequence nextSequence_ = 0;
  std::map<Sequence, SessionRecord> records_; // insertion order
  std::unordered_map<ViSession, Sequence> byHandle_;
  std::unordered_map<DeviceIndexKey, std::map<Sequence, ViSession>, DeviceIndexHash> byDevice_;
};

// The one registry of the process, built when the library is loaded.
SessionRegistry &Sessions();

} // namespace zuapi
