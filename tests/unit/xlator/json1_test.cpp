// Error statuses formatted to raw text: the tag for the driver's translator, report items, nested errors
// and the fallbacks when translation fails.

#include "ErrorFileTree.h"
#include "SeamErrorTree.h"
#include "TranslatorSupport.h"
#include "zuapal/zuapalerr.h"
#include "zuxlator/json1.h"
#include "zuxlatorlua/MxlatorTranslator.h"

using translatortest::FakeTranslatorKind;
using xlatortest::Detail;
namespace json1 = zuxlator::json1;

namespace {

// A status with `code` and the JSON text `json`.
zuerr::Status StatusOf(int32_t code, const char *json) {
  zuerr::Status status;
  zuerr::SetCode(status, code);
  zuerr::ResetJson(status, json);
  return status;
}

class RawText : public ::testing::Test {
protected:
  std::string Translate(const zuerr::Status &errStatus, uint32_t flags, zuerr::Status &status) {
    std::string out;
    json1::translateErrStatusToRawText(*session, errStatus, 0, flags, out, status);
    return out;
  }
  std::string Translate(int32_t code, const char *json, uint32_t flags) {
    zuerr::Status status;
    std::string text = Translate(StatusOf(code, json), flags, status);
    EXPECT_EQ(status.code, 0) << status.json;
    return text;
  }

  FakeTranslatorKind fake{"fake"};
  translatortest::SessionPtr session = translatortest::NewSession();
};

// Report items decorated the raw-text way.
std::string Items(const char *items, zuerr::Status &status) {
  constexpr json1::ItemFormatRow kRaw[] = {
      {"elaboration", {}},
      {nullptr, {"\n", nullptr, nullptr, ": ", nullptr, nullptr, nullptr, nullptr, ", "}},
  };
  std::string text = "before";
  json1::formatDynamicReportItems(kRaw, items, text, status);
  return text;
}

} // namespace

TEST(OrderedData, TagsAStatusOnceForOneTranslator) {
  zuerr::Status status = StatusOf(-1, R"({"file":"f"})");
  jsonz::Cursor cursor = json1::OpenOrderedData(status, "t");
  jsonz::PutString(cursor, nullptr, "first");
  EXPECT_STREQ(
      status.json,
      R"({"file":"f","translator":"t","translator_info":{"is_debug":"0","version":1,"ordered_data":["first"]}})");
  cursor = json1::OpenOrderedData(status, "t");
  jsonz::PutString(cursor, nullptr, "second");
  EXPECT_NE(std::string(status.json).find(R"("ordered_data":["first","second"])"), std::string::npos)
      << status.json;
  const std::string before = status.json;
  EXPECT_EQ(json1::OpenOrderedData(status, "other").position, nullptr);
  EXPECT_EQ(status.json, before) << "a status tagged for another translator is left alone";

  zuerr::Status partial = StatusOf(-1, R"({"translator":"t","translator_info":{"x":1}})");
  cursor = json1::OpenOrderedData(partial, "t");
  jsonz::PutString(cursor, nullptr, "item");
  EXPECT_STREQ(
      partial.json,
      R"({"translator":"t","translator_info":{"is_debug":"0","version":1,"ordered_data":["item"],"x":1}})");
}

// Well-formed items are decorated; a malformed one appends nothing at all.
TEST(ReportItems, RawTextDecorationsAndMalformedItems) {
  const std::tuple<const char *, const char *, const char *> cases[] = {
      {R"([{"type":"usage","key":"Channel","value":["0","1"]},{"type":"elaboration","value":"only \"this\""},
           {"type":"header","value":"x"},{"type":"empty"},{"key":""}])",
       "before\nChannel: 0, 1only \"this\"\nx\n\n", nullptr},
      {"{}", "before", nullptr},
      {R"([{"key":"a","value":"1"},"text"])", "before", "each array item must be an object"},
      {R"([{"key":"a","value":5}])", "before", "value can only be string"},
      {R"([{"key":"a","value":["1",2]}])", "before", "value can only be string"},
      {R"([{"key":"a","value":tru}])", "before", "something's wrong with value item"},
  };
  for (const auto &[items, text, failure] : cases) {
    SCOPED_TRACE(items);
    zuerr::Status status;
    EXPECT_EQ(Items(items, status), text);
    EXPECT_EQ(status.code, failure ? zuapalerr_invalidParameter : 0);
    if (failure != nullptr)
      EXPECT_EQ(Detail(status.json, "zuxlator_debug", "formatDynamicReportItems"),
                std::string("json1 dynamic object invalid. ") + failure);
  }
}

TEST_F(RawText, StaticDescriptionKeepsBlanksAndLosesLineEnds) {
  fake.staticTexts[1] = " text\r\n";
  EXPECT_EQ(Translate(1, R"({"translator":"fake"})", json1::kStaticDescription), " text");
  EXPECT_EQ(Translate(0, R"({"translator":"fake"})", json1::kStaticDescription), "") << "code 0";
}

TEST_F(RawText, NestedErrorsIndentedOrFallingBackAndTheDynamicReportFollowing) {
  fake.staticTexts[3] = "three a\nthree b";
  const char *json = R"({"translator":"fake","nested_error":[
      {"code":2,"translator":"fake","nested_error":{"code":3,"translator":"fake"}},
      {"code":4,"translator":"fake"}]})";
  EXPECT_EQ(Translate(1, json, json1::kStaticDescription | json1::kNestedErrors),
            "desc 1\n\n   desc 2\n\n      three a\n      three b\n\n   desc 4");
  EXPECT_EQ(Translate(1, json, json1::kStaticDescription), "desc 1") << "nested errors only when asked";
  zuerr::Status failure;
  std::string text;
  json1::RawTextFormatter formatter;
  json1::translateErrStatusToFormattedText(*session, {}, nullptr, formatter, 0, 1,
                                           R"({"translator":"fake","nested_error":5})", 0,
                                           json1::kStaticDescription | json1::kNestedErrors, text, failure);
  EXPECT_EQ(text, "desc 1\n\n") << "what came before the failure stays";
  EXPECT_EQ(failure.code, zuapalerr_invalidParameter);
  EXPECT_EQ(Detail(failure.json, "zuxlator_debug", "translateErrStatusToFormattedText"),
            "nested_error contains invalid json type");
  EXPECT_EQ(Detail(failure.json, "zuxlator_debug", "jsonz_type"), "3");
  fake.report =
      R"({"dynamic":[{"type":"usage","key":"Channel","value":["0","1"]},{"type":"elaboration","value":"x"}],
                    "debug":[{"type":"usage","key":"File","value":"f.cpp"}]})";
  const char *plain = R"({"translator":"fake"})";
  EXPECT_EQ(Translate(1, plain, json1::kStaticDescription | json1::kDynamicReport),
            "desc 1\n\nChannel: 0, 1x");
  EXPECT_EQ(Translate(1, plain, json1::kDebugReport), "File: f.cpp");
}

// When the default translator fails too, its failure is the text.
TEST_F(RawText, FailedTranslatorIsReplacedByTheDefaultOne) {
  errortest::SeamErrorTree tree;
  tree.Shared("English", "e.err", {{"5", "from the shared directory"}});
  // Without its shared errors directory the driver's script fails at every description.
  zuxlator::RegistrationNode broken(
      "mxlator_broken", R"({"zuxlatorlua_xlator":"mxlator","zuxlatorlua_settings":{"driverName":"x"}})",
      zuxlatorlua::CreateMxlatorTranslator);
  for (const char *translator : {"mxlator_broken", "nosuch", "fake"}) {
    const std::string json = std::string(R"({"translator":")") + translator + R"(","nested_error":5})";
    EXPECT_EQ(Translate(5, json.c_str(), json1::kStaticDescription | json1::kNestedErrors),
              translator == std::string("fake") ? "desc 5" : "from the shared directory")
        << translator;
  }
  zuerr::Status status;
  const std::string text =
      Translate(StatusOf(6, R"({"translator":"nosuch"})"), json1::kStaticDescription, status);
  EXPECT_EQ(status.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(text, status.json);
  EXPECT_EQ(Detail(text, "zuxlator_debug", "zuxlator_defaultTranslator"),
            "couldn't find description for code");
}
