// Helpers for tests that reach the system configuration library stand-in
// through the library's own loading path (the test program links the
// stand-in, so dlopen("libzusysapi.so") finds it loaded).
#pragma once

#include "DeviceTestSupport.h"
#include "sysapi_standin.h"

namespace devtest {

inline SysapiStandinDevice StandinDevice(const char *name, const char *alias, int64_t productId) {
  return SysapiStandinDevice{name, alias, "PXI1Slot2", productId, 0, SYSAPISTANDIN_NO_VALUE, 0};
}

inline int64_t Searches() { return SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES); }

} // namespace devtest
