// Ivi_LockSession, Ivi_UnlockSession.
//
// callerHasLock, when given, tells whether the caller already holds the
// lock: a lock with *callerHasLock VI_TRUE and an unlock with VI_FALSE do
// nothing, so a caller can unlock unconditionally after a failed lock.
#include <memory>

#include "CallGate.h"
#include "SessionTable.h"
#include "platform/IviEngine.h"

using namespace ivistandin;

namespace {

std::shared_ptr<SessionLock> LockOf(ViSession vi) {
  std::shared_ptr<SessionLock> lock;
  WithSession(vi, [&](Session &session) { lock = session.lock; });
  return lock;
}

} // namespace

extern "C" ViStatus Ivi_LockSession(ViSession vi, ViBoolean *callerHasLock) {
  return RunEngineCall(EngineFunction::LockSession, [&] {
    if (callerHasLock != nullptr && *callerHasLock != VI_FALSE) return VI_SUCCESS;
    const std::shared_ptr<SessionLock> lock = LockOf(vi);
    if (!lock) return IVISTANDIN_ERROR_INVALID_SESSION;
    const ViStatus status = lock->Lock();
    if (status == VI_SUCCESS && callerHasLock != nullptr) *callerHasLock = VI_TRUE;
    return status;
  });
}

extern "C" ViStatus Ivi_UnlockSession(ViSession vi, ViBoolean *callerHasLock) {
  return RunEngineCall(EngineFunction::UnlockSession, [&] {
    if (callerHasLock != nullptr && *callerHasLock == VI_FALSE) return VI_SUCCESS;
    const std::shared_ptr<SessionLock> lock = LockOf(vi);
    if (callerHasLock != nullptr) *callerHasLock = VI_FALSE;
    return lock ? lock->Unlock() : IVISTANDIN_ERROR_INVALID_SESSION;
  });
}
