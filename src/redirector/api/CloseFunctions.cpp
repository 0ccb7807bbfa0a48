// The exported close functions: the module's close entry decides the
// status; the record is removed whatever the module returned.
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"

namespace zuapi {
namespace {

template <auto Slot, class... Args> ViStatus CloseUntraced(ViSession vi, Args... args) {
  const zumodules::EntryPointTable *table = nullptr;
  ViStatus status = LookUpSession(vi, table);
  if (status < 0) return status;
  auto entry = table->slots.*Slot;
  if (entry == nullptr) return MissingEntry(vi, *table);
  status = entry(vi, args...);
  Sessions().RemoveSession(vi);
  return status;
}

template <auto Slot, class... Args>
ViStatus CloseThroughModule(const zutrace::CallSite &site, ViSession vi, Args... args) {
  return zutrace::Traced(
      site, vi, [&] { return CloseUntraced<Slot>(vi, args...); }, args...);
}

constexpr zutrace::CallSite kCloseSite{5, "zuVEXA_close"};
constexpr zutrace::CallSite kCloseExtCalSite{8, "zuVEXA_CloseExtCal"};
constexpr zutrace::CallSite kCloseAlignmentSite{132, "zuVEXA_CloseExternalAlignment"};

} // namespace
} // namespace zuapi

using namespace zuapi;
using zumodules::EntryPointSlots;

ViStatus zuVEXA_close(ViSession vi) {
  return Guard([&] { return CloseThroughModule<&EntryPointSlots::close>(kCloseSite, vi); });
}

ViStatus zuVEXA_CloseExtCal(ViSession vi, ViInt32 action) {
  return Guard(
      [&] { return CloseThroughModule<&EntryPointSlots::CloseExtCal>(kCloseExtCalSite, vi, action); });
}

ViStatus zuVEXA_CloseExternalAlignment(ViSession vi, ViInt32 action) {
  return Guard([&] {
    return CloseThroughModule<&EntryPointSlots::CloseExternalAlignment>(kCloseAlignmentSite, vi, action);
  });
}

ViStatus ReleaseSessionForServer(ViSession vi) { return zuVEXA_close(vi); }
