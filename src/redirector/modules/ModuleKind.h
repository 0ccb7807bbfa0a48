// The module kinds under the names the modules use.
#pragma once

#include "routing/ModuleKinds.h"

namespace zumodules {

using zurouting::FindModuleKind;
using zurouting::kKa;
using zurouting::kLem;
using zurouting::kPil;
using zurouting::kTov;
using zurouting::kVey;
using zurouting::MissingEntryStatus;
using zurouting::ModuleKind;
using zurouting::ModuleKindInfo;

} // namespace zumodules
