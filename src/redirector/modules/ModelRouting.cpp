// The model choice of routing/, recording its failure.
#include "redirector/modules/ModelRouting.h"

#include "platform/IviEngine.h"

namespace zumodules {

ViStatus ApplyModelOverride(const std::wstring &deviceName, bool simulate, const DriverSetupRecord &setup,
                            dvlShared::DeviceRecord &record, ModelTableAccessor table,
                            DefaultModelAccessor defaultModel, bool &resolved) {
  zurouting::Failure failure;
  const ViStatus status =
      zurouting::ChooseModel(deviceName, simulate, setup, record, table, defaultModel, resolved, failure);
  if (failure.status < 0) Ivi_SetErrorInfo(0, VI_FALSE, failure.status, 0, failure.Elaboration());
  return status;
}

} // namespace zumodules
