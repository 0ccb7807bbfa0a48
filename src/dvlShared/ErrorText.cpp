#include "dvlShared/ErrorText.h"

#include <cstring>
#include <string>

#include "dvlShared/TranslationSession.h"
#include "dvlShared/tErrorLookup.h"
#include "platform/IviEngine.h"
#include "status/StatusCodes.h"

namespace dvlShared {
namespace {

// Records a non-zero step result for vi; true when it is an error.
bool RecordFailed(ViSession vi, ViStatus r) {
  if (r != 0) Ivi_SetErrorInfo(vi, VI_FALSE, r, 0, nullptr);
  return r < 0;
}

struct ErrorInfo {
  ViInt32 primary = 0;
  ViInt32 secondary = 0;
  char elaboration[kErrorTextAreaSize] = {};
};

ViStatus ReadErrorInfo(ViSession vi, ErrorInfo &info) {
  ViStatus r = Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &info.primary);
  if (RecordFailed(vi, r)) return r;
  r = Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_SECONDARY_ERROR, 0, &info.secondary);
  if (RecordFailed(vi, r)) return r;
  r = Ivi_GetAttributeViString(vi, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof info.elaboration,
                               info.elaboration);
  if (RecordFailed(vi, r)) return r;
  return VI_SUCCESS;
}

// Primary description, then "\n\n" and the secondary description, then
// "\n\n" and the elaboration, as far as the 1023 usable bytes allow.
void ComposeErrorText(const ErrorInfo &info, zumxl::LanguageId language, char (&area)[kErrorTextAreaSize]) {
  constexpr size_t kUsable = kErrorTextAreaSize - 1;
  if (IsElaborationOnlyCode(info.secondary)) {
    std::strncpy(area, info.elaboration, kUsable);
    return;
  }
  DescribeStatus(info.primary, language, kStaticDescriptionFlags, area, kUsable);
  size_t length = std::strlen(area);
  size_t room = kUsable - length;
  if (info.secondary != 0) {
    if (room <= 2) return;
    std::strcat(area, "\n\n");
    DescribeStatus(info.secondary, language, kStaticDescriptionFlags, area + length + 2,
                   static_cast<ViInt32>(kUsable - 2 - length));
    room = kUsable - 2 - length - std::strlen(area + length + 2);
  }
  if (info.elaboration[0] != '\0' && room > 2) {
    std::strcat(area, "\n\n");
    std::strncat(area, info.elaboration, room - 2);
  }
}

} // namespace

ViStatus CopyToUserBuffer(const char *text, ViInt32 size, ViChar *buffer) {
  if (text == nullptr) text = "";
  size_t needed = std::strlen(text) + 1;
  if (size == 0) return static_cast<ViStatus>(needed);
  if (buffer == nullptr) return ZUVEXA_ERROR_NULL_POINTER;
  if (size > 0 && needed > static_cast<size_t>(size)) {
    std::memcpy(buffer, text, static_cast<size_t>(size) - 1);
    buffer[size - 1] = '\0';
    return static_cast<ViStatus>(needed);
  }
  std::memcpy(buffer, text, needed);
  return VI_SUCCESS;
}

// Code 0 has no description: no translator is asked.
ViStatus DescribeStatus(ViStatus code, zumxl::LanguageId language, uint32_t flags, ViChar *buffer,
                        ViInt32 size) {
  const std::string text = code != 0 ? DescribeCode(code, language, flags) : std::string();
  return CopyToUserBuffer(text.c_str(), size, buffer);
}

zumxl::LanguageId SessionLanguage(ViSession vi) {
  zumxl::LanguageId fallback = ErrorLookup().defaultLanguage.load(std::memory_order_relaxed);
  if (vi == 0) return fallback;
  ViInt32 language = 0;
  if (Ivi_GetAttributeViInt32(vi, "", ZUVEXA_ATTR_SESSION_LANGUAGE, 0, &language) < 0) return fallback;
  return static_cast<uint32_t>(language) < zumxl::kLanguageCount ? static_cast<uint32_t>(language)
                                                                 : zumxl::kInvalidLanguage;
}

bool IsElaborationOnlyCode(ViStatus code) {
  const tErrorLookup &lookup = ErrorLookup();
  for (uint64_t i = 0; i < lookup.elaborationOnlyCount; ++i)
    if (lookup.elaborationOnlyCodes[i] == code) return true;
  return false;
}

ViStatus GetErrorText(ViSession vi, ViStatus *errorCodePtr, ViInt32 size, ViChar *buffer) {
  if (vi != 0) {
    ViStatus locked = Ivi_LockSession(vi, nullptr);
    if (RecordFailed(vi, locked)) {
      Ivi_UnlockSession(vi, nullptr);
      return locked;
    }
  }
  ErrorInfo info;
  ViStatus result = ReadErrorInfo(vi, info);
  if (result >= 0) {
    char area[kErrorTextAreaSize] = {};
    ComposeErrorText(info, SessionLanguage(vi), area);
    result = CopyToUserBuffer(area, size, buffer);
    if (errorCodePtr != nullptr) *errorCodePtr = info.primary;
  }
  if (vi != 0) Ivi_UnlockSession(vi, nullptr);
  return result;
}

} // namespace dvlShared
