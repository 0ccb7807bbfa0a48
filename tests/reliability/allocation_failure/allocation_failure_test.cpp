// Every allocation a path reaches fails once, in turn: each run ends with an
// accepted result, leaves the state whole and (under LeakSanitizer) leaks nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "AllocationInjector.h"
#include "AllocationPaths.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace allocfail {
namespace {

constexpr uint64_t kMaxAllocations = 20000; // a path longer than this is itself a fault

std::vector<AllocationPath> AllPaths() {
  std::vector<AllocationPath> paths;
  for (auto area : {&OpenPaths, &InternalPaths, &TranslationPaths})
    for (AllocationPath &path : area()) paths.push_back(std::move(path));
  return paths;
}

bool IsAccepted(const AllocationPath &path, ViStatus status, bool byPlatform) {
  auto in = [status](const auto &list) {
    return std::find(std::begin(list), std::end(list), status) != std::end(list);
  };
  return status == VI_SUCCESS || in(path.failures) || (byPlatform && in(kPlatformFailures));
}

} // namespace

void PrintTo(const AllocationPath &path, std::ostream *out) { *out << path.name; }

namespace {

class AllocationFailure : public testing::TestWithParam<AllocationPath> {};

TEST_P(AllocationFailure, EveryAllocationOfThePathFailsOnce) {
  const AllocationPath &path = GetParam();
  uint64_t n = 1;
  for (; n <= kMaxAllocations; ++n) {
    SCOPED_TRACE("allocation " + std::to_string(n) + " failing");
    path.prepare();
    ASSERT_FALSE(HasFailure()) << "preparation";
    FailNth(n);
    const ViStatus status = path.run();
    const Outcome outcome = Disarm();
    if (outcome.injected) {
      EXPECT_TRUE(IsAccepted(path, status, outcome.byPlatform))
          << std::hex << "status 0x" << status << (outcome.byPlatform ? " (a stand-in's allocation)" : "");
    } else {
      EXPECT_EQ(status, VI_SUCCESS) << std::hex << "status 0x" << status << " without a failing allocation";
    }
    path.check(status);
    if (HasFailure() || !outcome.injected) break;
  }
  EXPECT_GT(n, 1u) << "the path allocates";
  EXPECT_LE(n, kMaxAllocations);
  if (!HasFailure()) std::cout << path.name << ": " << n - 1 << " allocations, each failed once\n";
#if defined(__SANITIZE_ADDRESS__)
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "leaks reported above";
#endif
}

INSTANTIATE_TEST_SUITE_P(Paths, AllocationFailure, testing::ValuesIn(AllPaths()),
                         [](const testing::TestParamInfo<AllocationPath> &info) { return info.param.name; });

} // namespace
} // namespace allocfail
