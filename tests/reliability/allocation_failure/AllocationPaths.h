// A path of the library under allocation-failure injection: the test runs it
// once for every allocation it reaches, failing that one allocation, and
// checks after each run that the result is one the path may give and that
// nothing was lost, leaked or left half-done.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "zuVEXA.h"

namespace allocfail {

inline constexpr ViStatus kOutOfMemory = ZUVEXA_ERROR_OUT_OF_MEMORY;
inline constexpr ViStatus kSystemApiFailure = ZUVEXA_ERROR_CANNOT_RECOVER;
inline constexpr ViStatus kObserverAllocation = static_cast<ViStatus>(0xBFFA0021);
// What the stand-ins report when their memory runs out: the engine and the
// backend modules out of memory, the system configuration's failure as the
// library reports it.
inline constexpr ViStatus kPlatformFailures[] = {kOutOfMemory, kSystemApiFailure};

struct AllocationPath {
  std::string name;
  // Runs before each attempt, without injection.
  std::function<void()> prepare;
  // The attempt; its allocations are counted and one fails.
  std::function<ViStatus()> run;
  // The failures the attempt may end with when one of the library's own
  // allocations fails (an attempt may also recover and succeed). When a
  // platform component's allocation fails, that component's failure may come
  // back as well (kPlatformFailures).
  std::vector<ViStatus> failures;
  // After each attempt, without injection: the state is whole, and the path
  // works again. Reports through gtest.
  std::function<void(ViStatus status)> check;
};

// The paths of each area.
std::vector<AllocationPath> OpenPaths();
std::vector<AllocationPath> DeviceLookupPaths();
std::vector<AllocationPath> RegistryPaths();
std::vector<AllocationPath> JsonTextPaths();
std::vector<AllocationPath> TranslationPaths();

} // namespace allocfail
