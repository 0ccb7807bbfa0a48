// Command lines of the zuvexa subcommands.
#include <gtest/gtest.h>

#include "Arguments.h"
#include "FetchSettings.h"

using namespace zuvexacli;

namespace {

const std::vector<OptionInfo> kSpecs = {{"--rate", "HZ", "rate"}, {"--raw", "", "raw"}};

} // namespace

TEST(ZuvexaArguments, ValuesFlagsPositionalsAndMistakes) {
  ParsedArguments parsed = ParseArguments({"--rate=5", "--raw", "-1074134944", "-", "x"}, kSpecs);
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.Value("--rate", ""), "5");
  EXPECT_TRUE(parsed.Has("--raw"));
  EXPECT_EQ(parsed.positional, (std::vector<std::string>{"-1074134944", "-", "x"})) << "negative numbers are words";

  struct Case {
    std::vector<std::string> words;
    const char *error;
  } mistakes[] = {
      {{"--raw=1"}, "--raw takes no value"},
      {{"--colour"}, "unknown option \"--colour\""},
  };
  for (const Case &c : mistakes)
    EXPECT_EQ(ParseArguments(c.words, kSpecs).error, c.error);
}

TEST(ZuvexaArguments, ACommandAndItsOwnOptionsArePositional) {
  const ParsedArguments parsed = ParseArguments({"--raw", "fetch", "--samples", "10", "--raw"}, kSpecs, true);
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.positional, (std::vector<std::string>{"fetch", "--samples", "10", "--raw"}));
  EXPECT_EQ(ParseArguments({"--", "--raw"}, kSpecs).positional, std::vector<std::string>{"--raw"});
}

TEST(ZuvexaArguments, StatusCodesInHexSignedAndUnsignedDecimal) {
  struct Case {
    const char *text;
    std::optional<int32_t> code;
  } cases[] = {
      {"0xBFFA0060", int32_t(0xBFFA0060)}, {"-1074134944", int32_t(0xBFFA0060)}, {"3220832352", int32_t(0xBFFA0060)},
      {"0x3FFA0068", 0x3FFA0068},          {"0", 0},                            {"12abc", std::nullopt},
      {"", std::nullopt},                  {"0xFFFFFFFF", -1},                  {"4294967295", -1},
      {"-2147483648", INT32_MIN},          {"0x100000000", std::nullopt},       {"4294967296", std::nullopt},
      {"-2147483649", std::nullopt},       {"-0x80000000", INT32_MIN},          {"0x", std::nullopt},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ParseStatusCode(c.text), c.code) << c.text;
}

TEST(ZuvexaFetchSettings, ReadsEveryOptionAndRefusesBadValues) {
  FetchSettings settings; // the rest of the options are read in the end-to-end fetch runs
  ASSERT_EQ(ReadFetchSettings(ParseArguments({"--samples", "4k", "--output", "x.I16", "--no-progress"},
                                             FetchOptions()),
                              settings),
            "");
  EXPECT_EQ(settings.acquisition.numberOfSamples, 4000);
  EXPECT_EQ(settings.format, SampleFormat::I16) << "from the extension, in any case";
  EXPECT_FALSE(settings.progress);

  struct Case {
    std::vector<std::string> words;
    const char *error;
  } mistakes[] = {
      {{"--samples", "1.5"}, "--samples must be a whole number"},
      {{"--records", "0"}, "--records must be a whole number"},
      {{"--rate", "fast"}, "--rate must be a number"},
      {{"--format", "wav", "--output", "x"}, "--format must be csv, f64 or i16"},
      {{"--format", "f64"}, "--format needs --output"},
      {{"extra"}, "unexpected argument"},
  };
  for (const Case &c : mistakes) {
    FetchSettings ignored;
    EXPECT_EQ(ReadFetchSettings(ParseArguments(c.words, FetchOptions()), ignored).rfind(c.error, 0), 0u)
        << c.words.front();
  }
  FetchSettings negative;
  EXPECT_EQ(ReadFetchSettings(ParseArguments({"--rate", "-5"}, FetchOptions()), negative), "")
      << "the instrument judges the rate and says why it refuses it";
}
