#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>

#include "Attributes.h"
#include "Session.h"
#include "Text.h"
#include "Units.h"
#include "backend_standin.h"

namespace zuvexaclient {
namespace {

using ::testing::HasSubstr;

// The demo system configuration, before the library first looks for it.
const int kConfigured = setenv("ZUVEXA_SYSAPI_CONFIG", ZU_DEMO_SYSAPI_CONFIG, 1);
constexpr char kSimulated[] = "Simulate=1,DriverSetup=Model:Q118";
constexpr ViStatus kWarning = 0x3FFA4001;

TEST(ClientUnits, ADecimalNumberWithKMOrGAndNothingElse) {
  const std::pair<const char *, double> good[] = {{"2.4G", 2.4e9}, {"10M", 1e7}, {"4k", 4e3},  {"-3", -3},
                                                  {"+1.5", 1.5},   {"1e6", 1e6}, {".5k", 500}, {"7.", 7}};
  for (const auto &[text, value] : good) EXPECT_EQ(ParseScaled(text), value) << text;
  for (const char *bad : {"", "1m", "1kk", "1 k", " 1", "1x", "inf", "nan", "-inf", "0x10", "k", "-", ".",
                          "+-1", "1e999", "1e308G", "1e"})
    EXPECT_EQ(ParseScaled(bad), std::nullopt) << bad;
}

TEST(ClientText, HexNarrowAndTheTwoCallRead) {
  EXPECT_EQ(HexStatus(static_cast<ViStatus>(0xBFFA000F)), "0xBFFA000F");
  EXPECT_EQ(HexStatus(0x1C), "0x0000001C");
  EXPECT_EQ(Narrow(L"Ab\u00e9\u4e2d~\x7f"), "Ab??~\x7f");
  std::string text = "old";
  EXPECT_EQ(ReadText([](ViInt32, ViChar *) { return ViStatus(-5); }, text), -5);
  EXPECT_EQ(text, "");
  const auto filled = [](ViInt32 size, ViChar *buffer) {
    if (size == 0) return ViStatus(8);
    std::snprintf(buffer, std::size_t(size), "%s", "abc");
    return ViStatus(kWarning);
  };
  EXPECT_EQ(ReadText(filled, text), kWarning);
  EXPECT_EQ(text, "abc") << "up to the terminator";
}

TEST(ClientAttributes, OneEntryPerIdentifierFoundByNameOrIdentifier) {
  const AttributeRow rows[] = {{7, " Seven ", ValueType::Int32},
                               {8, "Eight", ValueType::Unknown},
                               {7, "Other Seven", ValueType::String}};
  const std::vector<Attribute> table = AttributeTable(rows);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].name + "/" + TypeName(table[0].type), "Seven/int32") << "the first row of 7, trimmed";

  std::set<ViAttr> ids;
  for (const Attribute &attribute : Attributes())
    EXPECT_TRUE(ids.insert(attribute.id).second) << attribute.id;
  for (const char *name : {"IQ Rate", "iq RATE", "1150007", "0x118C37", "0x118c37"}) {
    const Attribute *found = FindAttribute(name);
    ASSERT_NE(found, nullptr) << name;
    EXPECT_EQ(found->name, "IQ Rate");
  }
  for (const char *name : {"", "No Such", "1150007x", "0x", "-1", "99999999999"})
    EXPECT_EQ(FindAttribute(name), nullptr) << name;

  const std::vector<const Attribute *> known = AttributesOfKnownType();
  EXPECT_TRUE(
      std::none_of(known.begin(), known.end(), [](auto *a) { return a->type == ValueType::Unknown; }));
  EXPECT_LT(known.size(), Attributes().size());
  EXPECT_EQ(ValueTypeFor(table[1]), ValueType::Real64) << "unknown: real64";
  EXPECT_EQ(ValueTypeFor(table[1], ValueType::String), ValueType::String) << "unless named";
  for (const char *name : {"int32", "int64", "real64", "boolean", "string"})
    EXPECT_STREQ(TypeName(*ParseTypeName(name)), name);
  EXPECT_EQ(ParseTypeName("unknown"), std::nullopt);
}

TEST(ClientAttributes, ValuesFromTextAndBack) {
  struct Case {
    ValueType type;
    const char *text;
    std::optional<AttributeValue> value;
    const char *shown; // FormatValue, or the error
  } const cases[] = {
      {ValueType::Int32, "2147483647", ViInt32(2147483647), "2147483647"},
      {ValueType::Int32, "-2k", ViInt32(-2000), "-2000"},
      {ValueType::Int32, "2147483648", {}, "not a whole int32 number: \"2147483648\""},
      {ValueType::Int64, "9223372036854775807", ViInt64(INT64_MAX), "9223372036854775807"},
      {ValueType::Int64, "4k", ViInt64(4000), "4000"},
      {ValueType::Int64, "9.3e18", {}, "not a whole int64 number"},
      {ValueType::Int64, "1.5", {}, "not a whole int64 number: \"1.5\""},
      {ValueType::Int64, "many", {}, "not a number: \"many\""},
      {ValueType::Int64, "+-5", {}, "not a number: \"+-5\""},
      {ValueType::Int64, "+5", ViInt64(5), "5"},
      {ValueType::Boolean, "TRUE", true, "true"},
      {ValueType::Boolean, "0", false, "false"},
      {ValueType::Boolean, "yes", {}, "not a boolean: \"yes\""},
      {ValueType::Real64, "2.5M", 2.5e6, "2500000"},
      {ValueType::Real64, "-12.5", -12.5, "-12.5"},
      {ValueType::Real64, "1e15", 1e15, "1e+15"},
      {ValueType::Real64, "999999999999999", 999999999999999.0, "999999999999999"},
      {ValueType::Real64, "1m", {}, "not a number: \"1m\""},
      {ValueType::Unknown, "0.1", 0.1, "0.1"},
      {ValueType::String, " a b ", std::string(" a b "), " a b "},
  };
  for (const Case &c : cases) {
    std::string error;
    const auto value = ParseValue(c.type, c.text, error);
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_THAT(value ? FormatValue(*value) : error, HasSubstr(c.shown)) << c.text;
  }
}

class ClientSession : public ::testing::Test {
protected:
  const bool reset_ = (BackendStandin_Reset(), kConfigured == 0); // before the session opens
  Session session_{"", kSimulated};
};

TEST_F(ClientSession, ReadsAndWritesEveryTypeAndTextsOfAnySize) {
  const Attribute &source = *FindAttribute("Ref Clock Source");
  for (const std::string &text : {std::string("PXI_CLK"), std::string(5000, 'x') + "end"}) {
    WriteAttribute(session_, source, text);
    EXPECT_EQ(ReadAttribute(session_, source), AttributeValue(text)) << text.size();
  }
  for (const auto &[name, value] :
       {std::pair<const char *, AttributeValue>{"Number of Samples", ViInt64(4096)},
        {"Preamp Enabled", true},
        {"Reference Level", -20.0}}) {
    WriteAttribute(session_, *FindAttribute(name), value);
    EXPECT_EQ(ReadAttribute(session_, *FindAttribute(name)), value) << name;
  }
}

TEST_F(ClientSession, AShortRecordKeepsTheSamplesThatCameAndACloseIsFinal) {
  session_.ConfigureIq(1e9, 1e6, 100);
  session_.Initiate();
  EXPECT_EQ(session_.FetchF64(0, 400, 0).interleaved.size(), 200u) << "I and Q of the 100 samples fetched";
  {
    Session once("", kSimulated);
    once.Close();
  }
  ViStatus left = 0;
  TakeErrorText(VI_NULL, &left);
  EXPECT_EQ(left, 0) << "the handle is not closed a second time";
}

TEST_F(ClientSession, FailuresCarryTheLibrarysTextAndWarningsFollowThePolicy) {
  try {
    Session nowhere("Nowhere", "");
    FAIL() << "opened";
  } catch (const ApiError &error) {
    EXPECT_EQ(error.Function(), "zuVEXA_InitWithOptions");
    EXPECT_LT(error.Status(), 0);
    EXPECT_THAT(error.Description(), HasSubstr("Device not found. No device matches"));
    EXPECT_EQ(std::string(error.what()),
              "zuVEXA_InitWithOptions: " + HexStatus(error.Status()) + " " + error.Description());
  }
  BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "ConfigureIQRate",
                              BACKENDSTANDIN_ERROR_INVALID_ARGUMENT, VI_FALSE);
  try {
    session_.ConfigureIq(1e9, 1e6, 100);
    FAIL() << "not reported";
  } catch (const ApiError &error) {
    EXPECT_THAT(error.what(), HasSubstr("zuVEXA_ConfigureIQRate: 0xBFFA000F Invalid parameter"));
  }
  EXPECT_THAT(DescribeStatus(VI_NULL, BACKENDSTANDIN_ERROR_INVALID_ARGUMENT), HasSubstr("Invalid parameter"));
  ViStatus unknown = -7;
  EXPECT_EQ(TakeErrorText(424242, &unknown), "");
  EXPECT_EQ(unknown, 0) << "no code from a session the library does not know";
  for (const Warnings warnings : {Warnings::Print, Warnings::Clear}) {
    BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "Initiate", kWarning, VI_FALSE);
    ::testing::internal::CaptureStderr();
    CheckCall(session_.Handle(), zuVEXA_Initiate(session_.Handle()), "zuVEXA_Initiate", warnings);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.rfind("warning: zuVEXA_Initiate returned 0x3FFA4001", 0) == 0,
              warnings == Warnings::Print)
        << printed;
    ViStatus left = 0;
    TakeErrorText(session_.Handle(), &left);
    EXPECT_EQ(left, 0) << "the warning is gone either way";
    zuVEXA_Abort(session_.Handle());
  }
  EXPECT_NO_THROW(session_.Close());
}

} // namespace
} // namespace zuvexaclient
