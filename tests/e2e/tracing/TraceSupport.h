// Tracing on with the stand-in tracer linked in, a simulated session, and field-by-field record checks.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "StandIns.h"
#include "peeklog_standin.h"
#include "platform/IviEngine.h"

namespace tracing {

constexpr ViStatus kUnknownSession = static_cast<ViStatus>(0xBFFA1190);
constexpr ViSession kNeverOpened = 0x7777;
constexpr int64_t kPointer = 8;
constexpr bool kParams = false, kReturns = true;

// One expected parameter or return; no name for the function return, no
// value where it is an address that changes from run to run.
struct Field {
  std::optional<std::string> name;
  int64_t type, elementSize, totalSize;
  std::optional<std::string> value;
};

using Fields = std::vector<Field>;
inline Field F(const char *name, int64_t type, int64_t elementSize, int64_t totalSize,
               std::optional<std::string> value = std::nullopt) {
  return {name, type, elementSize, totalSize, value};
}
// A pointer traced as its address, which changes from run to run.
inline Field Pointer(const char *name, int64_t type) { return F(name, type, kPointer, kPointer); }
inline Field Placeholder(const char *name) { return Pointer(name, 14); }
// A text as the stand-in renders it: a JSON string.
inline std::string Json(const std::string &text) {
  std::string out = "\"";
  for (char c : text) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '"' ? "\\\"" : std::string(1, c);
  return out + "\"";
}
inline Field Text(const char *name, const std::string &text) {
  return {name, 45, 1, static_cast<int64_t>(text.size()), Json(text)};
}
inline Field Status(ViStatus status) { return {std::nullopt, 23, 4, 4, std::to_string(status)}; }

inline std::string RecordFunction(int record) {
  char name[128] = {};
  ZuPeekControl_RecordFunction(record, sizeof name, name);
  return name;
}

inline void ExpectFields(int record, bool returns, const Fields &expected) {
  SCOPED_TRACE(std::string("record ") + std::to_string(record) + (returns ? " returns" : " params"));
  ASSERT_EQ(ZuPeekControl_ValueCount(record, returns), static_cast<int>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("field " + std::to_string(i));
    ZuPeekValue value{};
    ASSERT_EQ(ZuPeekControl_Value(record, returns, static_cast<int>(i), &value), 0);
    EXPECT_EQ(value.index, static_cast<int64_t>(i));
    EXPECT_EQ(value.hasName != 0, expected[i].name.has_value());
    if (expected[i].name) EXPECT_EQ(std::string(value.name), *expected[i].name);
    EXPECT_EQ(value.typeCode, expected[i].type);
    EXPECT_EQ(value.elementSize, expected[i].elementSize);
    EXPECT_EQ(value.totalSize, expected[i].totalSize);
    if (expected[i].value) EXPECT_EQ(std::string(value.value), *expected[i].value);
  }
}

inline void ExpectTrace(int record, const char *function, int64_t id, int64_t success, const Fields &params,
                        const Fields &returns) {
  EXPECT_EQ(RecordFunction(record), function);
  EXPECT_EQ(ZuPeekControl_RecordId(record), id);
  EXPECT_EQ(ZuPeekControl_RecordApiType(record), 24);
  EXPECT_EQ(ZuPeekControl_RecordBeginFlag(record), 1);
  EXPECT_EQ(ZuPeekControl_RecordSuccess(record), success);
  EXPECT_EQ(ZuPeekControl_DeclaredParamCount(record), ZuPeekControl_ValueCount(record, kParams));
  EXPECT_EQ(ZuPeekControl_DeclaredReturnCount(record), ZuPeekControl_ValueCount(record, kReturns));
  ExpectFields(record, kParams, params);
  ExpectFields(record, kReturns, returns);
}

inline std::string Descriptor(ViSession vi) {
  char text[256] = {};
  Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, sizeof text, text);
  return text;
}

class TraceTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
    ZuPeekControl_SetOutput(nullptr);
    ZuPeekControl_SetEnabled(1);
    ASSERT_EQ(zuVEXA_InitWithOptions("PXI1Slot2", VI_FALSE, VI_FALSE, kOptions, &vi), 0);
    ZuPeekControl_Clear();
  }
  void TearDown() override { ZuPeekControl_SetEnabled(0); }

  // The placeholders that begin the parameters of a call on vi.
  Fields SessionPlaceholders() const {
    return {Placeholder("dummyerror"), Text("dummysessn", Descriptor(vi)), Placeholder("dummyintch"),
            F("vi", 35, 4, 4, std::to_string(vi))};
  }
  // The error text and warnings that begin the returns of a successful call.
  static Fields CleanReturns() { return {Text("dummyerror", ""), Text("dummyintch", "\r\n\r\n")}; }

  static constexpr const char *kOptions = "Simulate=1,DriverSetup=Model:Q118";
  ViSession vi = 0;
};

inline Fields operator+(Fields a, const Fields &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

} // namespace tracing
