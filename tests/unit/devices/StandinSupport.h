// Helpers for tests that reach the system configuration library stand-in
// through the library's own loading path (the test program links the
// stand-in, so dlopen("libzusysapi.so") finds it loaded).
#pragma once

#include <string>

#include "DeviceTestSupport.h"
#include "sysapi_standin.h"

namespace devtest {

inline SysapiStandinDevice StandinDevice(const char *name, const char *alias, int64_t productId,
                                         const char *backend = "PXI1Slot2") {
  SysapiStandinDevice device{};
  device.resourceName = name;
  device.alias = alias;
  device.backend = backend;
  device.productId = productId;
  device.simulated = 0;
  device.hidden = SYSAPISTANDIN_NO_VALUE;
  device.excluded = 0;
  return device;
}

inline int64_t Searches() { return SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES); }

} // namespace devtest
