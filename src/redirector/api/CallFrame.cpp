#include "redirector/api/CallFrame.h"

#include "platform/IviEngine.h"

namespace zuapi {

ViStatus MergeNonZero(ViStatus &status, ViSession vi, ViStatus r) {
  Ivi_SetErrorInfo(vi, VI_FALSE, r, 0, nullptr);
  if (r < 0 || status == 0) status = r;
  return status;
}

ViStatus MissingEntry(ViSession vi, const zumodules::EntryPointTable &table) {
  ViStatus status = zumodules::MissingEntryStatus(table.kind);
  Ivi_SetErrorInfo(vi, VI_FALSE, status, 0, nullptr);
  return status;
}

} // namespace zuapi
