#include "ErrorInfo.h"

#include "TextUtil.h"

namespace ivistandin {

namespace {

bool KeepsRecorded(const ErrorInfo &recorded, ViStatus newPrimary) {
  if (recorded.primary < 0) return true;
  return newPrimary == VI_SUCCESS && recorded.primary != VI_SUCCESS;
}

} // namespace

void RecordErrorInfo(ErrorInfo &info, bool overrideExisting, ViStatus primary, ViStatus secondary,
                     ViConstString elaboration) {
  if (!overrideExisting && KeepsRecorded(info, primary)) return;
  info.elaboration = TextOrEmpty(elaboration);
  info.primary = primary;
  info.secondary = secondary;
}

} // namespace ivistandin
