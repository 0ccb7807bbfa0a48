#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "TemporaryDirectory.h"
#include "status/jsonz.h"

namespace {

// Kinds, ends, error codes and positions, lookups, number and string reads and decoding are checked against a
// reference reader over the seeds of tests/fuzz/corpus/json_parse and json_decode (fuzz_replay_tests).
TEST(JsonParse, NoTextAtAllAndFloatsWhateverTheLocalesDecimalPoint) {
  jsonz::Value value;
  EXPECT_EQ(jsonz::ParseValue(nullptr, &value), nullptr);
  EXPECT_EQ(value.length, static_cast<size_t>(jsonz::kNoText));
  // In a decimal-comma LC_NUMERIC: an installed locale, or one compiled into a temporary folder.
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  bool set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  testsupport::TemporaryDirectory directory;
  const std::string localedef = "/usr/bin/localedef -i de_DE -f UTF-8 " + directory.File("de_DE.UTF-8");
  if (!set && access("/usr/bin/localedef", X_OK) == 0 &&
      std::system((localedef + " >/dev/null 2>&1").c_str()) == 0) {
    setenv("LOCPATH", directory.Path().c_str(), 1);
    set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    unsetenv("LOCPATH");
  }
  if (!set) GTEST_SKIP() << "no decimal-comma locale available";
  char formatted[8];
  std::snprintf(formatted, sizeof formatted, "%.1f", 1.5);
  EXPECT_STREQ(formatted, "1,5");
  EXPECT_EQ(jsonz::GetInt("1.5e2", 7, nullptr), 150);
  EXPECT_EQ(jsonz::GetInt("-2.75E1", 7, nullptr), -27);
  EXPECT_EQ(jsonz::GetInt("1.9", 7, nullptr), 1);
  std::setlocale(LC_NUMERIC, previous.c_str());
}

} // namespace
