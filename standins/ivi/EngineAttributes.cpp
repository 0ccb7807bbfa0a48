// Ivi_GetAttributeViInt32, Ivi_GetAttributeViString,
// Ivi_GetNextInterchangeCheckString.
#include <optional>
#include <string>

#include "CallGate.h"
#include "SessionTable.h"
#include "TextUtil.h"
#include "ThreadState.h"
#include "platform/IviEngine.h"

using namespace ivistandin;

namespace {

bool IsErrorAttribute(ViAttr id) {
  return id == IVI_ATTR_PRIMARY_ERROR || id == IVI_ATTR_SECONDARY_ERROR || id == IVI_ATTR_ERROR_ELABORATION;
}

// The error attributes of vi 0 are the calling thread's; every other
// attribute needs a session.
template <class Read> ViStatus ReadAttribute(ViSession vi, ViAttr id, Read &&read) {
  if (vi == 0) {
    return IsErrorAttribute(id) ? read(CurrentThreadState().error, nullptr)
                                : IVISTANDIN_ERROR_INVALID_SESSION;
  }
  ViStatus status = IVISTANDIN_ERROR_INVALID_SESSION;
  WithSession(vi, [&](Session &session) { status = read(session.error, &session); });
  return status;
}

std::optional<ViInt32> Int32Attribute(const ErrorInfo &error, const Session *session, ViAttr id) {
  if (id == IVI_ATTR_PRIMARY_ERROR) return error.primary;
  if (id == IVI_ATTR_SECONDARY_ERROR) return error.secondary;
  if (session == nullptr) return std::nullopt;
  auto it = session->ints.find(id);
  if (it == session->ints.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> StringAttribute(const ErrorInfo &error, const Session *session, ViAttr id) {
  if (id == IVI_ATTR_ERROR_ELABORATION) return error.elaboration;
  if (session == nullptr) return std::nullopt;
  auto it = session->strings.find(id);
  if (it == session->strings.end()) return std::nullopt;
  return it->second;
}

} // namespace

// Repeated capabilities are not modelled: repCapName and optionFlags are
// accepted and ignored.
extern "C" ViStatus Ivi_GetAttributeViInt32(ViSession vi, ViConstString repCapName, ViAttr attributeId,
                                            ViInt32 optionFlags, ViInt32 *value) {
  return RunEngineCall(EngineFunction::GetAttributeViInt32, [&] {
    if (value == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
    return ReadAttribute(vi, attributeId, [&](const ErrorInfo &error, const Session *session) {
      const std::optional<ViInt32> found = Int32Attribute(error, session, attributeId);
      if (!found) return IVISTANDIN_ERROR_INVALID_ATTRIBUTE;
      *value = *found;
      return VI_SUCCESS;
    });
  });
}

extern "C" ViStatus Ivi_GetAttributeViString(ViSession vi, ViConstString repCapName, ViAttr attributeId,
                                             ViInt32 optionFlags, ViInt32 bufSize, ViChar value[]) {
  return RunEngineCall(EngineFunction::GetAttributeViString, [&] {
    if (bufSize < 0) return IVISTANDIN_ERROR_INVALID_VALUE;
    if (bufSize > 0 && value == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
    return ReadAttribute(vi, attributeId, [&](const ErrorInfo &error, const Session *session) {
      const std::optional<std::string> found = StringAttribute(error, session, attributeId);
      if (!found) return IVISTANDIN_ERROR_INVALID_ATTRIBUTE;
      return CopyWithBufferRule(*found, bufSize, value);
    });
  });
}

// Pops the oldest pending warning; an empty text when none is left.
extern "C" ViStatus Ivi_GetNextInterchangeCheckString(ViSession vi, ViInt32 bufferSize, ViChar warnString[]) {
  return RunEngineCall(EngineFunction::GetNextInterchangeCheckString, [&] {
    if (bufferSize <= 0) return IVISTANDIN_ERROR_INVALID_VALUE;
    if (warnString == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
    warnString[0] = '\0';
    ViStatus status = IVISTANDIN_ERROR_INVALID_SESSION;
    WithSession(vi, [&](Session &session) {
      status = VI_SUCCESS;
      if (session.interchangeWarnings.empty()) return;
      const bool cut =
          CopyCut(session.interchangeWarnings.front(), static_cast<size_t>(bufferSize), warnString);
      session.interchangeWarnings.pop_front();
      if (cut) status = IVISTANDIN_WARNING_TEXT_TRUNCATED;
    });
    return status;
  });
}
