// Resolving the resource name of an open to a device: its name, identifier,
// backend module kind and model. Interprets the option string and routes the
// model here; the device itself comes from the device information store or
// from a search through the system configuration library (dvlShared).
#pragma once

#include <atomic>

#include "dvlShared/DeviceInfoStore.h"
#include "dvlShared/DeviceRecord.h"
#include "dvlShared/SysapiFramework.h"
#include "redirector/modules/ModelRouting.h"
#include "zuVEXAtypes.h"
#include "zumxl/mxlate.h"

namespace zumodules {

// Interprets the resource name and option string, applies a simulated
// session's DriverSetup model, and otherwise answers from the store or finds
// the device by name or alias. `fromCache` tells that the record came from
// the store. Not found: the default model when simulated, else
// ZUVEXA_ERROR_DEVICE_NOT_FOUND_PIMLO (the "pimlo" expert installed) or
// ZUVEXA_ERROR_DEVICE_NOT_FOUND. Callers record the status.
ViStatus ResolveDevice(const char *prefix, const char *resourceName, const char *optionString,
                       dvlShared::DeviceRecord &record, ModelTableAccessor table,
                       DefaultModelAccessor defaultModel, bool &simulate, bool &fromCache,
                       std::atomic<zumxl::LanguageId> &languageCell);

// ResolveDevice with a given store and discovery state instead of the
// process-wide ones.
ViStatus ResolveDeviceWith(dvlShared::DeviceInfoStore &store, dvlShared::SysapiDiscovery &discovery,
                           const char *prefix, const char *resourceName, const char *optionString,
                           dvlShared::DeviceRecord &record, ModelTableAccessor table,
                           DefaultModelAccessor defaultModel, bool &simulate, bool &fromCache,
                           std::atomic<zumxl::LanguageId> &languageCell);

} // namespace zumodules
