// The call frame around every forwarded exported function: look the session
// up, call its module's entry point with the arguments unchanged, merge and
// record the statuses, and trace the call when tracing is enabled. No lock is
// held while the entry point runs.
#pragma once

#include "redirector/api/SessionRegistry.h"
#include "redirector/modules/EntryPointTable.h"
#include "tracing/CallTrace.h"
#include "zuVEXAtypes.h"

namespace zuapi {

// The part of MergeStatus for a non-zero r.
ViStatus MergeNonZero(ViStatus &status, ViSession vi, ViStatus r);

// Combines the result r of one step into status: a non-zero r is recorded
// with the IVI engine for vi (0 before a session exists); an error replaces
// the status, a warning only a success. Returns the new status; callers stop
// at the first error.
inline ViStatus MergeStatus(ViStatus &status, ViSession vi, ViStatus r) {
  return r == 0 ? status : MergeNonZero(status, vi, r);
}

// Records and returns the status of calling an entry the module lacks.
ViStatus MissingEntry(ViSession vi, const zumodules::EntryPointTable &table);

// Looks vi up; 0 and its table, or the merged lookup status.
inline ViStatus LookUpSession(ViSession vi, const zumodules::EntryPointTable *&table) {
  ViStatus status = VI_SUCCESS;
  return MergeStatus(status, vi, Sessions().FindTable(vi, table));
}

// Steps without tracing: look up, forward, merge.
template <auto Slot, class... Args> ViStatus ForwardUntraced(ViSession vi, Args... args) {
  const zumodules::EntryPointTable *table = nullptr;
  ViStatus status = LookUpSession(vi, table);
  if (status < 0) return status;
  auto entry = table->slots.*Slot;
  if (entry == nullptr) return MissingEntry(vi, *table);
  return MergeStatus(status, vi, entry(vi, args...));
}

// The traced frame: the trace steps around ForwardUntraced.
template <auto Slot, const zutrace::CallSite &Site, class... Args>
ViStatus Forward(ViSession vi, Args... args) {
  return zutrace::Traced<Site>(
      vi, [&] { return ForwardUntraced<Slot>(vi, args...); }, vi, args...);
}

} // namespace zuapi
