// What every benchmark stands on: the no-op backend module and the stand-in
// system configuration found by the library, sessions opened through the
// exported functions, and the module's entries for calling it directly.
#pragma once

#include "zuVEXA.h"

namespace zubench {

inline constexpr const char *kResource = "BenchAnalyzer"; // a simulated tov device, see sysapi.conf
inline constexpr const char *kOptions = "Simulate=1";
inline constexpr ViUInt64 kProductId = 0x1C02;

// Restarts the program once with the dynamic loader's search path and the
// system configuration pointing at the benchmark's own components. Returns
// only when that is already the case.
void EnterBenchEnvironment(char **argv);

// Opens a session on kResource through the library; exits on failure.
ViSession OpenBenchSession();
// The same through the session server's entry (InitializeSessionForServer).
ViSession OpenServerSession();

// The no-op module's entries, for the baselines that bypass the library.
struct DirectEntries {
  ViStatus (*init)(ViConstString, ViUInt64, ViBoolean, ViBoolean, ViConstString, ViConstString,
                   ViStatus (*)(ViSession), ViBoolean, ViSession *);
  ViStatus (*close)(ViSession);
  ViStatus (*commit)(ViSession);
  ViStatus (*fetchF64)(ViSession, ViConstString, ViInt64, ViInt64, ViReal64, ViReal64 *, WaveformInfo *);
};

// The entries of the module the library loaded; exits when it is not the
// no-op module.
const DirectEntries &Direct();

// The session the single-session figures use, opened first.
ViSession MainSession();

} // namespace zubench
