// The exported error functions that describe codes: the IVI error query
// (the instrument's queue is not read), and the description of one code in
// the session's language.
#include "dvlShared/ErrorText.h"
#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

constexpr ViInt32 kErrorMessageSize = 256;

ViStatus InvalidArgument(ViSession vi, ViInt32 position, ViConstString name) {
  Ivi_SetErrorInfo(vi, VI_FALSE, ZUVEXA_ERROR_INVALID_PARAMETER, Ivi_ParamPositionError(position), name);
  return ZUVEXA_ERROR_INVALID_PARAMETER;
}

// The description of code in vi's language, static part only.
ViStatus GetErrorMessageText(ViSession vi, ViStatus code, ViInt32 size, ViChar *buffer) {
  return dvlShared::DescribeStatus(code, dvlShared::SessionLanguage(vi), dvlShared::kStaticDescriptionFlags,
                                   buffer, size);
}

ViStatus RecordIfError(ViSession vi, ViStatus result) {
  if (result < 0) Ivi_SetErrorInfo(vi, VI_FALSE, result, 0, nullptr);
  return result;
}

ViStatus QueryErrorQueue(ViSession vi, ViInt32 *errorCode, ViChar *errorMessage) {
  ViBoolean callerHasLock = VI_FALSE;
  ViStatus status = VI_SUCCESS;
  ViStatus locked = Ivi_LockSession(vi, &callerHasLock);
  if (locked < 0) {
    MergeStatus(status, vi, locked);
  } else if (errorCode == nullptr) {
    status = InvalidArgument(vi, 2, "errorCode");
  } else if (errorMessage == nullptr) {
    status = InvalidArgument(vi, 3, "errorMessage");
  } else {
    *errorCode = 0;
    MergeStatus(status, vi, ZUVEXA_WARN_ERROR_QUEUE_NOT_READ);
  }
  Ivi_UnlockSession(vi, &callerHasLock);
  return status;
}

// The description cut to 255 characters; a cut text is no failure.
ViStatus DescribeIntoMessage(ViSession vi, ViStatus statusCode, ViChar *errorMessage) {
  if (errorMessage == nullptr) return InvalidArgument(vi, 3, "errorMessage");
  ViStatus result = GetErrorMessageText(vi, statusCode, kErrorMessageSize, errorMessage);
  return result < 0 ? RecordIfError(vi, result) : VI_SUCCESS;
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_error_query(ViSession vi, ViInt32 *errorCode, ViChar *errorMessage) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_error_query>(
        vi, [&] { return QueryErrorQueue(vi, errorCode, errorMessage); }, vi, errorCode, errorMessage);
  });
}

ViStatus zuVEXA_error_message(ViSession vi, ViStatus statusCode, ViChar *errorMessage) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_error_message>(
        vi, [&] { return DescribeIntoMessage(vi, statusCode, errorMessage); }, vi, statusCode, errorMessage);
  });
}

ViStatus zuVEXA_GetErrorMessage(ViSession vi, ViStatus errorCode, ViInt32 errorDescriptionBufferSize,
                                ViChar *errorDescription) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_GetErrorMessage>(
        vi,
        [&] {
          return RecordIfError(
              vi, GetErrorMessageText(vi, errorCode, errorDescriptionBufferSize, errorDescription));
        },
        vi, errorCode, errorDescriptionBufferSize, errorDescription);
  });
}
