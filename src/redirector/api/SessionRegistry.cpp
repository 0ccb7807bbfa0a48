#include "redirector/api/SessionRegistry.h"

#include <cstring>
#include <mutex>
#include <new>
#include <shared_mutex>
#include <utility>

#include "platform/IviEngine.h"
#include "redirector/api/TestSeam.h"
#include "status/StatusCodes.h"

namespace zuapi {

SessionRegistry::SessionRegistry() : lock_(state_) {}

SessionIndex::Lookup SessionRegistry::FindIndexedUnderLock(ViSession handle, IndexedSession &session) {
  std::shared_lock guard(lock_);
  return byHandle_.Find(handle, session);
}

void SessionRegistry::DeviceSessions::Append(SessionLink &link) {
  link.device = this;
  link.older = newest;
  link.newer = nullptr;
  (newest != nullptr ? newest->newer : oldest) = &link;
  newest = &link;
}

void SessionRegistry::DeviceSessions::Unlink(SessionLink &link) {
  (link.older != nullptr ? link.older->newer : oldest) = link.newer;
  (link.newer != nullptr ? link.newer->older : newest) = link.older;
}

void SessionRegistry::Insert(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                             const zumodules::EntryPointTable *table, const char *descriptor) {
  // Every step that may fail comes before the first change.
  byHandle_.Reserve();
  links_.Reserve();
  auto device = byDevice_.find(DeviceIndexProbe{deviceKey, kind});
  if (device == byDevice_.end())
    device = byDevice_.try_emplace(DeviceIndexKey{DeviceKey(deviceKey), kind}).first;
  SessionLink *link = links_.Take();
  link->handle = handle;
  device->second.Append(*link);
  byHandle_.Insert(handle, {kind, table}, descriptor, link);
}

ViStatus SessionRegistry::AddSession(ViSession handle, DeviceKeyView deviceKey, SessionKind kind,
                                     const zumodules::EntryPointTable *table) {
  if (!isUsable()) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
  if (handle == 0) return ZUVEXA_ERROR_INVALID_SESSION;
  std::lock_guard guard(lock_);
  if (byHandle_.Contains(handle)) return ZUVEXA_ERROR_CANNOT_RECOVER;
  char descriptor[kDescriptorSize] = {};
  if (Ivi_GetAttributeViString(handle, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, sizeof descriptor,
                               descriptor) < 0)
    Ivi_ClearErrorInfo(handle);
  descriptor[sizeof descriptor - 1] = '\0';
  try {
    Insert(handle, deviceKey, kind, table, descriptor);
  } catch (const std::bad_alloc &) {
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  }
  return VI_SUCCESS;
}

ViStatus SessionRegistry::RemoveSession(ViSession handle) {
  if (!isUsable()) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
  if (handle == 0) return ZUVEXA_ERROR_INVALID_SESSION;
  std::lock_guard guard(lock_);
  void *tag = nullptr;
  if (!byHandle_.Remove(handle, &tag)) return ZUVEXA_ERROR_INVALID_SESSION;
  auto *link = static_cast<SessionLink *>(tag);
  link->device->Unlink(*link);
  links_.Give(link);
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindResourceDescriptor(ViSession handle, ViChar *buffer, ViInt32 bufferSize) {
  if (!isUsable()) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
  if (buffer == nullptr) return ZUVEXA_ERROR_NULL_POINTER;
  char descriptor[kDescriptorSize];
  SessionIndex::Lookup found = byHandle_.FindDescriptor(handle, descriptor);
  if (found == SessionIndex::Lookup::kBusy) {
    std::shared_lock guard(lock_);
    found = byHandle_.FindDescriptor(handle, descriptor);
  }
  if (found != SessionIndex::Lookup::kFound) return ZUVEXA_ERROR_INVALID_SESSION;
  if (bufferSize >= 1) {
    std::strncpy(buffer, descriptor, static_cast<size_t>(bufferSize));
    buffer[bufferSize - 1] = '\0';
  }
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindSessionKind(ViSession handle, SessionKind &kind) {
  if (!isUsable()) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
  IndexedSession session;
  if (FindIndexed(handle, session) != SessionIndex::Lookup::kFound) return ZUVEXA_ERROR_INVALID_SESSION;
  kind = static_cast<SessionKind>(session.kind);
  return VI_SUCCESS;
}

ViStatus SessionRegistry::FindSessionByDevice(DeviceKeyView deviceKey, SessionKind kind, ViSession &handle) {
  handle = 0;
  if (!isUsable()) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
  if (deviceKey.empty()) return ZUVEXA_ERROR_NULL_POINTER;
  std::shared_lock guard(lock_);
  auto found = byDevice_.find(DeviceIndexProbe{deviceKey, kind});
  seam::Reach(seam::Point::kDeviceListRead);
  if (found == byDevice_.end() || found->second.oldest == nullptr) return ZUVEXA_ERROR_CANNOT_RECOVER;
  handle = found->second.oldest->handle;
  return VI_SUCCESS;
}

} // namespace zuapi

namespace zuapi {
namespace {
// Builds the registry while the library loads.
[[maybe_unused]] SessionRegistry &gBuiltAtLoad = Sessions();
} // namespace
} // namespace zuapi
