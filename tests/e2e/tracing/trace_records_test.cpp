// Trace records of each form of exported function, field by field, as the
// stand-in call tracer received them through libzuvexa.so.
#include <cstring>

#include "TraceSupport.h"

namespace tracing {
namespace {

constexpr ViAttr kReferenceLevel = 1150004;
constexpr ViAttr kNotInTheTable = 1159999;

TEST_F(TraceTest, ForwardedFunctionRecordsItsParametersAndStatus) {
  ASSERT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.5e9), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 1);
  ExpectRecord(0, "zuVEXA_ConfigureIQCarrierFrequency", 30, 1);
  ExpectFields(0, kParams,
               SessionPlaceholders() + std::vector<Field>{Text("channelList", ""),
                                                          {"carrierFrequency", 19, 8, 8, "2500000000"}});
  ExpectFields(0, kReturns, CleanReturns() + std::vector<Field>{Status(0)});
}

TEST_F(TraceTest, ScalarAttributeFunctionsNameTheAttributeAfterVi) {
  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kReferenceLevel, -10.0), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViInt32(vi, nullptr, kNotInTheTable, 7), 0);
  ViInt32 value = 0;
  ASSERT_EQ(zuVEXA_GetAttributeViInt32(vi, nullptr, kNotInTheTable, &value), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 3);

  ExpectRecord(0, "zuVEXA_SetAttributeViReal64", 112, 1);
  ExpectFields(0, kParams,
               SessionPlaceholders() + std::vector<Field>{Text("dummyattr", "Reference Level"),
                                                          Text("channelName", ""),
                                                          {"attributeId", 29, 4, 4, "1150004"},
                                                          {"value", 19, 8, 8, "-10"}});
  ExpectFields(0, kReturns, CleanReturns() + std::vector<Field>{Status(0)});
  // A null channel name is traced as a pointer; the output as its address,
  // then on return as its value.
  ExpectRecord(2, "zuVEXA_GetAttributeViInt32", 116, 1);
  ExpectFields(2, kParams,
               SessionPlaceholders() + std::vector<Field>{Text("dummyattr", "Not Available"),
                                                          {"channelName", 14, kPointer, kPointer, "null"},
                                                          {"attributeId", 29, 4, 4, "1159999"},
                                                          {"value", 4, kPointer, kPointer, std::nullopt}});
  ExpectFields(2, kReturns, CleanReturns() + std::vector<Field>{{"*value", 3, 4, 4, "7"}, Status(0)});
}

TEST_F(TraceTest, ArrayAttributeFunctionsNameTheAttributeAfterTheChannel) {
  const ViReal64 written[3] = {1.5, 2.5, 3.5};
  ASSERT_EQ(zuVEXA_SetAttributeViReal64Array(vi, "", kReferenceLevel, 3, written), 0);
  ViReal64 read[4] = {};
  ASSERT_EQ(zuVEXA_GetAttributeViReal64Array(vi, "", kReferenceLevel, 4, read), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 2);

  const std::vector<Field> head = SessionPlaceholders() + std::vector<Field>{Text("channelName", ""),
                                                                            Text("dummyattr", "Reference Level"),
                                                                            {"attributeId", 29, 4, 4, "1150004"}};
  ExpectRecord(0, "zuVEXA_SetAttributeViReal64Array", 143, 1);
  ExpectFields(0, kParams,
               head + std::vector<Field>{{"valueLengthInElements", 3, 4, 4, "3"},
                                         {"value", 20, 8, 24, R"({"count":3,"first":[1.5,2.5,3.5]})"}});
  ExpectRecord(1, "zuVEXA_GetAttributeViReal64Array", 142, 1);
  ExpectFields(1, kParams,
               head + std::vector<Field>{{"valueLengthInElements", 3, 4, 4, "4"},
                                         {"value", 20, kPointer, kPointer, std::nullopt}});
  // The whole capacity of the caller's array is traced.
  ExpectFields(1, kReturns,
               CleanReturns() + std::vector<Field>{{"value", 20, 8, 32, R"({"count":4,"first":[1.5,2.5,3.5,0]})"},
                                                   Status(0)});
}

TEST_F(TraceTest, FetchTracesTheWaveformInfoThenTheSamplesItReports) {
  ASSERT_EQ(zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, 4), 0);
  ASSERT_EQ(zuVEXA_Initiate(vi), 0);
  ZuPeekControl_Clear();
  ViReal64 data[16] = {};
  WaveformInfo info{};
  ASSERT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, 8, 5.0, data, &info), 0);
  ASSERT_EQ(info.actualSamples, 4);

  ExpectRecord(0, "zuVEXA_FetchIQSingleRecordComplexF64", 99, 1);
  ExpectFields(0, kParams,
               SessionPlaceholders() + std::vector<Field>{Text("channelList", ""),
                                                          {"recordNumber", 97, 8, 8, "0"},
                                                          {"numberOfSamples", 97, 8, 8, "8"},
                                                          {"timeout", 19, 8, 8, "5"},
                                                          {"data", 20, kPointer, kPointer, std::nullopt},
                                                          {"wfmInfo", 20, kPointer, kPointer, std::nullopt}});
  ExpectFields(0, kReturns,
               CleanReturns() + std::vector<Field>{{"*absoluteInitialX", 19, 8, 8, std::nullopt},
                                                   {"*relativeInitialX", 19, 8, 8, std::nullopt},
                                                   {"*xIncrement", 19, 8, 8, std::nullopt},
                                                   {"*actualSamples", 97, 8, 8, "4"},
                                                   {"*offset", 19, 8, 8, std::nullopt},
                                                   {"*gain", 19, 8, 8, std::nullopt},
                                                   {"data", 20, 8, 64, std::nullopt},
                                                   Status(0)});
}

TEST_F(TraceTest, FailedFetchTracesNoSamples) {
  ViReal64 data[4];
  WaveformInfo info;
  std::memset(&info, 0x7F, sizeof info); // never written: the session is unknown
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(kNeverOpened, "", 0, 2, 1.0, data, &info), kUnknownSession);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 1);
  ExpectRecord(0, "zuVEXA_FetchIQSingleRecordComplexF64", 99, 0);
  ZuPeekValue samples{}, status{};
  const int returns = ZuPeekControl_ValueCount(0, kReturns);
  ASSERT_EQ(returns, 10); // error text, warnings, six WaveformInfo fields, data, status
  ZuPeekControl_Value(0, kReturns, returns - 2, &samples);
  ZuPeekControl_Value(0, kReturns, returns - 1, &status);
  EXPECT_STREQ(samples.name, "data");
  EXPECT_EQ(samples.totalSize, 0);
  EXPECT_EQ(status.value, std::to_string(kUnknownSession));
}

TEST_F(TraceTest, OpenTracesPlaceholdersAndReturnsTheNewSession) {
  ViSession second = 0;
  ASSERT_EQ(zuVEXA_InitWithOptions("PXI1Slot2", VI_TRUE, VI_FALSE, kOptions, &second), 0);
  ExpectRecord(0, "zuVEXA_InitWithOptions", 1, 1);
  ExpectFields(0, kParams,
               {Placeholder("dummyerror"), Placeholder("dummysessn"), Text("resourceName", "PXI1Slot2"),
                {"IDQuery", 21, 2, 2, "1"}, {"reset", 21, 2, 2, "0"}, Text("optionString", kOptions),
                {"newVi", 36, kPointer, kPointer, std::nullopt}});
  ExpectFields(0, kReturns,
               {Text("dummyerror", ""), Text("dummysessn", "PXI1Slot2"),
                {"*newVi", 35, 4, 4, std::to_string(second)}, Status(0)});
}

TEST_F(TraceTest, FailedOpenTracesItsErrorTextAndNoSession) {
  ViSession none = 0;
  const ViStatus status = zuVEXA_InitWithOptions("PXI1Slot2", VI_FALSE, VI_FALSE, "Simulate=yes", &none);
  ASSERT_LT(status, 0);
  ExpectRecord(0, "zuVEXA_InitWithOptions", 1, 0);
  ExpectFields(0, kParams,
               {Placeholder("dummyerror"), Placeholder("dummysessn"), Text("resourceName", "PXI1Slot2"),
                {"IDQuery", 21, 2, 2, "0"}, {"reset", 21, 2, 2, "0"}, Text("optionString", "Simulate=yes"),
                {"newVi", 36, kPointer, kPointer, std::nullopt}});
  ZuPeekValue error{};
  ZuPeekControl_Value(0, kReturns, 0, &error);
  EXPECT_NE(std::string(error.value).find("yes"), std::string::npos) << "the elaboration of the bad value";
  ExpectFields(0, kReturns,
               {{"dummyerror", 45, 1, error.totalSize, std::nullopt}, Text("dummysessn", "PXI1Slot2"),
                {"*newVi", 35, 4, 4, "0"}, Status(status)});
}

TEST_F(TraceTest, CloseTracesNoInterchangeWarnings) {
  const std::string descriptor = Descriptor(vi);
  ASSERT_EQ(zuVEXA_CloseExtCal(vi, 1500), 0);
  ExpectRecord(0, "zuVEXA_CloseExtCal", 8, 1);
  ExpectFields(0, kParams,
               {Placeholder("dummyerror"), Text("dummysessn", descriptor), {"vi", 35, 4, 4, std::to_string(vi)},
                {"action", 3, 4, 4, "1500"}});
  ExpectFields(0, kReturns, {Text("dummyerror", ""), Status(0)});
}

TEST_F(TraceTest, ErrorFunctionsTraceTheirTextOnlyWhereWritten) {
  ASSERT_LT(zuVEXA_GetDeembeddingTableNumberOfPorts(vi, nullptr), 0); // an error with an elaboration
  ViStatus code = 0;
  char description[256];
  const ViStatus needed = zuVEXA_GetError(vi, &code, 0, description); // size query: nothing written
  ASSERT_GT(needed, 1);
  ASSERT_EQ(zuVEXA_GetError(vi, &code, sizeof description, description), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 3);
  EXPECT_EQ(ZuPeekControl_RecordSuccess(0), 0);

  const auto params = [&](ViInt32 size) {
    return SessionPlaceholders() + std::vector<Field>{{"errorCodePtr", 4, kPointer, kPointer, std::nullopt},
                                                      {"errorDescriptionBufferSize", 3, 4, 4, std::to_string(size)},
                                                      Placeholder("errorDescription")};
  };
  const Field errorCode{"*errorCodePtr", 3, 4, 4, std::to_string(code)};
  ExpectRecord(1, "zuVEXA_GetError", 11, 1);
  ExpectFields(1, kParams, params(0));
  ExpectFields(1, kReturns, CleanReturns() + std::vector<Field>{errorCode, Status(needed)});
  ExpectRecord(2, "zuVEXA_GetError", 11, 1);
  ExpectFields(2, kParams, params(sizeof description));
  ExpectFields(2, kReturns,
               CleanReturns() + std::vector<Field>{errorCode, Text("errorDescription", description), Status(0)});
}

TEST_F(TraceTest, FailedErrorQueryTracesItsMessageAsAPointer) {
  char message[256];
  ASSERT_LT(zuVEXA_error_query(vi, nullptr, message), 0);
  ExpectRecord(0, "zuVEXA_error_query", 22, 0);
  const int returns = ZuPeekControl_ValueCount(0, kReturns);
  ASSERT_EQ(returns, 4); // error text, warnings, the message, the status
  ZuPeekValue text{};
  ZuPeekControl_Value(0, kReturns, 2, &text);
  EXPECT_STREQ(text.name, "errorMessage");
  EXPECT_EQ(text.typeCode, 14);
}

TEST_F(TraceTest, ShortcutTracesItselfAndItsInnerCall) {
  ASSERT_EQ(zuVEXA_DisableStartTrigger(vi), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 2);
  EXPECT_EQ(RecordFunction(0), "zuVEXA_SetAttributeViInt32"); // the inner call finishes first
  ExpectRecord(1, "zuVEXA_DisableStartTrigger", 40, 1);
  ExpectFields(1, kParams, SessionPlaceholders());
}

TEST_F(TraceTest, UntracedFunctionsAndTracingOffLeaveNoRecord) {
  ViInt32 value = 0;
  zuVEXA_GetDesiredAttributeViInt32(vi, "", kReferenceLevel, &value);
  ZuPeekControl_SetEnabled(0);
  zuVEXA_Commit(vi);
  EXPECT_EQ(ZuPeekControl_RecordCount(), 0);
  ZuPeekControl_SetEnabled(1);
  zuVEXA_Commit(vi);
  EXPECT_EQ(ZuPeekControl_RecordCount(), 1) << "switched on again without a new load";
}

} // namespace
} // namespace tracing
