// Options of zuvexa fetch and zuvexa-iq, and reading the tracing library's
// records and showing them.
#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include "FetchSettings.h"
#include "TraceLog.h"

using namespace zuvexacli;

namespace {

// The fetch options of a command line, or the error that refuses it.
std::string ReadFetch(std::vector<std::string> words, FetchSettings &settings) {
  CLI::App app;
  FetchText text;
  AddFetchOptions(app, text);
  std::reverse(words.begin(), words.end());
  app.parse(words);
  return ReadFetchSettings(text, settings);
}

} // namespace

TEST(ZuvexaFetchSettings, ReadsEveryOptionAndRefusesBadValues) {
  FetchSettings settings;
  ASSERT_EQ(ReadFetch({"--samples", "4k", "--output", "x.I16", "--no-progress", "--carrier", "0"}, settings),
            "");
  EXPECT_EQ(settings.acquisition.numberOfSamples, 4000);
  EXPECT_EQ(settings.format, SampleFormat::I16) << "from the extension, in any case";
  EXPECT_FALSE(settings.progress);
  EXPECT_EQ(settings.acquisition.optionString, zuvexaiq::kSimulationOptions) << "the default resource";
  ASSERT_EQ(ReadFetch({"--carrier", "100G", "--rate", "10G", "--samples", "67108864"}, settings), "")
      << "the limits themselves";
  ASSERT_EQ(ReadFetch({"--resource", "Bench", "--plot", "a.SVG"}, settings), "");
  EXPECT_EQ(settings.acquisition.optionString, "") << "a named resource is opened as named";

  const std::pair<std::vector<std::string>, const char *> mistakes[] = {
      {{"--samples", "1.5"}, "--samples must be a whole number from 1 to 67108864"},
      {{"--rate", "fast"}, "--rate must be a number above 0 S/s to 10 GS/s"},
      {{"--rate", "0"}, "--rate must be a number above 0"},
      {{"--carrier", "-5G"}, "--carrier must be a number from 0 Hz to 100 GHz"},
      {{"--carrier", "1e30"}, "--carrier must be"},
      {{"--carrier", "100.001G"}, "--carrier must be"},
      {{"--rate", "10.001G"}, "--rate must be"},
      {{"--samples", "67108865"}, "--samples must be"},
      {{"--records", "0"}, "--records must be a whole number"},
      {{"--plot", "-"}, "--plot draws SVG only"},
      {{"--plot", "x.png"}, "--plot draws SVG only"},
      {{"--json", "--output", "-"}, "--json and --output - both want standard output"},
      {{"--format", "wav", "--output", "x"}, "--format must be csv, f64 or i16"},
      {{"--format", "f64"}, "--format needs --output"}};
  for (const auto &[words, error] : mistakes) {
    FetchSettings ignored;
    EXPECT_EQ(ReadFetch(words, ignored).rfind(error, 0), 0u) << words.front() << " " << words.back();
  }
}

TEST(ZuvexaTraceLog, ShowsACallWithReadableNamesStatusAndOutputs) {
  const std::string record =
      R"({"function":"zuVEXA_FetchIQSingleRecordComplexF64","id":57,)"
      R"("params":[{"name":"dummyerror","type":14,"value":0},{"name":"dummysessn","type":45,"value":"PXI1Slot2"},)"
      R"({"name":"vi","type":35,"value":65537},{"name":"timeout","type":64,"value":9.9999999999999995e-07}],)"
      R"("returns":[{"name":"dummyerror","type":45,"value":""},{"name":"dummyintch","type":45,"value":"late\n\n"},)"
      R"({"name":"data","type":20,"value":{"count":2000,"first":[0.5,0,0.49,0.03,0.48]}},)"
      R"({"name":"*actualSamples","type":97,"value":1000},{"name":null,"type":23,"value":0}],"success":1})";
  EXPECT_EQ(RenderTraceRecord(record),
            "zuVEXA_FetchIQSingleRecordComplexF64(session=\"PXI1Slot2\", vi=65537, timeout=1e-06)\n"
            "  -> 0\n"
            "      interchange: late\n"
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
  for (const char *other : {"not json", "{\"a\":1}", "[1,"})
    EXPECT_EQ(RenderTraceRecord(other), std::string(other) + "\n") << "anything else is shown as written";
  EXPECT_EQ(RenderTraceRecord(R"({"function":"f","extra":{"k":1}})"), "f()\n      extra: {\"k\":1}\n");
}
