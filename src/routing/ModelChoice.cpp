// Finding a model row and choosing the model of a session.
#include <strings.h>

#include <cstdio>

#include "routing/ModelTable.h"
#include "status/StatusCodes.h"

namespace zurouting {
namespace {

template <class Matches> const ModelRow *FindModel(ModelTableAccessor table, Matches matches) {
  if (table == nullptr) return nullptr;
  const ModelRows rows = table();
  for (const ModelRow *row = rows.begin; row != rows.end; ++row)
    if (matches(*row)) return row;
  return nullptr;
}

ViStatus UnknownModel(const std::string &model, Failure &failure) {
  char message[256];
  std::snprintf(message, sizeof message, "Invalid model in DriverSetup string.\n\nspecified model: %s",
                model.c_str());
  return failure.Set(ZUVEXA_ERROR_INVALID_PARAMETER, message);
}

} // namespace

const ModelRow *FindModelByName(ModelTableAccessor table, const char *code) {
  if (code == nullptr) return nullptr;
  return FindModel(table, [code](const ModelRow &row) { return strcasecmp(row.modelCode, code) == 0; });
}

const ModelRow *FindModelByProductId(ModelTableAccessor table, uint64_t productId) {
  return FindModel(table, [productId](const ModelRow &row) { return row.productId == productId; });
}

uint64_t NormalizeProductId(uint64_t productId) {
  if (productId == 0x1B05 || productId == 0x1B06 || productId == 0x1B07) return productId * 0x10000 + 0xC4C4;
  return productId;
}

ViStatus ChooseModel(const std::wstring &deviceName, bool simulate, const DriverSetupRecord &setup,
                     DeviceRecord &record, ModelTableAccessor table, DefaultModelAccessor defaultModel,
                     bool &resolved, Failure &failure) {
  resolved = false;
  // Real devices are always routed by what the system reports.
  if (!simulate) return VI_SUCCESS;
  if (setup.model) {
    const ModelRow *row = FindModelByName(table, setup.model->c_str());
    if (row == nullptr) {
      record.moduleKind = 0;
      record.productId = 0;
      return UnknownModel(*setup.model, failure);
    }
    record.moduleKind = row->kind;
    record.productId = row->productId;
    resolved = true;
    return VI_SUCCESS;
  }
  if (!deviceName.empty()) return VI_SUCCESS;
  const ViStatus status = ApplyDefaultModel(record, defaultModel);
  resolved = true;
  return status;
}

ViStatus ApplyDefaultModel(DeviceRecord &record, DefaultModelAccessor defaultModel) {
  ModelRow row{};
  (defaultModel != nullptr ? defaultModel : DefaultModel)(row);
  record.deviceName.clear(); // keeps its buffer: cannot fail
  record.moduleKind = row.kind;
  record.productId = row.productId;
  return VI_SUCCESS;
}

bool RouteDevice(ModelTableAccessor table, DeviceRecord &device) {
  const ModelRow *row = FindModelByProductId(table, NormalizeProductId(device.productId));
  if (row == nullptr) return false;
  device.moduleKind = row->kind;
  device.productId = row->productId;
  return true;
}

ViStatus NotFoundStatus(bool pimloPresent, bool unknownProduct) {
  if (!pimloPresent) return ZUVEXA_ERROR_DEVICE_NOT_FOUND;
  return unknownProduct ? ZUVEXA_ERROR_UNKNOWN_PRODUCT : ZUVEXA_ERROR_DEVICE_NOT_FOUND_PIMLO;
}

} // namespace zurouting
