// A path run once per allocation it reaches, with that allocation failing.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "zuVEXA.h"

namespace allocfail {

inline constexpr ViStatus kOutOfMemory = ZUVEXA_ERROR_OUT_OF_MEMORY;
// What the stand-ins' own allocation failures come back as (the system API's as a failed call).
inline constexpr ViStatus kPlatformFailures[] = {kOutOfMemory, ZUVEXA_ERROR_CANNOT_RECOVER};

struct AllocationPath {
  std::string name;
  // Runs before each attempt, without injection.
  std::function<void()> prepare;
  // The attempt; its allocations are counted and one fails.
  std::function<ViStatus()> run;
  // Its results when one of the library's allocations fails, besides success.
  std::vector<ViStatus> failures;
  // After each attempt, without injection: the state is whole, the path works.
  std::function<void(ViStatus status)> check;
};

std::vector<AllocationPath> OpenPaths();
std::vector<AllocationPath> InternalPaths();
std::vector<AllocationPath> TranslationPaths();

} // namespace allocfail
