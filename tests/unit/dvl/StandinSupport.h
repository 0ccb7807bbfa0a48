// Through the system configuration stand-in, which the program links so that dlopen finds it loaded.
#pragma once

#include "DeviceTestSupport.h"
#include "sysapi_standin.h"

namespace devtest {

inline void AddStandinDevice(const char *name, const char *alias, int64_t productId) {
  SysapiStandinDevice device{name, alias, "PXI1Slot2", productId, 0, SYSAPISTANDIN_NO_VALUE, 0};
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0) << name;
}

struct Resolution {
  ViStatus status = 0;
  dvlShared::DeviceRecord record;
  bool fromCache = false;
};

// Through the process-wide store and framework, as the open path does.
inline Resolution ResolveInProcess(const char *name) {
  Resolution result;
  result.status = ResolveWith(dvlShared::DeviceStore(), dvlShared::Discovery(), name, "", result.record,
                              result.fromCache);
  return result;
}

inline int64_t Searches() { return SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES); }

} // namespace devtest
