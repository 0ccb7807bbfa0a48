// For the benchmarks of the simulated analyzer (built with ZUBENCH_BUILD_LIB
// and ZUBENCH_SYSAPI_CONFIG): restarts the program once with the build's
// stand-in modules on the loader's path and the demo system configuration.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace zubench {

inline void EnterSimulatedEnvironment(char **argv) {
  if (std::getenv("ZUBENCH_ENVIRONMENT") != nullptr) return;
  const std::string lib = ZUBENCH_BUILD_LIB;
  setenv("LD_LIBRARY_PATH", (lib + "/modules:" + lib + "/sysapi:" + lib).c_str(), 1);
  setenv("ZUVEXA_SYSAPI_CONFIG", ZUBENCH_SYSAPI_CONFIG, 1);
  setenv("ZUBENCH_ENVIRONMENT", "1", 1);
  execv("/proc/self/exe", argv);
}

} // namespace zubench
