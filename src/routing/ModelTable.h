// Which backend module kind serves a model: the model table with the product
// identifiers the system configuration reports, the default model of
// simulated sessions without a device, the supported-model lists per driver
// prefix, and the rules that pick a session's model.
#pragma once

#include <cstdint>
#include <string>

#include "routing/DeviceRecord.h"
#include "routing/Failure.h"
#include "routing/ModuleKinds.h"
#include "routing/OptionParsing.h"
#include "zuVEXAtypes.h"

namespace zurouting {

struct ModelRow {
  const char *modelCode;
  uint64_t productId;
  ModuleKind kind;
};
struct ModelRows {
  const ModelRow *begin;
  const ModelRow *end;
};
using ModelTableAccessor = ModelRows (*)();
using DefaultModelAccessor = void (*)(ModelRow &);

// The 29 models in routing order: on equal identifiers the first row wins.
ModelRows ModelTable();
// {"Q117", 0, kind 1}.
void DefaultModel(ModelRow &row);

struct SupportedModelsRow {
  uint32_t kind;
  const char *driverPrefix;
  const char *modelList; // ", "-separated product names
};
struct SupportedModelsRows {
  const SupportedModelsRow *begin;
  const SupportedModelsRow *end;
};
SupportedModelsRows SupportedModels();

// First row whose code matches ignoring ASCII case; null when none.
const ModelRow *FindModelByName(ModelTableAccessor table, const char *code);
// First row with the identifier; null when none.
const ModelRow *FindModelByProductId(ModelTableAccessor table, uint64_t productId);
// The extended form of the identifiers that some devices report short.
uint64_t NormalizeProductId(uint64_t productId);

// A simulated session's DriverSetup "Model", or the default model for a
// simulated session without a device name. `resolved` tells whether the
// record's kind and identifier are now settled; otherwise the device is
// looked up by name. An unknown model gives ZUVEXA_ERROR_INVALID_PARAMETER
// with its elaboration in `failure`.
ViStatus ChooseModel(const std::wstring &deviceName, bool simulate, const DriverSetupRecord &setup,
                     DeviceRecord &record, ModelTableAccessor table, DefaultModelAccessor defaultModel,
                     bool &resolved, Failure &failure);

// The default model with an empty device name; always VI_SUCCESS.
ViStatus ApplyDefaultModel(DeviceRecord &record, DefaultModelAccessor defaultModel);

// Gives a found device the kind and product identifier of its model row;
// false when its product has no row.
bool RouteDevice(ModelTableAccessor table, DeviceRecord &device);

// The status of a device that is not found (`unknownProduct`: found, but
// its product has no row) when the session is not simulated.
ViStatus NotFoundStatus(bool pimloPresent, bool unknownProduct);

} // namespace zurouting
