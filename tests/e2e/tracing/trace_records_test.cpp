// Trace records of each form of exported function, field by field, as the stand-in tracer received them;
// and a tracer that lacks some symbols, whose missing steps are skipped while every call completes.
#include "TraceSupport.h"

namespace tracing {
namespace {

constexpr ViAttr kReferenceLevel = 1150004;
constexpr ViAttr kNotInTheTable = 1159999;

TEST_F(TraceTest, ForwardedFunctionRecordsItsParametersAndStatus) {
  ASSERT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.5e9), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 1);
  ExpectTrace(0, "zuVEXA_ConfigureIQCarrierFrequency", 30, 1,
              SessionPlaceholders() +
                  Fields{Text("channelList", ""), F("carrierFrequency", 19, 8, 8, "2500000000")},
              CleanReturns() + Fields{Status(0)});
}

TEST_F(TraceTest, ScalarAttributeFunctionsNameTheAttributeAfterVi) {
  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kReferenceLevel, -10.0), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViInt32(vi, nullptr, kNotInTheTable, 7), 0);
  ViInt32 value = 0;
  ASSERT_EQ(zuVEXA_GetAttributeViInt32(vi, nullptr, kNotInTheTable, &value), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 3);
  ExpectTrace(0, "zuVEXA_SetAttributeViReal64", 112, 1,
              SessionPlaceholders() + Fields{Text("dummyattr", "Reference Level"), Text("channelName", ""),
                                             F("attributeId", 29, 4, 4, "1150004"),
                                             F("value", 19, 8, 8, "-10")},
              CleanReturns() + Fields{Status(0)});
  // A null channel name is traced as a pointer; the output as its address, then on return as its value.
  ExpectTrace(2, "zuVEXA_GetAttributeViInt32", 116, 1,
              SessionPlaceholders() + Fields{Text("dummyattr", "Not Available"),
                                             F("channelName", 14, kPointer, kPointer, "null"),
                                             F("attributeId", 29, 4, 4, "1159999"), Pointer("value", 4)},
              CleanReturns() + Fields{F("*value", 3, 4, 4, "7"), Status(0)});
}

TEST_F(TraceTest, ArrayAttributeFunctionsNameTheAttributeAfterTheChannel) {
  const ViReal64 written[3] = {1.5, 2.5, 3.5};
  ASSERT_EQ(zuVEXA_SetAttributeViReal64Array(vi, "", kReferenceLevel, 3, written), 0);
  ViReal64 read[4] = {};
  ASSERT_EQ(zuVEXA_GetAttributeViReal64Array(vi, "", kReferenceLevel, 4, read), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 2);
  const Fields head =
      SessionPlaceholders() + Fields{Text("channelName", ""), Text("dummyattr", "Reference Level"),
                                     F("attributeId", 29, 4, 4, "1150004")};
  ExpectTrace(0, "zuVEXA_SetAttributeViReal64Array", 143, 1,
              head + Fields{F("valueLengthInElements", 3, 4, 4, "3"),
                            F("value", 20, 8, 24, R"({"count":3,"first":[1.5,2.5,3.5]})")},
              CleanReturns() + Fields{Status(0)});
  // The whole capacity of the caller's array is traced.
  ExpectTrace(1, "zuVEXA_GetAttributeViReal64Array", 142, 1,
              head + Fields{F("valueLengthInElements", 3, 4, 4, "4"), Pointer("value", 20)},
              CleanReturns() +
                  Fields{F("value", 20, 8, 32, R"({"count":4,"first":[1.5,2.5,3.5,0]})"), Status(0)});
}

TEST_F(TraceTest, FetchTracesTheWaveformInfoThenTheSamplesItReports) {
  ASSERT_EQ(zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, 4), 0);
  ASSERT_EQ(zuVEXA_Initiate(vi), 0);
  ZuPeekControl_Clear();
  ViReal64 data[16] = {};
  WaveformInfo info{};
  ASSERT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, 8, 5.0, data, &info), 0);
  ASSERT_EQ(info.actualSamples, 4);
  const auto real = [](const char *name) { return F(name, 19, 8, 8); };
  ExpectTrace(0, "zuVEXA_FetchIQSingleRecordComplexF64", 99, 1,
              SessionPlaceholders() + Fields{Text("channelList", ""), F("recordNumber", 97, 8, 8, "0"),
                                             F("numberOfSamples", 97, 8, 8, "8"), F("timeout", 19, 8, 8, "5"),
                                             Pointer("data", 20), Pointer("wfmInfo", 20)},
              CleanReturns() + Fields{real("*absoluteInitialX"), real("*relativeInitialX"),
                                      real("*xIncrement"), F("*actualSamples", 97, 8, 8, "4"),
                                      real("*offset"), real("*gain"), F("data", 20, 8, 64), Status(0)});
}

TEST_F(TraceTest, OpenTracesPlaceholdersAndTheNewSessionOrItsErrorText) {
  ViSession second = 0, none = 0;
  ASSERT_EQ(zuVEXA_InitWithOptions("PXI1Slot2", VI_TRUE, VI_FALSE, kOptions, &second), 0);
  const ViStatus failed = zuVEXA_InitWithOptions("PXI1Slot2", VI_FALSE, VI_FALSE, "Simulate=yes", &none);
  ASSERT_LT(failed, 0);
  const auto params = [](const char *idQuery, const char *options) {
    return Fields{Placeholder("dummyerror"), Placeholder("dummysessn"), Text("resourceName", "PXI1Slot2")} +
           Fields{F("IDQuery", 21, 2, 2, idQuery), F("reset", 21, 2, 2, "0"), Text("optionString", options),
                  Pointer("newVi", 36)};
  };
  ExpectTrace(0, "zuVEXA_InitWithOptions", 1, 1, params("1", kOptions),
              {Text("dummyerror", ""), Text("dummysessn", "PXI1Slot2"),
               F("*newVi", 35, 4, 4, std::to_string(second)), Status(0)});
  ZuPeekValue error{};
  ZuPeekControl_Value(1, kReturns, 0, &error);
  EXPECT_NE(std::string(error.value).find("yes"), std::string::npos) << "the elaboration of the bad value";
  ExpectTrace(1, "zuVEXA_InitWithOptions", 1, 0, params("0", "Simulate=yes"),
              {F("dummyerror", 45, 1, error.totalSize), Text("dummysessn", "PXI1Slot2"),
               F("*newVi", 35, 4, 4, "0"), Status(failed)});
}

TEST_F(TraceTest, CloseTracesNoInterchangeWarnings) {
  const Fields params = {Placeholder("dummyerror"), Text("dummysessn", Descriptor(vi)),
                         F("vi", 35, 4, 4, std::to_string(vi)), F("action", 3, 4, 4, "1500")};
  ASSERT_EQ(zuVEXA_CloseExtCal(vi, 1500), 0);
  ExpectTrace(0, "zuVEXA_CloseExtCal", 8, 1, params, {Text("dummyerror", ""), Status(0)});
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
    return SessionPlaceholders() + Fields{Pointer("errorCodePtr", 4),
                                          F("errorDescriptionBufferSize", 3, 4, 4, std::to_string(size)),
                                          Placeholder("errorDescription")};
  };
  const Field errorCode = F("*errorCodePtr", 3, 4, 4, std::to_string(code));
  ExpectTrace(1, "zuVEXA_GetError", 11, 1, params(0), CleanReturns() + Fields{errorCode, Status(needed)});
  ExpectTrace(2, "zuVEXA_GetError", 11, 1, params(sizeof description),
              CleanReturns() + Fields{errorCode, Text("errorDescription", description), Status(0)});
}

TEST_F(TraceTest, FailedErrorQueryTracesItsMessageAsAPointer) {
  char message[256];
  ASSERT_LT(zuVEXA_error_query(vi, nullptr, message), 0);
  ASSERT_EQ(ZuPeekControl_ValueCount(0, kReturns), 4); // error text, warnings, the message, the status
  ZuPeekValue text{};
  ZuPeekControl_Value(0, kReturns, 2, &text);
  EXPECT_STREQ(text.name, "errorMessage");
  EXPECT_EQ(text.typeCode, 14);
  EXPECT_EQ(ZuPeekControl_RecordSuccess(0), 0);
  EXPECT_EQ(ZuPeekControl_RecordId(0), 22);
}

TEST_F(TraceTest, ShortcutTracesItselfAndItsInnerCall) {
  ASSERT_EQ(zuVEXA_DisableStartTrigger(vi), 0);
  ASSERT_EQ(ZuPeekControl_RecordCount(), 2);
  EXPECT_EQ(RecordFunction(0), "zuVEXA_SetAttributeViInt32"); // the inner call finishes first
  EXPECT_EQ(RecordFunction(1), "zuVEXA_DisableStartTrigger");
  EXPECT_EQ(ZuPeekControl_RecordId(1), 40);
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

using PartialTracer = TraceTest;

TEST_F(PartialTracer, MissingStepsAreSkippedAndCallsComplete) {
  ASSERT_EQ(zuVEXA_ConfigureIQRate(vi, "", 2e6), 0);
  EXPECT_EQ(zuVEXA_Commit(kNeverOpened), kUnknownSession);
  ASSERT_EQ(zuVEXA_close(vi), 0);

  ASSERT_EQ(ZuPeekControl_RecordCount(), 3);
  EXPECT_EQ(ZuPeekControl_OpenRecordCount(), 0) << "every record is released";
  for (int record = 0; record < 3; ++record) {
    EXPECT_EQ(ZuPeekControl_DeclaredParamCount(record), -1) << "no ZuPeekEndParams";
    EXPECT_GT(ZuPeekControl_ValueCount(record, kParams), 0);
  }
  // Only the function return reaches a tracer without the return setter;
  // it keeps its index after the error text and the warnings.
  for (const auto &[record, status] : {std::pair{0, ViStatus{0}}, std::pair{1, kUnknownSession}}) {
    ASSERT_EQ(ZuPeekControl_ValueCount(record, kReturns), 1);
    ZuPeekValue value{};
    ZuPeekControl_Value(record, kReturns, 0, &value);
    EXPECT_EQ(value.index, 2);
    EXPECT_EQ(value.typeCode, 23);
    EXPECT_EQ(value.value, std::to_string(status));
    EXPECT_EQ(ZuPeekControl_RecordSuccess(record), status == 0 ? 1 : 0);
  }
}

} // namespace
} // namespace tracing
