// Exported shortcuts that set one attribute or self-calibrate through
// another exported function, whose own frame records its errors.
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"

namespace zuapi {
namespace {

constexpr ViAttr kAcquisitionType = 1150001;
constexpr ViAttr kStartTriggerType = 1150024;
constexpr ViAttr kRefTriggerType = 1150028;
constexpr ViAttr kAdvanceTriggerType = 1150036;
constexpr ViInt32 kTriggerNone = 600;
constexpr ViInt32 kTriggerSoftware = 604;

// Traces the shortcut itself around the inner exported call; the inner
// call's status is the shortcut's.
template <class Inner> ViStatus RunShortcut(const zutrace::CallSite &site, ViSession vi, Inner &&inner) {
  return Guard([&] { return zutrace::Traced(site, vi, inner); });
}

ViStatus SetTriggerType(const zutrace::CallSite &site, ViSession vi, ViAttr attribute, ViInt32 type) {
  return RunShortcut(site, vi, [&] { return zuVEXA_SetAttributeViInt32(vi, nullptr, attribute, type); });
}

constexpr zutrace::CallSite kSoftwareStartSite{39, "zuVEXA_ConfigureSoftwareEdgeStartTrigger"};
constexpr zutrace::CallSite kDisableStartSite{40, "zuVEXA_DisableStartTrigger"};
constexpr zutrace::CallSite kDisableRefSite{45, "zuVEXA_DisableRefTrigger"};
constexpr zutrace::CallSite kSoftwareAdvanceSite{47, "zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger"};
constexpr zutrace::CallSite kDisableAdvanceSite{48, "zuVEXA_DisableAdvanceTrigger"};
constexpr zutrace::CallSite kSelfCalSite{62, "zuVEXA_SelfCal"};
constexpr zutrace::CallSite kAcquisitionTypeSite{26, "zuVEXA_ConfigureAcquisitionType"};

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_ConfigureSoftwareEdgeStartTrigger(ViSession vi) {
  return SetTriggerType(kSoftwareStartSite, vi, kStartTriggerType, kTriggerSoftware);
}

ViStatus zuVEXA_DisableStartTrigger(ViSession vi) {
  return SetTriggerType(kDisableStartSite, vi, kStartTriggerType, kTriggerNone);
}

ViStatus zuVEXA_DisableRefTrigger(ViSession vi) {
  return SetTriggerType(kDisableRefSite, vi, kRefTriggerType, kTriggerNone);
}

ViStatus zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger(ViSession vi) {
  return SetTriggerType(kSoftwareAdvanceSite, vi, kAdvanceTriggerType, kTriggerSoftware);
}

ViStatus zuVEXA_DisableAdvanceTrigger(ViSession vi) {
  return SetTriggerType(kDisableAdvanceSite, vi, kAdvanceTriggerType, kTriggerNone);
}

ViStatus zuVEXA_SelfCal(ViSession vi) {
  return RunShortcut(kSelfCalSite, vi, [&] { return zuVEXA_SelfCalibrate(vi, 0); });
}

// The whole frame of its own, forwarding to the module's attribute entry.
ViStatus zuVEXA_ConfigureAcquisitionType(ViSession vi, ViInt32 acquisitionType) {
  return Guard([&] {
    return zutrace::Traced(
        kAcquisitionTypeSite, vi,
        [&] {
          return ForwardUntraced<&zumodules::EntryPointSlots::SetAttributeViInt32>(
              vi, static_cast<ViConstString>(nullptr), kAcquisitionType, acquisitionType);
        },
        acquisitionType);
  });
}
