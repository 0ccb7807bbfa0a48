// Every status that the library, the stand-ins of its platform and its
// clients return is described in every shipped language, as
// zuVEXA_GetErrorMessage gives it. The statuses are read from the tables
// that define them, so a new one without descriptions fails here.
#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "zuVEXA.h"

namespace {

const std::string kSource = ZU_SOURCE_DIR;

// A table of statuses: the file, a line pattern with the name and the value
// (groups 1 and 2, or 2 and 1), and the fewest statuses the file holds.
// The system configuration stand-in is absent: the library reports its
// failures as 0xBFFA0000 with the number in the elaboration.
struct StatusTable {
  const char *file;
  const char *pattern;
  std::size_t fewest;
  bool valueFirst = false;
};

constexpr const char *kDefine = R"(#define (\w+) +\(\(ViStatus\)(-?\w+)\))";
const StatusTable kTables[] = {
    {"include/zuVEXA.h", kDefine, 15},
    {"src/status/StatusCodes.h", kDefine, 10},
    {"src/zuapal/zuapalerr.h", R"(int32_t (zuapalerr_\w+) = (-\d+);)", 9},
    {"standins/ivi/ivi_standin.h", kDefine, 10},
    {"standins/modules/backend_standin.h", kDefine, 6},
    {"soapy/RxStream.h", R"(ViStatus (k\w+) = static_cast<ViStatus>\((0x\w+)\))", 1},
    {"python/zuvexa/_errors.py", R"(^ +(-?\d+): (\w+Error),)", 4, true},
};

// Name (for the failure message) by status. A name ending in _BASE starts a
// range and is no status itself.
std::map<ViStatus, std::string> TabledStatuses() {
  std::map<ViStatus, std::string> statuses;
  for (const StatusTable &table : kTables) {
    std::ifstream file(kSource + "/" + table.file);
    const std::regex pattern(table.pattern);
    std::size_t found = 0;
    std::smatch match;
    for (std::string line; std::getline(file, line);) {
      if (!std::regex_search(line, match, pattern)) continue;
      const std::string name = match[table.valueFirst ? 2 : 1], value = match[table.valueFirst ? 1 : 2];
      if (name.ends_with("_BASE")) continue;
      statuses.emplace(static_cast<ViStatus>(std::stoll(value, nullptr, 0)), table.file + (": " + name));
      ++found;
    }
    EXPECT_GE(found, table.fewest) << table.file;
  }
  // The engine's secondary statuses naming a parameter's position, as many
  // as it has.
  using PositionError = ViStatus (*)(ViInt32);
  const auto position = reinterpret_cast<PositionError>(dlsym(RTLD_DEFAULT, "Ivi_ParamPositionError"));
  EXPECT_NE(position, nullptr);
  for (ViInt32 n = 1; position != nullptr && position(n) != ZUVEXA_ERROR_INVALID_PARAMETER && n < 100; ++n)
    statuses.emplace(position(n), "Ivi_ParamPositionError(" + std::to_string(n) + ")");
  return statuses;
}

// The library's two-letter name of each language folder of the shipped
// files.
std::set<std::string> ShippedLanguages() {
  const std::map<std::string, std::string> names = {{"English", "en"},  {"French", "fr"}, {"German", "de"},
                                                    {"Japanese", "jp"}, {"Korean", "ko"}, {"ChineseS", "ch"}};
  std::set<std::string> languages;
  for (const char *folder : {"/data/errors", "/data/mierrors/zuVEXA"})
    for (const auto &entry : std::filesystem::directory_iterator(kSource + folder)) {
      const auto name = names.find(entry.path().filename());
      EXPECT_NE(name, names.end()) << entry.path();
      if (name != names.end()) languages.insert(name->second);
    }
  return languages;
}

// A simulated session whose descriptions are in `language`, on the demo
// system configuration.
ViSession SessionIn(const std::string &language) {
  setenv("ZUVEXA_SYSAPI_CONFIG", (kSource + "/tools/demo/sysapi.conf").c_str(), 1);
  ViSession vi = VI_NULL;
  const std::string options = "Simulate=1,DriverSetup=Language:" + language;
  EXPECT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, options.c_str(), &vi), VI_SUCCESS) << language;
  return vi;
}

std::string Describe(ViSession vi, ViStatus code) {
  char text[1024] = {};
  EXPECT_EQ(zuVEXA_GetErrorMessage(vi, code, sizeof text, text), VI_SUCCESS) << code;
  return text;
}

} // namespace

// A language without a description of a status falls back to English, and
// English to the text of an unknown status.
TEST(StatusDescriptions, EveryReturnedStatusHasItsOwnInEveryShippedLanguage) {
  const std::map<ViStatus, std::string> statuses = TabledStatuses();
  const std::set<std::string> languages = ShippedLanguages();
  ASSERT_EQ(languages.size(), 4u);
  const ViSession english = SessionIn("en");
  const std::string unknown = Describe(english, static_cast<ViStatus>(0x3FFAFFFF));
  std::map<ViStatus, std::string> inEnglish;
  for (const auto &[code, name] : statuses) {
    inEnglish[code] = Describe(english, code);
    EXPECT_NE(inEnglish[code], unknown) << name << " in English";
  }
  zuVEXA_close(english);
  for (const std::string &language : languages) {
    if (language == "en") continue;
    const ViSession vi = SessionIn(language);
    for (const auto &[code, name] : statuses)
      EXPECT_NE(Describe(vi, code), inEnglish[code]) << name << " in " << language;
    zuVEXA_close(vi);
  }
}
