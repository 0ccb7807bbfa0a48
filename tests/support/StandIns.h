// Clean stand-ins: no sessions, errors, calls or scripts, and a system
// configuration holding only the installed expert "zu-vexa".
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "backend_standin.h"
#include "ivi_standin.h"
#include "redirector/api/ExportDeclarations.h"
#include "sysapi_standin.h"

namespace testsupport {

inline void ResetStandIns() {
  IviStandin_Reset();
  BackendStandin_Reset();
  SysapiStandin_Reset();
  SysapiStandin_AddExpert("zu-vexa");
}

// Adds a device to the system configuration; 0 when added.
inline int32_t AddDevice(const char *name, const char *alias, int64_t productId, const char *backend,
                         int32_t simulated = 0, int32_t hidden = SYSAPISTANDIN_NO_VALUE,
                         int32_t excluded = 0) {
  const SysapiStandinDevice device{name, alias, backend, productId, simulated, hidden, excluded};
  return SysapiStandin_AddDevice(&device);
}

// "PXI1Slot2", alias "Analyzer", a tov product (0x1C02) on "RIO0"; 0 when added.
inline int32_t AddAnalyzer() { return AddDevice("PXI1Slot2", "Analyzer", 0x1C02, "RIO0"); }

// A simulated Q118 session, served by the tov module (kind 5); the call log starts empty.
inline ViSession OpenSimulated() {
  ViSession vi = 0;
  EXPECT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi), 0);
  BackendStandin_ClearCalls();
  return vi;
}

// A text argument of a logged backend call.
inline std::string CallText(ViInt32 call, ViInt32 argument) {
  char text[256] = {};
  BackendStandin_CallArgumentText(call, argument, sizeof text, text);
  return text;
}

} // namespace testsupport
