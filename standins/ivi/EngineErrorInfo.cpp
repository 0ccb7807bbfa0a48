// Ivi_SetErrorInfo, Ivi_ClearErrorInfo, Ivi_ParamPositionError.
#include "CallGate.h"
#include "SessionTable.h"
#include "ThreadState.h"
#include "platform/IviEngine.h"

using namespace ivistandin;

namespace {

// Error information given for vi 0, or for a handle the engine does not
// know, is kept for the calling thread.
template <class Action> void WithErrorInfoOf(ViSession vi, Action &&action) {
  if (vi != 0 && WithSession(vi, [&](Session &session) { action(session.error); })) return;
  action(CurrentThreadState().error);
}

constexpr ViInt32 kLastNamedPosition = 8;

} // namespace

extern "C" ViStatus Ivi_SetErrorInfo(ViSession vi, ViBoolean overrideExistingError, ViStatus primaryError,
                                     ViStatus secondaryError, ViConstString errorElaboration) {
  return RunEngineCall(EngineFunction::SetErrorInfo, [&] {
    WithErrorInfoOf(vi, [&](ErrorInfo &info) {
      RecordErrorInfo(info, overrideExistingError != VI_FALSE, primaryError, secondaryError,
                      errorElaboration);
    });
    return VI_SUCCESS;
  });
}

extern "C" ViStatus Ivi_ClearErrorInfo(ViSession vi) {
  return RunEngineCall(EngineFunction::ClearErrorInfo, [&] {
    WithErrorInfoOf(vi, [](ErrorInfo &info) { info = ErrorInfo{}; });
    return VI_SUCCESS;
  });
}

extern "C" ViStatus Ivi_ParamPositionError(ViInt32 parameterPosition) {
  return RunEngineCall(EngineFunction::ParamPositionError, [&] {
    if (parameterPosition < 1 || parameterPosition > kLastNamedPosition) {
      return IVISTANDIN_ERROR_INVALID_PARAMETER;
    }
    return IVISTANDIN_ERROR_PARAMETER_BASE + parameterPosition;
  });
}
