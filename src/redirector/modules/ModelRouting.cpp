// Finding a model row and choosing the model of a session.
#include "redirector/modules/ModelRouting.h"

#include <strings.h>

#include <cstdio>
#include <new>

#include "platform/IviEngine.h"
#include "status/StatusCodes.h"

namespace zumodules {
namespace {

template <class Matches> const ModelRow *FindModel(ModelTableAccessor table, Matches matches) {
  if (table == nullptr) return nullptr;
  const ModelRows rows = table();
  for (const ModelRow *row = rows.begin; row != rows.end; ++row)
    if (matches(*row)) return row;
  return nullptr;
}

ViStatus ReportUnknownModel(const std::string &model) {
  char message[256];
  std::snprintf(message, sizeof message, "Invalid model in DriverSetup string.\n\nspecified model: %s",
                model.c_str());
  Ivi_SetErrorInfo(0, VI_FALSE, ZUVEXA_ERROR_INVALID_PARAMETER, 0, message);
  return ZUVEXA_ERROR_INVALID_PARAMETER;
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
  if (productId == 0x1B05 || productId == 0x1B06 || productId == 0x1B07)
    return productId * 0x10000 + 0xC4C4;
  return productId;
}

ViStatus ApplyModelOverride(const std::wstring &deviceName, bool simulate,
                            const DriverSetupRecord &setup, dvlShared::DeviceRecord &record,
                            ModelTableAccessor table, DefaultModelAccessor defaultModel,
                            bool &resolved) {
  resolved = false;
  // Real devices are always routed by what the system reports.
  if (!simulate) return VI_SUCCESS;
  if (setup.model) {
    const ModelRow *row = FindModelByName(table, setup.model->c_str());
    if (row == nullptr) {
      record.moduleKind = 0;
      record.productId = 0;
      return ReportUnknownModel(*setup.model);
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

ViStatus ApplyDefaultModel(dvlShared::DeviceRecord &record, DefaultModelAccessor defaultModel) {
  ModelRow row{};
  (defaultModel != nullptr ? defaultModel : DefaultModel)(row);
  try {
    record.deviceName.assign(L"");
  } catch (const std::bad_alloc &) {
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  }
  record.moduleKind = row.kind;
  record.productId = row.productId;
  return VI_SUCCESS;
}

} // namespace zumodules
