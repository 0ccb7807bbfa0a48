// A clean set of stand-ins for an end-to-end test: no IVI sessions or
// errors, no simulated sessions, call log or scripts, and a system
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

} // namespace testsupport
