// The driver's translator script reporting on the JSON detail of an error status.

#include "ErrorFileTree.h"
#include "TranslatorSupport.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"
#include "zuxlator/json1.h"

using xlatortest::Member;
namespace json1 = zuxlator::json1;

namespace {

constexpr const char *kOrderedData = R"({"file":"Fetch.cpp","line":42,"component":"zuvexa",
  "translator":"mxlator_zuVEXA","translator_info":{"is_debug":"0","version":1,"ordered_data":[
    {"type":"usage","usage":"kUsageTypeAttributeId","value":1050002},
    {"type":"usage","usage":"kUsageTypeAffectedAttribute","value":[1050002,305419896]},
    {"type":"usage","usage":"kUsageTypeChannelName","value":"ch0"},
    {"type":"usage","usage":"kUsageTypeNoSuchTerm","value_type":{"type":"enum","id":1150321},"value":[6200,6299]},
    {"type":"usage","usage":"kUsageTypeChannelName","value_type":{"type":"range"},"value":1},
    {"type":"elaboration","usage":"kUsageTypeChannelName"},
    {"type":"unknown","usage":"dropped"},
    {"type":"empty"}]}})";

class DriverReport : public ::testing::Test {
protected:
  // The reports the flags select for kOrderedData (or `json`), each item in brackets, or the failure's code.
  std::string Report(uint32_t langWord, uint32_t flags, const char *json = kOrderedData) {
    zuerr::Status errStatus;
    zuerr::SetCode(errStatus, -1);
    zuerr::ResetJson(errStatus, json);
    zuerr::Status status;
    std::string text;
    json1::translateErrStatusToFormattedText(*session, kFormat, kItems, formatter, 0, -1, errStatus.json,
                                             langWord, flags, text, status);
    if (status.code != 0) return "failed " + std::to_string(status.code);
    return text.substr(0, text.size() - 2); // the formatter's closing blank line
  }

  static constexpr json1::FormatStrings kFormat{};
  static constexpr json1::ItemFormatRow kItems[] = {
      {nullptr, {"[", "]", nullptr, "=", nullptr, nullptr, "<", ">", ","}},
  };
  json1::RawTextFormatter formatter;
  translatortest::SessionPtr session = translatortest::NewSession();
};

} // namespace

TEST_F(DriverReport, NamesTermsAndDebugItemsOrFailsAsAWhole) {
  EXPECT_EQ(Report(0, json1::kDynamicReport),
            "[Attribute Id=<Range Check>][Affected attribute=<Range Check>,<0x12345678>][Channel Name=<ch0>]"
            "[kUsageTypeNoSuchTerm=<Seconds>,<6299>][Channel Name=][<Channel Name>][]");
  const std::string japanese = Report(zumxl::kJapanese, json1::kDynamicReport);
  EXPECT_NE(japanese.find("[属性ID=<Range Check>]"), std::string::npos) << japanese;
  EXPECT_NE(japanese.find("[<チャンネル名>]"), std::string::npos) << japanese;
  EXPECT_EQ(Report(zumxl::kGerman, json1::kDynamicReport).find("[Attribute Id=<Range Check>]"), 0u)
      << "English tables for the languages without their own";
  EXPECT_EQ(
      Report(0, json1::kDebugReport),
      R"([Component=<zuvexa>][File=<Fetch.cpp>][Line=<42>][rest_of_input_json=<{"translator":"mxlator_zuVEXA"}>])");
  EXPECT_EQ(Report(0, json1::kDynamicReport | json1::kDebugReport, R"({"translator":"mxlator_zuVEXA"})"),
            R"([rest_of_input_json=<{"translator":"mxlator_zuVEXA"}>])")
      << "no ordered data: no dynamic items";
  EXPECT_EQ(Report(0x400, json1::kDynamicReport),
            "failed " + std::to_string(zuapalerr_softwareFaultAPALInternalUseOnly))
      << "an ADE without a name";
  EXPECT_EQ(Report(0, json1::kDynamicReport, R"({"translator":"mxlator_zuVEXA","x":[1,}")"),
            "failed " + std::to_string(zuapalerr_softwareFaultAPALInternalUseOnly))
      << "malformed JSON";
  zuerr::Status status;
  char *text = zuxlator::GetDynamicDesc(*session, kOrderedData, 0, "xml", zuxlator::Alloc, nullptr, status);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(status.code, zuapalerr_unsupportedFormat);
  EXPECT_EQ(Member(status.json, "error_constant"), "(int32_t)lua_tointeger(L, -1)");
}
