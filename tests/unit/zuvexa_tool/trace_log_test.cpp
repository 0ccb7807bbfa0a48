// Reading the tracing library's records and showing them.
#include <gtest/gtest.h>

#include "Json.h"
#include "TraceLog.h"

using namespace zuvexacli;

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
