// The library's exported functions: the framework entry point and the
// SysapiStandin_* control functions.
#include <string>
#include <vector>

#include "CallStats.h"
#include "Catalog.h"
#include "ChangeNotifier.h"
#include "Framework.h"
#include "HandlerRegistry.h"
#include "WideText.h"

using namespace sysapistandin;

namespace {

bool IsEmpty(const char *text) { return text == nullptr || *text == '\0'; }

std::optional<std::wstring> OptionalText(const char *text) {
  if (text == nullptr) return std::nullopt;
  return Widen(text);
}

SysStatus ToDeviceConfig(const SysapiStandinDevice &device, DeviceConfig &config) {
  if (IsEmpty(device.resourceName)) return kInvalidArgument;
  if (device.productId != SYSAPISTANDIN_NO_VALUE && (device.productId < 0 || device.productId > UINT32_MAX)) {
    return kInvalidArgument;
  }
  config.resourceName = Widen(device.resourceName);
  config.alias = OptionalText(device.alias);
  config.backend = OptionalText(device.backend);
  if (device.productId != SYSAPISTANDIN_NO_VALUE) config.productId = static_cast<uint32_t>(device.productId);
  config.simulated = device.simulated;
  if (device.hidden != SYSAPISTANDIN_NO_VALUE) config.hidden = device.hidden;
  config.excluded = device.excluded != 0;
  return 0;
}

} // namespace

extern "C" SysStatus zusysInstantiateFramework(sysapi::ISysFramework **framework) {
  if (framework != nullptr) *framework = nullptr;
  if (auto failure = BeginCall(Operation::InstantiateFramework)) return *failure;
  if (framework == nullptr) return sysapi::kNullPointer;
  return Guarded([&] {
    Catalog::Instance().ReadFile();
    *framework = new Framework();
    return SysStatus{0};
  });
}

extern "C" void SysapiStandin_Reset(void) {
  ResetCallStats();
  Guarded([] {
    Catalog::Instance().Reset();
    return SysStatus{0};
  });
}

extern "C" int32_t SysapiStandin_AddDevice(const SysapiStandinDevice *device) {
  if (device == nullptr) return sysapi::kNullPointer;
  return Guarded([&] {
    DeviceConfig config;
    const SysStatus status = ToDeviceConfig(*device, config);
    if (status == 0) Catalog::Instance().AddDevice(std::make_shared<const DeviceConfig>(std::move(config)));
    return status;
  });
}

extern "C" int32_t SysapiStandin_RemoveDevice(const char *resourceName) {
  if (resourceName == nullptr) return sysapi::kNullPointer;
  return Guarded([&] { return Catalog::Instance().RemoveDevice(Widen(resourceName)) ? 0 : kNone; });
}

extern "C" int32_t SysapiStandin_AddExpert(const char *name) {
  if (name == nullptr) return sysapi::kNullPointer;
  if (*name == '\0') return kInvalidArgument;
  return Guarded([&] {
    Catalog::Instance().AddExpert(Widen(name));
    return SysStatus{0};
  });
}

extern "C" int32_t SysapiStandin_RemoveExpert(const char *name) {
  if (name == nullptr) return sysapi::kNullPointer;
  return Guarded([&] { return Catalog::Instance().RemoveExpert(Widen(name)) ? 0 : kNone; });
}

extern "C" int64_t SysapiStandin_CallCount(SysapiStandinOperation operation) {
  const auto known = ToOperation(operation);
  return known ? CallCount(*known) : -1;
}

extern "C" int32_t SysapiStandin_FailNextCall(SysapiStandinOperation operation, int32_t status) {
  const auto known = ToOperation(operation);
  if (!known) return kInvalidArgument;
  SetPendingFailure(*known, status);
  return 0;
}

extern "C" int64_t SysapiStandin_LiveObjectCount(void) { return LiveObjectCount(); }

extern "C" int32_t SysapiStandin_HandlerCount(void) { return HandlerRegistry::Instance().Count(); }

extern "C" int32_t SysapiStandin_NotifyChange(uint32_t kind, const char *const *names, int32_t nameCount) {
  if (nameCount < 0 || (nameCount > 0 && names == nullptr)) return kInvalidArgument;
  return Guarded([&] {
    std::vector<std::wstring> wideNames;
    for (int32_t index = 0; index < nameCount; ++index) {
      if (names[index] == nullptr) return kInvalidArgument;
      wideNames.push_back(Widen(names[index]));
    }
    return DeliverChange(kind, wideNames);
  });
}
