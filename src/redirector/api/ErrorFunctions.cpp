// The exported functions that report and clear a session's error.
#include "dvlShared/ErrorText.h"
#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"

namespace zuapi {
namespace {

// Clears vi's error information through its module's ClearError entry when
// there is one, else in the engine; statuses merged.
ViStatus ClearErrorInformation(ViSession vi) {
  ViStatus status = VI_SUCCESS;
  if (vi == 0) return MergeStatus(status, 0, Ivi_ClearErrorInfo(0));
  const zumodules::EntryPointTable *table = nullptr;
  status = LookUpSession(vi, table);
  if (status < 0) return status;
  auto clear = table->slots.ClearError;
  return MergeStatus(status, vi, clear != nullptr ? clear(vi) : Ivi_ClearErrorInfo(vi));
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_GetError(ViSession vi, ViStatus *errorCodePtr, ViInt32 errorDescriptionBufferSize,
                         ViChar *errorDescription) {
  auto report = [&] {
    ViStatus result = dvlShared::GetErrorText(vi, errorCodePtr, errorDescriptionBufferSize, errorDescription);
    if (result < 0) {
      Ivi_SetErrorInfo(vi, VI_FALSE, result, 0, nullptr);
    } else if (errorDescriptionBufferSize != 0) {
      // A size query leaves the error in place for the call that follows.
      ClearErrorInformation(vi);
    }
    return result;
  };
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_GetError>(vi, report, vi, errorCodePtr,
                                                            errorDescriptionBufferSize, errorDescription);
  });
}

ViStatus zuVEXA_ClearError(ViSession vi) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_ClearError>(
        vi, [&] { return ClearErrorInformation(vi); }, vi);
  });
}
