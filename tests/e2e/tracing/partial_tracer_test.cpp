// A call tracer that lacks some symbols: the missing steps are skipped and
// every call completes.
#include "TraceSupport.h"

namespace tracing {
namespace {

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
