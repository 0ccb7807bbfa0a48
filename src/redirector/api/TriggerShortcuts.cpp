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
template <const zutrace::CallSite &Site, class Inner> ViStatus RunShortcut(ViSession vi, Inner &&inner) {
  return Guard([&] { return zutrace::Traced<Site>(vi, inner, vi); });
}

template <const zutrace::CallSite &Site>
ViStatus SetTriggerType(ViSession vi, ViAttr attribute, ViInt32 type) {
  return RunShortcut<Site>(vi, [&] { return zuVEXA_SetAttributeViInt32(vi, nullptr, attribute, type); });
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_ConfigureSoftwareEdgeStartTrigger(ViSession vi) {
  return SetTriggerType<zutrace::sites::zuVEXA_ConfigureSoftwareEdgeStartTrigger>(vi, kStartTriggerType,
                                                                                  kTriggerSoftware);
}

ViStatus zuVEXA_DisableStartTrigger(ViSession vi) {
  return SetTriggerType<zutrace::sites::zuVEXA_DisableStartTrigger>(vi, kStartTriggerType, kTriggerNone);
}

ViStatus zuVEXA_DisableRefTrigger(ViSession vi) {
  return SetTriggerType<zutrace::sites::zuVEXA_DisableRefTrigger>(vi, kRefTriggerType, kTriggerNone);
}

ViStatus zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger(ViSession vi) {
  return SetTriggerType<zutrace::sites::zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger>(vi, kAdvanceTriggerType,
                                                                                    kTriggerSoftware);
}

ViStatus zuVEXA_DisableAdvanceTrigger(ViSession vi) {
  return SetTriggerType<zutrace::sites::zuVEXA_DisableAdvanceTrigger>(vi, kAdvanceTriggerType, kTriggerNone);
}

ViStatus zuVEXA_SelfCal(ViSession vi) {
  return RunShortcut<zutrace::sites::zuVEXA_SelfCal>(vi, [&] { return zuVEXA_SelfCalibrate(vi, 0); });
}

// The whole frame of its own, forwarding to the module's attribute entry.
ViStatus zuVEXA_ConfigureAcquisitionType(ViSession vi, ViInt32 acquisitionType) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_ConfigureAcquisitionType>(
        vi,
        [&] {
          return ForwardUntraced<&zumodules::EntryPointSlots::SetAttributeViInt32>(
              vi, static_cast<ViConstString>(nullptr), kAcquisitionType, acquisitionType);
        },
        vi, acquisitionType);
  });
}
