// Forwarding for the functions whose entry-point result is the caller's
// answer as it stands: a positive result (a needed buffer size) is returned
// without being recorded or merged.
#pragma once

#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"

namespace zuapi {

// Whether a negative entry-point result is recorded with the IVI engine.
enum class EntryErrors { Record, Ignore };

// Looks vi up (a failed lookup and a missing entry are recorded as usual),
// then returns the entry's result unchanged.
template <auto Slot, EntryErrors errors, class... Args>
ViStatus ForwardReturningEntryResult(ViSession vi, Args... args) {
  const zumodules::EntryPointTable *table = nullptr;
  ViStatus status = LookUpSession(vi, table);
  if (status < 0) return status;
  auto entry = table->slots.*Slot;
  if (entry == nullptr) return MissingEntry(vi, *table);
  ViStatus result = entry(vi, args...);
  if (errors == EntryErrors::Record && result < 0) Ivi_SetErrorInfo(vi, VI_FALSE, result, 0, nullptr);
  return result;
}

} // namespace zuapi
