#include "redirector/api/SessionRegistry.h"

#include <cstring>
#include <new>

#include "redirector/api/IviEngine.h"

namespace zuapi {

SessionRegistry::SessionRegistry() : lock_(state_) {}

SessionIndex::Lookup SessionRegistry::FindIndexedUnderLock(ViSession handle, IndexedSession &session) {
  zuapal::tReadGuard guard(lock_);
  return byHandle_.Find(handle, session);
}

void SessionRegistry::Insert(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                             const zumodules::EntryPointTable *table, const char *descriptor) {
  // Every step that may fail comes before the first change that lookups can
  // see; a failure rolls the device index back.
  byHandle_.Reserve();
  auto device = byDevice_.find(DeviceIndexProbe{deviceKey, kind});
  if (device == byDevice_.end()) device = byDevice_.try_emplace(DeviceIndexKey{DeviceKey(deviceKey), kind}).first;
  const Sequence sequence = nextSequence_;
  try {
    device->second.emplace(sequence, handle);
    placements_.emplace(handle, Placement{sequence, &*device});
  } catch (...) {
    EraseFromDeviceIndex(*device, sequence);
    throw;
  }
  byHandle_.Insert(handle, {kind, table}, descriptor);
  ++nextSequence_;
}

void SessionRegistry::EraseFromDeviceIndex(DeviceIndex::value_type &device, Sequence sequence) {
  device.second.erase(sequence);
  if (device.second.empty()) byDevice_.erase(byDevice_.find(device.first));
}

ViStatus SessionRegistry::AddSession(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                                     const zumodules::EntryPointTable *table) {
  if (!isUsable()) return kErrorRegistryUnusable;
  if (handle == 0) return kErrorUnknownSession;
  zuapal::tWriteGuard guard(lock_);
  if (byHandle_.Contains(handle)) return kErrorDuplicateOrNoSession;
  char descriptor[kDescriptorSize] = {};
  if (Ivi_GetAttributeViString(handle, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, sizeof descriptor,
                               descriptor) < 0)
    Ivi_ClearErrorInfo(handle);
  descriptor[sizeof descriptor - 1] = '\0';
  try {
    Insert(handle, deviceKey, kind, table, descriptor);
  } catch (const std::bad_alloc &) {
    return kErrorOutOfMemory;
  }
  return VI_SUCCESS;
}

ViStatus SessionRegistry::RemoveSession(ViSession handle) {
  if (!isUsable()) return kErrorRegistryUnusable;
  if (handle == 0) return kErrorUnknownSession;
  zuapal::tWriteGuard guard(lock_);
  auto placed = placements_.find(handle);
  if (placed == placements_.end()) return kErrorUnknownSession;
  byHandle_.Remove(handle);
  EraseFromDeviceIndex(*placed->second.device, placed->second.sequence);
  placements_.erase(placed);
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindResourceDescriptor(ViSession handle, ViChar *buffer,
                                                 ViInt32 bufferSize) {
  if (!isUsable()) return kErrorRegistryUnusable;
  if (buffer == nullptr) return kErrorNullPointer;
  char descriptor[kDescriptorSize];
  SessionIndex::Lookup found = byHandle_.FindDescriptor(handle, descriptor);
  if (found == SessionIndex::Lookup::kBusy) {
    zuapal::tReadGuard guard(lock_);
    found = byHandle_.FindDescriptor(handle, descriptor);
  }
  if (found != SessionIndex::Lookup::kFound) return kErrorUnknownSession;
  if (bufferSize >= 1) {
    std::strncpy(buffer, descriptor, static_cast<size_t>(bufferSize));
    buffer[bufferSize - 1] = '\0';
  }
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindSessionKind(ViSession handle, SessionKind &kind) {
  if (!isUsable()) return kErrorRegistryUnusable;
  IndexedSession session;
  if (FindIndexed(handle, session) != SessionIndex::Lookup::kFound) return kErrorUnknownSession;
  kind = static_cast<SessionKind>(session.kind);
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindSessionByDevice(DeviceKeyView deviceKey, SessionKind kind,
                                              ViSession &handle) {
  handle = 0;
  if (!isUsable()) return kErrorRegistryUnusable;
  if (deviceKey.empty()) return kErrorNullPointer;
  zuapal::tReadGuard guard(lock_);
  auto found = byDevice_.find(DeviceIndexProbe{deviceKey, kind});
  if (found == byDevice_.end()) return kErrorDuplicateOrNoSession;
  handle = found->second.begin()->second; // earliest record of the device
  return VI_SUCCESS;
}

} // namespace zuapi

namespace zuapi {
namespace {
// Builds the registry while the library loads.
[[maybe_unused]] SessionRegistry &gBuiltAtLoad = Sessions();
} // namespace
} // namespace zuapi
