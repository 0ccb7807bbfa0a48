// Device name and association functions: no session. Six are answered by the
// ka module; the FPGA extensions folder by the module of the named device,
// after a fresh lookup of that device.
#include "dvlShared/tErrorLookup.h"
#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/Export.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/modules/DeviceLookup.h"
#include "redirector/modules/ModelRouting.h"
#include "redirector/modules/ModuleRegistry.h"
#include "status/StatusCodes.h"
#include "tracing/CallTrace.h"

namespace {

using zumodules::EntryPointSlots;
using zumodules::EntryPointTable;

constexpr char kDriverPrefix[] = "zuVEXA";

// Calls a slot of the ka module with the caller's arguments. `recordErrors`
// records the acquisition status and a missing entry for the calling thread.
template <auto Slot, bool recordErrors, class... Args> ViStatus CallKaSlot(Args... args) noexcept {
  return zuapi::Guard([&] {
    const EntryPointTable *table = nullptr;
    ViStatus status = zumodules::Modules().Acquire(zumodules::kKa, table);
    if (recordErrors && status != VI_SUCCESS) Ivi_SetErrorInfo(0, VI_FALSE, status, 0, nullptr);
    if (status < 0) return status;
    auto entry = table->slots.*Slot;
    if (entry == nullptr)
      return recordErrors ? zuapi::MissingEntry(0, *table) : zumodules::MissingEntryStatus(table->kind);
    return entry(args...);
  });
}

// The steps of the FPGA extensions folder query; each non-zero status is
// recorded, the first error ends them.
ViStatus QueryBitfileDir(ViConstString resourceName, uintptr_t deviceContext, ViInt32 value1,
                         ViInt32 bitfileDirBufferSize, ViChar *bitfileDir,
                         ViInt32 *requiredBitfileDirBufferSize) {
  ViStatus status = VI_SUCCESS;
  if (zuapi::MergeStatus(status, 0, dvlShared::ForgetDevice(resourceName)) < 0) return status;

  dvlShared::DeviceRecord device;
  bool simulate = false, fromCache = false;
  ViStatus r = zumodules::ResolveDevice(kDriverPrefix, resourceName, "", device, &zumodules::ModelTable,
                                        &zumodules::DefaultModel, simulate, fromCache,
                                        dvlShared::ErrorLookup().defaultLanguage);
  if (zuapi::MergeStatus(status, 0, r) < 0) return status;

  const EntryPointTable *table = nullptr;
  if (zuapi::MergeStatus(status, 0, zumodules::Modules().Acquire(device.moduleKind, table)) < 0)
    return status;
  auto entry = table->slots.GetFPGAExtensionsBitfileDir;
  if (entry == nullptr) return zuapi::MissingEntry(0, *table);
  r = entry(resourceName, static_cast<ViUInt32>(device.productId), deviceContext, value1,
            bitfileDirBufferSize, bitfileDir, requiredBitfileDirBufferSize);
  return zuapi::MergeStatus(status, 0, r);
}

} // namespace

ViStatus zuVEXA_GetAssociatedDevicesForName(void *arg1, void *arg2, void *arg3, void *arg4, void *arg5,
                                            void *arg6, void *arg7) {
  return CallKaSlot<&EntryPointSlots::GetAssociatedDevicesForName, true>(arg1, arg2, arg3, arg4, arg5, arg6,
                                                                         arg7);
}

ViStatus zuVEXA_GetAssociatedDevicesForGUID(void *arg1, void *arg2, void *arg3, void *arg4, void *arg5,
                                            void *arg6, void *arg7, void *arg8) {
  return CallKaSlot<&EntryPointSlots::GetAssociatedDevicesForGUID, true>(arg1, arg2, arg3, arg4, arg5, arg6,
                                                                         arg7, arg8);
}

ViStatus zuVEXA_SetAssociatedDevicesForGUID(void *arg1, void *arg2, void *arg3, void *arg4, void *arg5,
                                            void *arg6, void *arg7) {
  return CallKaSlot<&EntryPointSlots::SetAssociatedDevicesForGUID, true>(arg1, arg2, arg3, arg4, arg5, arg6,
                                                                         arg7);
}

ViStatus zuVEXA_GetDigitizerNameForDownconverter(void *arg1, void *arg2) {
  return CallKaSlot<&EntryPointSlots::GetDigitizerNameForDownconverter, false>(arg1, arg2);
}

ViStatus zuVEXA_GetLONameForDownconverter(void *arg1, void *arg2) {
  return CallKaSlot<&EntryPointSlots::GetLONameForDownconverter, false>(arg1, arg2);
}

ViStatus zuVEXA_GetRFCondNameForDownconverter(void *arg1, void *arg2) {
  return CallKaSlot<&EntryPointSlots::GetRFCondNameForDownconverter, false>(arg1, arg2);
}

ViStatus zuVEXA_GetIFCondNameForDownconverter(void *arg1, void *arg2) {
  return CallKaSlot<&EntryPointSlots::GetIFCondNameForDownconverter, false>(arg1, arg2);
}

ViStatus zuVEXA_GetFPGAExtensionsBitfileDir(ViConstString resourceName, uintptr_t deviceContext,
                                            ViInt32 value1, ViInt32 bitfileDirBufferSize, ViChar *bitfileDir,
                                            ViInt32 *requiredBitfileDirBufferSize) {
  return zuapi::Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_GetFPGAExtensionsBitfileDir>(
        0,
        [&] {
          return QueryBitfileDir(resourceName, deviceContext, value1, bitfileDirBufferSize, bitfileDir,
                                 requiredBitfileDirBufferSize);
        },
        resourceName, deviceContext, value1, bitfileDirBufferSize, bitfileDir, requiredBitfileDirBufferSize);
  });
}
