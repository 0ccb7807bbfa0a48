#include "redirector/api/SessionOpen.h"

#include <utility>

#include "dvlShared/tErrorLookup.h"
#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/modules/DeviceLookup.h"
#include "redirector/modules/ModelRouting.h"
#include "redirector/modules/ModuleRegistry.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

using zumodules::EntryPointTable;

// The device and module of an open, with the merged status so far.
struct OpenTarget {
  dvlShared::DeviceRecord device;
  bool simulate = false;
  const EntryPointTable *table = nullptr;
  ViStatus status = VI_SUCCESS;
};

// Steps 1 and 2 of every open: resolve the device, acquire its module
// (forceKind overrides the device's kind). False when a step failed.
bool ResolveTarget(const OpenArguments &args, OpenTarget &target, bool &fromCache,
                   zumodules::ModuleKind forceKind = 0) {
  ViStatus r = zumodules::ResolveDevice(kDriverPrefix, args.resourceName, args.optionString, target.device,
                                        &zumodules::ModelTable, &zumodules::DefaultModel, target.simulate,
                                        fromCache, dvlShared::ErrorLookup().defaultLanguage);
  if (MergeStatus(target.status, 0, r) < 0) return false;
  zumodules::ModuleKind kind = forceKind != 0 ? forceKind : target.device.moduleKind;
  r = zumodules::Modules().Acquire(kind, target.table);
  return MergeStatus(target.status, 0, r) >= 0;
}

// Records the status of an init entry the module lacks.
ViStatus MissingInit(zumodules::ModuleKind kind) {
  ViStatus status = zumodules::MissingEntryStatus(kind);
  Ivi_SetErrorInfo(0, VI_FALSE, status, 0, nullptr);
  return status;
}

// Calls the kind's normal init entry with that kind's arguments.
ViStatus CallNormalInit(const OpenArguments &args, const OpenTarget &target, ViSession *newVi) {
  const auto &slots = target.table->slots;
  const dvlShared::DeviceRecord &device = target.device;
  const char *backendText = device.backendResourceText.c_str();
  switch (target.table->kind) {
  case zumodules::kKa:
  case zumodules::kVey:
    if (slots.InitWithOptions_kaVey == nullptr) return MissingInit(target.table->kind);
    return slots.InitWithOptions_kaVey(args.resourceName, args.idQuery, args.reset, args.optionString,
                                       &CloseSessionByKind, newVi);
  case zumodules::kLem: {
    if (slots.InitWithOptions_lem == nullptr) return MissingInit(target.table->kind);
    ViUInt8 simulation = target.simulate ? 1 : device.isSimulatedDevice;
    return slots.InitWithOptions_lem(args.resourceName, device.productId, args.idQuery, args.reset,
                                     args.optionString, simulation, &CloseSessionByKind, newVi);
  }
  case zumodules::kTov:
    if (slots.InitWithOptions3 != nullptr)
      return slots.InitWithOptions3(args.resourceName, device.productId, args.idQuery, args.reset,
                                    args.optionString, backendText, &CloseSessionByKind,
                                    args.graphicalEnvironment ? VI_TRUE : VI_FALSE, newVi);
    if (slots.InitWithOptions2_tov == nullptr) return MissingInit(target.table->kind);
    return slots.InitWithOptions2_tov(args.resourceName, device.productId, args.idQuery, args.reset,
                                      args.optionString, backendText, &CloseSessionByKind, newVi);
  case zumodules::kPil:
    if (slots.InitWithOptions2_pil == nullptr) return MissingInit(target.table->kind);
    return slots.InitWithOptions2_pil(args.resourceName, device.productId, args.idQuery, args.reset,
                                      args.optionString, backendText, &CloseSessionByKind, newVi);
  default:
    return ZUVEXA_ERROR_INVALID_MODULE_KIND; // refused before the call
  }
}

ViStatus CallExtCalInit(const OpenArguments &args, const OpenTarget &target, ViSession *newVi,
                        bool useInitExtCal2) {
  const auto &slots = target.table->slots;
  const dvlShared::DeviceRecord &device = target.device;
  if (useInitExtCal2) {
    if (slots.InitExtCal2 == nullptr) return MissingInit(zumodules::kTov);
    return slots.InitExtCal2(args.resourceName, device.productId, args.password, args.optionString,
                             device.backendResourceText.c_str(), &CloseSessionByKind, newVi);
  }
  if (slots.InitExtCal == nullptr) return MissingInit(target.table->kind);
  return slots.InitExtCal(args.resourceName, args.password, args.optionString, &CloseSessionByKind, newVi);
}

// Registers the session the init wrote. A successful init that wrote
// nothing (a null newVi) cannot be registered.
ViStatus Register(ViSession *newVi, const OpenTarget &target, SessionKind kind, ViStatus &status) {
  if (newVi == nullptr) return MergeStatus(status, 0, ZUVEXA_ERROR_INVALID_PARAMETER);
  ViSession vi = *newVi;
  return MergeStatus(status, vi,
                     Sessions().AddSession(vi, target.device.deviceIdentifier, kind, target.table));
}

// Takes back the handle this attempt's init wrote and returns it when the
// backend session behind it must be released: it could not be registered,
// and it is not a handle already registered for another open session.
ViSession TakeUnregisteredHandle(const OpenTarget &target, ViSession *newVi) {
  if (newVi == nullptr) return 0;
  ViSession vi = std::exchange(*newVi, 0);
  const EntryPointTable *registered = nullptr;
  if (vi == 0 || target.table == nullptr || Sessions().FindTable(vi, registered) == VI_SUCCESS) return 0;
  return vi;
}

// Releases the backend session a failed normal open created, through the
// module's own close entry (the registry does not know the handle).
void DiscardCreatedSession(const OpenTarget &target, ViSession *newVi) {
  ViSession vi = TakeUnregisteredHandle(target, newVi);
  if (vi != 0 && target.table->slots.close != nullptr) target.table->slots.close(vi);
}

// The same for a calibration or alignment session whose init succeeded but
// which could not be registered; closed the way its kind is closed.
template <auto CloseSlot>
void DiscardUnregisteredSession(const OpenTarget &target, ViSession *newVi, ViInt32 action) {
  ViSession vi = TakeUnregisteredHandle(target, newVi);
  auto close = target.table->slots.*CloseSlot;
  if (vi != 0 && close != nullptr) close(vi, action);
}

} // namespace

ViStatus CreateSession(const OpenArguments &args, ViSession *newVi, bool &fromCache) {
  // Only a handle written by this attempt's init may ever be closed below.
  if (newVi != nullptr) *newVi = 0;
  OpenTarget target;
  if (ResolveTarget(args, target, fromCache)) {
    if (!target.simulate) CloseStaleSession(target.device.deviceIdentifier);
    if (zumodules::FindModuleKind(target.table->kind) == nullptr) {
      ViStatus refused = newVi == nullptr ? ZUVEXA_ERROR_INVALID_PARAMETER : ZUVEXA_ERROR_INVALID_MODULE_KIND;
      Ivi_SetErrorInfo(0, VI_FALSE, refused, 0, nullptr);
      return refused;
    }
    ViStatus r = CallNormalInit(args, target, newVi);
    if (MergeStatus(target.status, 0, r) >= 0 && Register(newVi, target, kNormal, target.status) >= 0)
      return target.status;
  }
  DiscardCreatedSession(target, newVi);
  return target.status;
}

ViStatus CreateExtCalSession(const OpenArguments &args, ViSession *newVi, bool &fromCache, bool forceTov) {
  OpenTarget target;
  if (!ResolveTarget(args, target, fromCache, forceTov ? zumodules::kTov : 0)) return target.status;
  zumodules::ModuleKind kind = target.table->kind;
  bool useInitExtCal2 = forceTov || kind == zumodules::kTov || kind == zumodules::kPil;
  if (MergeStatus(target.status, 0, CallExtCalInit(args, target, newVi, useInitExtCal2)) < 0)
    return target.status; // the handle the backend wrote stays in newVi
  if (Register(newVi, target, kExternalCalibration, target.status) < 0)
    DiscardUnregisteredSession<&zumodules::EntryPointSlots::CloseExtCal>(target, newVi, kExtCalCloseAction);
  return target.status;
}

ViStatus CreateAlignmentSession(const OpenArguments &args, ViSession *newVi, bool &fromCache) {
  OpenTarget target;
  if (!ResolveTarget(args, target, fromCache)) return target.status;
  auto init = target.table->slots.InitializeExternalAlignment;
  ViStatus r = init == nullptr ? MissingInit(target.table->kind)
                               : init(args.resourceName, args.optionString, &CloseSessionByKind, newVi);
  if (MergeStatus(target.status, 0, r) < 0) return target.status; // the handle stays in newVi
  if (Register(newVi, target, kExternalAlignment, target.status) < 0)
    DiscardUnregisteredSession<&zumodules::EntryPointSlots::CloseExternalAlignment>(target, newVi,
                                                                                    kAlignmentCloseAction);
  return target.status;
}

ViStatus CloseSessionByKind(ViSession vi) {
  SessionKind kind = kNormal;
  ViStatus r = Sessions().FindSessionKind(vi, kind);
  if (r != 0) Ivi_SetErrorInfo(vi, VI_FALSE, r, 0, nullptr);
  if (r < 0) return r;
  switch (kind) {
  case kNormal:
    return zuVEXA_close(vi);
  case kExternalCalibration:
    return zuVEXA_CloseExtCal(vi, kExtCalCloseAction);
  case kExternalAlignment:
    return zuVEXA_CloseExternalAlignment(vi, kAlignmentCloseAction);
  default:
    return ZUVEXA_ERROR_INVALID_MODULE_KIND;
  }
}

void CloseStaleSession(const std::wstring &deviceIdentifier) {
  ViSession stale = 0;
  if (Sessions().FindSessionByDevice(deviceIdentifier, kNormal, stale) != VI_SUCCESS) return;
  SessionKind kind = kNormal;
  ViStatus r = Sessions().FindSessionKind(stale, kind);
  if (r != 0) Ivi_SetErrorInfo(stale, VI_FALSE, r, 0, nullptr);
  if (r >= 0 && kind == kNormal) zuVEXA_close(stale);
}

} // namespace zuapi
