// Clean stand-ins: no sessions, errors, calls or scripts, and a system
// configuration holding only the installed expert "zu-vexa".
#pragma once

#include "backend_standin.h"
#include "ivi_standin.h"
#include "sysapi_standin.h"

namespace testsupport {

inline void ResetStandIns() {
  IviStandin_Reset();
  BackendStandin_Reset();
  SysapiStandin_Reset();
  SysapiStandin_AddExpert("zu-vexa");
}

// "PXI1Slot2", alias "Analyzer", a tov product (0x1C02) on "RIO0"; 0 when added.
inline int32_t AddAnalyzer() {
  const SysapiStandinDevice device{"PXI1Slot2", "Analyzer", "RIO0", 0x1C02, 0, SYSAPISTANDIN_NO_VALUE, 0};
  return SysapiStandin_AddDevice(&device);
}

} // namespace testsupport
