#include "routing/DeviceProbe.h"

#include <cwchar>
#include <new>

#include "routing/SysapiConnection.h"
#include "status/StatusCodes.h"

namespace zurouting {
namespace {

// The device name in the locale's multibyte encoding, widened.
ViStatus Widen(const char *text, std::wstring &wide) {
  std::mbstate_t state{};
  const char *source = text;
  const size_t length = std::mbsrtowcs(nullptr, &source, 0, &state);
  if (length == static_cast<size_t>(-1)) return ZUVEXA_ERROR_INVALID_PARAMETER;
  wide.assign(length, L'\0');
  source = text;
  state = std::mbstate_t{};
  std::mbsrtowcs(wide.data(), &source, length, &state);
  return VI_SUCCESS;
}

ViStatus Discover(const std::wstring &deviceName, bool simulate, DeviceRecord &record, Failure &failure) {
  SysapiConnection connection;
  ViStatus status = connection.Open(failure);
  if (status < 0) return status;
  DeviceRecord device;
  bool found = false;
  if ((status = connection.FindDevice(deviceName, device, found, failure)) < 0) return status;
  const bool unknownProduct = found && !RouteDevice(ModelTable, device);
  if (found && !unknownProduct) {
    device.allowMultipleSessions = record.allowMultipleSessions;
    record = std::move(device);
    return VI_SUCCESS;
  }
  if (simulate) return ApplyDefaultModel(record, DefaultModel);
  bool pimlo = false;
  if ((status = connection.PimloPresent(pimlo, failure)) < 0) return status;
  return NotFoundStatus(pimlo, unknownProduct);
}

ViStatus Probe(const char *resourceName, const char *optionString, ProbeResult &result, Failure &failure) {
  ResolvedResource resolved;
  ViStatus status = ResolveThroughEngine(resourceName, optionString, resolved);
  if (status < 0) return status;
  DeviceRecord &record = result.record;
  std::wstring deviceName;
  if ((status = Widen(resolved.resourceName, deviceName)) < 0) return status;
  if ((status = InterpretResolved(kDriverPrefix, resolved, result.settings, failure)) < 0) return status;
  const bool simulate = result.settings.simulate;
  record.allowMultipleSessions = result.settings.setup.allowMultipleSessions;
  bool resolvedByModel = false;
  status = ChooseModel(deviceName, simulate, result.settings.setup, record, ModelTable, DefaultModel,
                       resolvedByModel, failure);
  if (status < 0 || resolvedByModel) return status;
  return Discover(deviceName, simulate, record, failure);
}

} // namespace

ViStatus ProbeResource(const char *resourceName, const char *optionString, ProbeResult &result,
                       Failure &failure) {
  if (resourceName == nullptr) return failure.Set(ZUVEXA_ERROR_NULL_POINTER, nullptr);
  try {
    return Probe(resourceName, optionString, result, failure);
  } catch (const std::bad_alloc &) {
    return failure.Set(ZUVEXA_ERROR_OUT_OF_MEMORY, nullptr);
  }
}

} // namespace zurouting
