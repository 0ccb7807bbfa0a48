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

template <auto Slot, const zutrace::CallSite &Site, class... Args>
ViStatus CloseThroughModule(ViSession vi, Args... args) {
  return zutrace::Traced<Site, zutrace::Frame::Close>(
      vi, [&] { return CloseUntraced<Slot>(vi, args...); }, vi, args...);
}

} // namespace
} // namespace zuapi

using namespace zuapi;
using zumodules::EntryPointSlots;

ViStatus zuVEXA_close(ViSession vi) {
  return Guard([&] { return CloseThroughModule<&EntryPointSlots::close, zutrace::sites::zuVEXA_close>(vi); });
}

ViStatus zuVEXA_CloseExtCal(ViSession vi, ViInt32 action) {
  return Guard([&] {
    return CloseThroughModule<&EntryPointSlots::CloseExtCal, zutrace::sites::zuVEXA_CloseExtCal>(vi, action);
  });
}

ViStatus zuVEXA_CloseExternalAlignment(ViSession vi, ViInt32 action) {
  return Guard([&] {
    return CloseThroughModule<&EntryPointSlots::CloseExternalAlignment,
                              zutrace::sites::zuVEXA_CloseExternalAlignment>(vi, action);
  });
}

ViStatus ReleaseSessionForServer(ViSession vi) { return zuVEXA_close(vi); }
