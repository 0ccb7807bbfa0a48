// Runs every fuzz target over each file of its seed corpus
// (tests/fuzz/corpus/<target>/), one case per target.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzSupport.h"

// The entry points of each target, renamed per source; a target without an
// initialisation leaves its weak reference null.
#define FUZZ_REPLAY_TARGET(name)                                                                             \
  extern "C" int FuzzReplayRun_##name(const uint8_t *data, size_t size);                                     \
  extern "C" __attribute__((weak)) int FuzzReplayInit_##name(int *argc, char ***argv);
#include "FuzzReplayTargets.inc"
#undef FUZZ_REPLAY_TARGET

namespace fuzzsupport {

struct CheckFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
void CheckFailed(const char *condition, const char *file, int line) {
  throw CheckFailure(std::string(condition) + " (" + file + ":" + std::to_string(line) + ")");
}

} // namespace fuzzsupport

namespace {

struct Target {
  const char *name;
  int (*run)(const uint8_t *, size_t);
  int (*initialize)(int *, char ***);
};

const Target kTargets[] = {
#define FUZZ_REPLAY_TARGET(name) {#name, &FuzzReplayRun_##name, &FuzzReplayInit_##name},
#include "FuzzReplayTargets.inc"
#undef FUZZ_REPLAY_TARGET
};

void PrintTo(const Target &target, std::ostream *out) { *out << target.name; }

class FuzzReplay : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzReplay, EverySeedPassesTheTargetsChecks) {
  const Target &target = GetParam();
  int argc = 0;
  char **argv = nullptr;
  if (target.initialize != nullptr) target.initialize(&argc, &argv);
  std::vector<std::filesystem::path> seeds; // in a fixed order: the targets keep state between inputs
  for (const auto &entry :
       std::filesystem::directory_iterator(std::string(ZU_FUZZ_CORPUS_DIR "/") + target.name))
    seeds.push_back(entry.path());
  std::sort(seeds.begin(), seeds.end());
  ASSERT_FALSE(seeds.empty());
  for (const auto &seed : seeds) {
    SCOPED_TRACE(seed.filename().string());
    std::ostringstream contents;
    contents << std::ifstream(seed, std::ios::binary).rdbuf();
    const std::string input = contents.str();
    try {
      target.run(reinterpret_cast<const uint8_t *>(input.data()), input.size());
    } catch (const fuzzsupport::CheckFailure &failure) {
      ADD_FAILURE() << "fuzz check failed: " << failure.what();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzReplay, ::testing::ValuesIn(kTargets),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
