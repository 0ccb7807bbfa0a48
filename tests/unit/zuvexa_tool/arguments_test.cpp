// Command lines of the zuvexa subcommands, and reading the tracing library's
// records and showing them.
#include <gtest/gtest.h>

#include "Arguments.h"
#include "FetchSettings.h"
#include "Json.h"
#include "TraceLog.h"

using namespace zuvexacli;

namespace {

const std::vector<OptionInfo> kSpecs = {{"--rate", "HZ", "rate"}, {"--raw", "", "raw"}};

} // namespace

TEST(ZuvexaArguments, ValuesFlagsPositionalsAndMistakes) {
  ParsedArguments parsed = ParseArguments({"--rate=5", "--raw", "-1074134944", "-", "x"}, kSpecs);
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.Value("--rate", ""), "5");
  EXPECT_TRUE(parsed.Has("--raw"));
  EXPECT_EQ(parsed.positional, (std::vector<std::string>{"-1074134944", "-", "x"}))
      << "negative numbers are words";

  struct Case {
    std::vector<std::string> words;
    const char *error;
  } mistakes[] = {
      {{"--raw=1"}, "--raw takes no value"},
      {{"--colour"}, "unknown option \"--colour\""},
  };
  for (const Case &c : mistakes) EXPECT_EQ(ParseArguments(c.words, kSpecs).error, c.error);
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
      {"0xBFFA0060", int32_t(0xBFFA0060)},
      {"-1074134944", int32_t(0xBFFA0060)},
      {"3220832352", int32_t(0xBFFA0060)},
      {"0x3FFA0068", 0x3FFA0068},
      {"0", 0},
      {"12abc", std::nullopt},
      {"", std::nullopt},
      {"0xFFFFFFFF", -1},
      {"4294967295", -1},
      {"-2147483648", INT32_MIN},
      {"0x100000000", std::nullopt},
      {"4294967296", std::nullopt},
      {"-2147483649", std::nullopt},
      {"-0x80000000", INT32_MIN},
      {"0x", std::nullopt},
  };
  for (const Case &c : cases) EXPECT_EQ(ParseStatusCode(c.text), c.code) << c.text;
}

TEST(ZuvexaFetchSettings, ReadsEveryOptionAndRefusesBadValues) {
  FetchSettings settings; // the rest of the options are read in the end-to-end fetch runs
  ASSERT_EQ(ReadFetchSettings(
                ParseArguments({"--samples", "4k", "--output", "x.I16", "--no-progress"}, FetchOptions()),
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

TEST(ZuvexaJson, ParsesNestedValuesAndRefusesBrokenText) {
  const auto value = ParseJson(R"( {"a": [1, -2.5e3, "x\"\u00e9\n"], "b": {"c": null, "d": true}} )");
  ASSERT_TRUE(value);
  ASSERT_NE(value->Find("a"), nullptr);
  EXPECT_EQ(value->Find("a")->items.at(1).text, "-2.5e3");
  EXPECT_EQ(value->Find("a")->items.at(2).text, "x\"\xc3\xa9\n");
  EXPECT_EQ(value->Find("b")->Compact(), R"({"c":null,"d":true})");
  EXPECT_EQ(value->Find("missing"), nullptr);
  for (const char *broken : {"", "{", "{\"a\" 1}", "[1,]", "\"open", "{} extra", "[[[[", "tru"})
    EXPECT_FALSE(ParseJson(broken)) << broken;
  EXPECT_FALSE(ParseJson(std::string(200, '[') + std::string(200, ']'))) << "nesting is bounded";
}

TEST(ZuvexaTraceLog, ShowsACallWithItsParametersStatusAndOutputs) {
  const std::string record =
      R"({"function":"zuVEXA_FetchIQSingleRecordComplexF64","id":57,)"
      R"("params":[{"name":"dummyerror","type":14,"value":0},{"name":"dummysessn","type":45,"value":"PXI1Slot2"},)"
      R"({"name":"vi","type":35,"value":65537},{"name":"channelList","type":45,"value":""},)"
      R"({"name":"numberOfSamples","type":97,"value":1000}],)"
      R"("returns":[{"name":"dummyerror","type":45,"value":""},{"name":"dummyintch","type":45,"value":""},)"
      R"({"name":"data","type":20,"value":[0.5,0,0.49,0.03,0.48],"count":2000},)"
      R"({"name":"*actualSamples","type":97,"value":1000},{"name":null,"type":23,"value":0}]})";
  EXPECT_EQ(RenderTraceRecord(record),
            "zuVEXA_FetchIQSingleRecordComplexF64(session=\"PXI1Slot2\", vi=65537, channelList=\"\", "
            "numberOfSamples=1000)\n"
            "  -> 0\n"
            "      data = [0.5, 0, 0.49, 0.03, …] (2000 values)\n"
            "      *actualSamples = 1000\n");
}

TEST(ZuvexaTraceLog, AFailedCallShowsItsStatusInHexAndTheErrorText) {
  const std::string record =
      R"({"function":"zuVEXA_ConfigureIQRate","params":[{"name":"vi","type":35,"value":1},)"
      R"({"name":"dummyattr","type":45,"value":"IQ Rate"}],)"
      R"("returns":[{"name":"dummyerror","type":45,"value":"Invalid value."},)"
      R"({"type":23,"value":-1074135025,"success":0}]})";
  EXPECT_EQ(RenderTraceRecord(record), "zuVEXA_ConfigureIQRate(vi=1, attribute=\"IQ Rate\")\n"
                                       "  -> 0xBFFA000F (error)\n"
                                       "      error: Invalid value.\n");
  EXPECT_EQ(FormatStatus(0x3FFA0068), "0x3FFA0068 (warning)");
  EXPECT_EQ(RenderTraceRecord("not json"), "not json\n") << "anything else is shown as written";
  EXPECT_EQ(RenderTraceRecord(R"({"function":"f","extra":{"k":1}})"), "f()\n      extra: {\"k\":1}\n");
}
