// The panel's session over the stand-ins: every failure names the call that
// failed, for each setting of the table, a refresh, the record download,
// attribute reads and writes, the open and the device listing.
#include <gtest/gtest.h>

#include "PanelSession.h"
#include "StandIns.h"

namespace zuvexapanel {
namespace {

constexpr ViStatus kScripted = static_cast<ViStatus>(0xBFFA4001);

class PanelSessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_FALSE(session_.Open("", "Simulate=1").contains("error"));
  }
  // Makes the next call of the module entry that a function of the library forwards to fail.
  static void FailNext(const std::string &function) {
    const std::string entry = function.substr(function.find('_') + 1); // zuVEXA_Initiate: Initiate
    ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, entry.c_str(), kScripted, VI_FALSE), 0);
  }
  static std::string FunctionOf(const nlohmann::json &failure) { return failure.value("function", "?"); }

  PanelSession session_;
};

TEST_F(PanelSessionTest, AFailedSettingNamesItsRowsCallAndKeepsItsValue) {
  for (const SettingRow &row : SettingRows()) {
    const double before = session_.State()["settings"][row.name];
    FailNext(row.function);
    const nlohmann::json answer = session_.Configure({{&row, row.initial + 1}});
    EXPECT_EQ(FunctionOf(answer["errors"][row.name]), row.function);
    EXPECT_EQ(answer["state"]["settings"][row.name], before) << row.name;
  }
}

TEST_F(PanelSessionTest, AFailedAcquisitionNamesTheCallThatFailed) {
  for (const char *function : {"zuVEXA_Initiate", "zuVEXA_FetchIQSingleRecordComplexF64"}) {
    FailNext(function);
    EXPECT_EQ(FunctionOf(nlohmann::json::parse(session_.Frame())["error"]), function);
    FailNext(function);
    std::string csv;
    nlohmann::json failure;
    EXPECT_FALSE(session_.RecordCsv(csv, failure));
    EXPECT_EQ(FunctionOf(failure["error"]), function) << "the download";
  }
  EXPECT_TRUE(nlohmann::json::parse(session_.Frame()).contains("spectrum")) << "usable after a failure";
}

TEST_F(PanelSessionTest, AttributeFailuresNameTheTypedCall) {
  FailNext("zuVEXA_GetAttributeViReal64");
  const nlohmann::json rows = session_.Attributes();
  const auto failed = std::find_if(rows.begin(), rows.end(), [](auto &row) { return row.contains("error"); });
  ASSERT_NE(failed, rows.end());
  EXPECT_EQ(FunctionOf((*failed)["error"]), "zuVEXA_GetAttributeViReal64");

  const ViAttr level = (*failed)["id"];
  EXPECT_EQ(session_.SetAttribute(level, "-12.5")["value"], -12.5) << "text read by the type's rule";
  EXPECT_EQ(FunctionOf(session_.SetAttribute(level, "loud")["error"]), "") << "refused before any call";
  FailNext("zuVEXA_SetAttributeViReal64");
  EXPECT_EQ(FunctionOf(session_.SetAttribute(level, 1)["error"]), "zuVEXA_SetAttributeViReal64");
}

TEST_F(PanelSessionTest, FailedLookupsAndOpensNameTheirCall) {
  ASSERT_EQ(SysapiStandin_FailNextCall(SYSAPISTANDIN_OP_FIND_RESOURCES, kScripted), 0);
  EXPECT_EQ(FunctionOf(ListDevices()["error"]), "zuvexaclient::ListDevices");
  const nlohmann::json state = session_.Open("NoSuchDevice", "");
  EXPECT_EQ(FunctionOf(state["error"]), "zuVEXA_InitWithOptions");
  EXPECT_EQ(FunctionOf(state["device"]["error"]), "zuvexaclient::ProbeResource");
  std::string csv;
  nlohmann::json failure;
  session_.RecordCsv(csv, failure);
  for (const nlohmann::json &answer : {nlohmann::json::parse(session_.Frame()), session_.Attributes(),
                                       session_.SetAttribute(1150004, 1), session_.Configure({}), failure})
    EXPECT_EQ(answer["error"]["description"], "no session is open: pick a device")
        << "no call without a session";
}

} // namespace
} // namespace zuvexapanel
