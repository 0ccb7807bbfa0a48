#include "redirector/api/SessionRegistry.h"

#include <cstring>
#include <new>
#include <utility>

#include "redirector/api/IviEngine.h"

namespace zuapi {

SessionRegistry::SessionRegistry() : lock_(state_) {}

const SessionRecord *SessionRegistry::Find(ViSession handle) const {
  auto found = byHandle_.find(handle);
  return found == byHandle_.end() ? nullptr : &records_.at(found->second);
}

void SessionRegistry::Insert(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                             const zumodules::EntryPointTable *table) {
  SessionRecord record;
  record.handle = handle;
  record.sessionKind = kind;
  record.table = table;
  record.deviceKey.assign(deviceKey);
  if (Ivi_GetAttributeViString(handle, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0,
                               sizeof record.resourceDescriptor, record.resourceDescriptor) < 0)
    Ivi_ClearErrorInfo(handle);
  record.resourceDescriptor[sizeof record.resourceDescriptor - 1] = '\0';

  // Either the record and both its index entries are stored, or (when an
  // allocation fails) none of them: erasing cannot fail.
  Sequence sequence = nextSequence_;
  DeviceIndexKey deviceIndex{record.deviceKey, kind};
  try {
    records_.emplace(sequence, std::move(record));
    byHandle_.emplace(handle, sequence);
    byDevice_[deviceIndex].emplace(sequence, handle);
  } catch (...) {
    records_.erase(sequence);
    byHandle_.erase(handle);
    auto device = byDevice_.find(deviceIndex);
    if (device != byDevice_.end()) {
      device->second.erase(sequence);
      if (device->second.empty()) byDevice_.erase(device);
    }
    throw;
  }
  ++nextSequence_;
}

ViStatus SessionRegistry::AddSession(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                                     const zumodules::EntryPointTable *table) {
  if (!isUsable()) return kErrorRegistryUnusable;
  if (handle == 0) return kErrorUnknownSession;
  zuapal::tWriteGuard guard(lock_);
  if (Find(handle) != nullptr) return kErrorDuplicateOrNoSession;
  try {
    Insert(handle, deviceKey, kind, table);
  } catch (const std::bad_alloc &) {
    return kErrorOutOfMemory;
  }
  return VI_SUCCESS;
}

ViStatus SessionRegistry::RemoveSession(ViSession handle) {
  if (!isUsable()) return kErrorRegistryUnusable;
  if (handle == 0) return kErrorUnknownSession;
  zuapal::tWriteGuard guard(lock_);
  auto found = byHandle_.find(handle);
  if (found == byHandle_.end()) return kErrorUnknownSession;
  auto record = records_.find(found->second);
  // The key moves out of the record that goes anyway: removing allocates
  // nothing, so it cannot fail half-way.
  auto device =
      byDevice_.find(DeviceIndexKey{std::move(record->second.deviceKey), record->second.sessionKind});
  device->second.erase(found->second);
  if (device->second.empty()) byDevice_.erase(device);
  records_.erase(record);
  byHandle_.erase(found);
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindTable(ViSession handle, const zumodules::EntryPointTable *&table) {
  if (!isUsable()) return kErrorRegistryUnusable;
  zuapal::tReadGuard guard(lock_);
  const SessionRecord *record = Find(handle);
  if (record == nullptr) return kErrorUnknownSession;
  table = record->table;
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindResourceDescriptor(ViSession handle, ViChar *buffer,
                                                 ViInt32 bufferSize) {
  if (!isUsable()) return kErrorRegistryUnusable;
  if (buffer == nullptr) return kErrorNullPointer;
  zuapal::tReadGuard guard(lock_);
  const SessionRecord *record = Find(handle);
  if (record == nullptr) return kErrorUnknownSession;
  if (bufferSize >= 1) {
    std::strncpy(buffer, record->resourceDescriptor, static_cast<size_t>(bufferSize));
    buffer[bufferSize - 1] = '\0';
  }
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindSessionKind(ViSession handle, SessionKind &kind) {
  if (!isUsable()) return kErrorRegistryUnusable;
  zuapal::tReadGuard guard(lock_);
  const SessionRecord *record = Find(handle);
  if (record == nullptr) return kErrorUnknownSession;
  kind = record->sessionKind;
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindSessionByDevice(DeviceKeyView deviceKey, SessionKind kind,
                                              ViSession &handle) {
  handle = 0;
  if (!isUsable()) return kErrorRegistryUnusable;
  if (deviceKey.empty()) return kErrorNullPointer;
  try {
    DeviceIndexKey key{DeviceKey(deviceKey), kind};
    zuapal::tReadGuard guard(lock_);
    auto found = byDevice_.find(key);
    if (found == byDevice_.end()) return kErrorDuplicateOrNoSession;
    handle = found->second.begin()->second; // earliest record of the device
  } catch (const std::bad_alloc &) {
    return kErrorOutOfMemory;
  }
  return VI_SUCCESS;
}

SessionRegistry &Sessions() {
  // Built during the library's static initialisation, before any exported
  // function can run; destroyed at unload without closing open sessions.
  static SessionRegistry registry;
  return registry;
}

} // namespace zuapi

namespace zuapi {
namespace {
// Builds the registry while the library loads.
[[maybe_unused]] SessionRegistry &gBuiltAtLoad = Sessions();
} // namespace
} // namespace zuapi
