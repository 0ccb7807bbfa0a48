// The model routing of routing/ under the names the modules use, and the
// model choice of an open, which records its failure.
#pragma once

#include <string>

#include "dvlShared/DeviceRecord.h"
#include "redirector/modules/ModuleKind.h"
#include "redirector/modules/OptionString.h"
#include "routing/ModelTable.h"
#include "zuVEXAtypes.h"

namespace zumodules {

using zurouting::ApplyDefaultModel;
using zurouting::DefaultModel;
using zurouting::DefaultModelAccessor;
using zurouting::FindModelByName;
using zurouting::FindModelByProductId;
using zurouting::ModelRow;
using zurouting::ModelRows;
using zurouting::ModelTable;
using zurouting::ModelTableAccessor;
using zurouting::NormalizeProductId;
using zurouting::SupportedModels;
using zurouting::SupportedModelsRow;
using zurouting::SupportedModelsRows;

// zurouting::ChooseModel; an unknown model is recorded for the calling
// thread.
ViStatus ApplyModelOverride(const std::wstring &deviceName, bool simulate, const DriverSetupRecord &setup,
                            dvlShared::DeviceRecord &record, ModelTableAccessor table,
                            DefaultModelAccessor defaultModel, bool &resolved);

} // namespace zumodules
