#include "redirector/api/CallFrame.h"

#include "platform/IviEngine.h"
#include "redirector/api/InterchangeWarnings.h"
#include "tracing/SessionHooks.h"

namespace zuapi {
namespace {

ViStatus ResourceDescriptorOf(ViSession vi, ViChar *buffer, ViInt32 size) {
  return Sessions().FindResourceDescriptor(vi, buffer, size);
}

// The trace reads a session's descriptor and warnings through these.
const zutrace::SessionHooks kSessionHooks{&ResourceDescriptorOf, &CollectInterchangeWarnings,
                                          &ReleaseInterchangeWarnings};
[[maybe_unused]] const bool kSessionHooksSet = (zutrace::SetSessionHooks(&kSessionHooks), true);

} // namespace

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
