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

  EXPECT_EQ(ParseArguments({"--raw=1"}, kSpecs).error, "--raw takes no value");
  EXPECT_EQ(ParseArguments({"--colour"}, kSpecs).error, "unknown option \"--colour\"");
}

TEST(ZuvexaArguments, ACommandAndItsOwnOptionsArePositional) {
  const ParsedArguments parsed = ParseArguments({"--raw", "fetch", "--samples", "10", "--raw"}, kSpecs, true);
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.positional, (std::vector<std::string>{"fetch", "--samples", "10", "--raw"}));
  EXPECT_EQ(ParseArguments({"--", "--raw"}, kSpecs).positional, std::vector<std::string>{"--raw"});
}

TEST(ZuvexaArguments, StatusCodesInHexSignedAndUnsignedDecimal) {
  for (const char *text : {"0xBFFA0060", "-1074134944", "3220832352"})
    EXPECT_EQ(ParseStatusCode(text), int32_t(0xBFFA0060)) << text;
  for (const char *text : {"0xFFFFFFFF", "4294967295"}) EXPECT_EQ(ParseStatusCode(text), -1) << text;
  for (const char *text : {"-2147483648", "-0x80000000"}) EXPECT_EQ(ParseStatusCode(text), INT32_MIN) << text;
  EXPECT_EQ(ParseStatusCode("0x3FFA0068"), 0x3FFA0068);
  EXPECT_EQ(ParseStatusCode("0"), 0);
  for (const char *text : {"12abc", "", "0x100000000", "4294967296", "-2147483649", "0x"})
    EXPECT_EQ(ParseStatusCode(text), std::nullopt) << text;
}

TEST(ZuvexaFetchSettings, ReadsEveryOptionAndRefusesBadValues) {
  FetchSettings settings; // the rest of the options (and a negative rate) in the end-to-end fetch runs
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
  } mistakes[] = {{{"--samples", "1.5"}, "--samples must be a whole number"},
                  {{"--rate", "fast"}, "--rate must be a number"},
                  {{"--records", "0"}, "--records must be a whole number"},
                  {{"extra"}, "unexpected argument"},
                  {{"--format", "wav", "--output", "x"}, "--format must be csv, f64 or i16"},
                  {{"--format", "f64"}, "--format needs --output"}};
  for (const Case &c : mistakes) {
    FetchSettings ignored;
    EXPECT_EQ(ReadFetchSettings(ParseArguments(c.words, FetchOptions()), ignored).rfind(c.error, 0), 0u)
        << c.words.front();
  }
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
