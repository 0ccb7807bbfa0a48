#include <atomic>
#include <string>

#include "RoutingTestSupport.h"
#include "dvlShared/tErrorLookup.h"
#include "redirector/modules/OptionString.h"
#include "status/StatusCodes.h"

using namespace zumodules;
using routingtest::ThreadError;

namespace {

constexpr ViStatus kEngineFailure = static_cast<ViStatus>(0xBFFA0000);

struct Interpretation {
  ViStatus status = 0;
  std::wstring deviceName = L"unchanged";
  bool simulate = false;
  DriverSetupRecord setup;
};

class ResourceInterpretationTest : public routingtest::EngineTest {
protected:
  Interpretation Interpret(const char *resourceName, const char *optionString) {
    Interpretation r;
    r.status = InterpretResourceAndOptions(kDriverPrefix, resourceName, optionString, r.deviceName,
                                           r.simulate, r.setup, language_);
    return r;
  }
  std::atomic<zumxl::LanguageId> &language_ = dvlShared::ErrorLookup().defaultLanguage;
};

} // namespace

TEST_F(ResourceInterpretationTest, PlainNameSetsTheLanguageOnSuccessFailuresLeaveItAndTextsAreCutTo255) {
  Interpretation r = Interpret("PXI1Slot2", "Simulate=1,DriverSetup=Model:Q101; Language:jp");
  ASSERT_EQ(r.status, VI_SUCCESS);
  EXPECT_EQ(r.deviceName, L"PXI1Slot2");
  EXPECT_TRUE(r.simulate);
  EXPECT_EQ(r.setup.model, "Q101");
  EXPECT_EQ(language_.load(), zumxl::kJapanese);
  EXPECT_EQ(IviStandin_CallCount("Ivi_SpecificDriverNew"), 0);

  ASSERT_EQ(Interpret("PXI1Slot2", "DriverSetup=Model:Q101").status, VI_SUCCESS);
  EXPECT_EQ(language_.load(), zumxl::kEnglish);
  IviStandin_Reset();
  language_ = zumxl::kKorean;
  EXPECT_EQ(Interpret("Dev1", "DriverSetup=Language:jpn").status, ZUVEXA_ERROR_INVALID_LANGUAGE);
  EXPECT_EQ(ThreadError().primary, ZUVEXA_ERROR_INVALID_LANGUAGE);

  Interpretation failed = Interpret(nullptr, "Simulate=1");
  EXPECT_EQ(failed.status, ZUVEXA_ERROR_NULL_POINTER);
  EXPECT_EQ(IviStandin_CallCount("Ivi_GetInfoFromResourceName"), 1) << "a null name is not passed on";
  EXPECT_EQ(failed.deviceName, L"unchanged");

  IviStandin_FailNextCall("Ivi_GetInfoFromResourceName", kEngineFailure, VI_FALSE);
  EXPECT_EQ(Interpret("Dev1", "").status, kEngineFailure);
  EXPECT_EQ(Interpret("Dev\xff", "").status, -200811) << "unconvertible name";
  EXPECT_EQ(language_.load(), zumxl::kKorean);
  // Without the cut the last entry would switch simulation off again.
  const std::string longOptions = "Simulate=1,Cache=1" + std::string(240, ' ') + ",Simulate=0";
  Interpretation cut = Interpret(std::string(300, 'D').c_str(), longOptions.c_str());
  ASSERT_EQ(cut.status, VI_SUCCESS) << "the engine's warning is not passed on";
  EXPECT_TRUE(cut.simulate);
  EXPECT_EQ(cut.deviceName, std::wstring(255, L'D'));
}

class LogicalNameTest : public ResourceInterpretationTest {
protected:
  void SetUp() override {
    ResourceInterpretationTest::SetUp();
    IviStandin_SetLogicalName("MyAnalyzer", "PXI1Slot4", VI_TRUE, "Model:Q101;Language:de", "");
  }
};

TEST_F(LogicalNameTest, LanguageOnlyDriverSetupIsRemovedAndTheTemporarySessionAlwaysDisposed) {
  Interpretation r = Interpret("MyAnalyzer", "Cache=0,driversetup=Language:fr,Simulate=0");
  ASSERT_EQ(r.status, VI_SUCCESS);
  EXPECT_EQ(r.deviceName, L"PXI1Slot4");
  EXPECT_FALSE(r.simulate) << "the options after the removed one stay";
  EXPECT_EQ(r.setup.model, "Q101");
  EXPECT_EQ(language_.load(), zumxl::kFrench) << "the caller's option chooses the language";
  EXPECT_EQ(IviStandin_SessionCount(), 0) << "the temporary session is disposed";

  ASSERT_EQ(Interpret("myanalyzer", "").status, VI_SUCCESS);
  EXPECT_EQ(language_.load(), zumxl::kEnglish);
  IviStandin_FailNextCall("Ivi_SpecificDriverNew", kEngineFailure, VI_TRUE);
  EXPECT_EQ(Interpret("MyAnalyzer", "").status, kEngineFailure);
  IviStandin_FailNextCall("Ivi_GetAttributeViString", kEngineFailure, VI_FALSE);
  Interpretation failed = Interpret("MyAnalyzer", "");
  EXPECT_EQ(failed.status, kEngineFailure);
  EXPECT_FALSE(failed.setup.model);
  EXPECT_EQ(IviStandin_SessionCount(), 0);
}
