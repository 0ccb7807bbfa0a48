#include <gtest/gtest.h>

#include "StandIns.h"
#include "dvlShared/TranslationSession.h"
#include "redirector/api/ExportDeclarations.h"

TEST(TranslationOnDemand, SuccessfulCallsNeverMakeTheTranslatorSession) {
  ASSERT_EQ(dvlShared::TranslatorSessionIfCreated(), nullptr) << "run this test in a process of its own";
  testsupport::ResetStandIns();
  ViSession vi = 0;
  ASSERT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi), 0);
  EXPECT_EQ(zuVEXA_ConfigureIQRate(vi, "", 1e6), 0);
  EXPECT_EQ(dvlShared::TranslatorSessionIfCreated(), nullptr);
  EXPECT_LT(zuVEXA_ConfigureIQRate(vi, "", -5), 0);
  EXPECT_EQ(dvlShared::TranslatorSessionIfCreated(), nullptr) << "a failed call records its status only";
  char text[256];
  EXPECT_EQ(zuVEXA_GetErrorMessage(vi, static_cast<ViStatus>(0xBFFA000F), sizeof text, text), 0);
  zuxlator::Session *session = dvlShared::TranslatorSessionIfCreated();
  ASSERT_NE(session, nullptr);
  zuerr::Status status;
  zuxlator::TranslatorFunctions *driver = zuxlator::GetXlator(*session, zuxlator::kDriverTranslator, status);
  EXPECT_EQ(zuVEXA_GetErrorMessage(vi, static_cast<ViStatus>(0xBFFA000F), sizeof text, text), 0);
  EXPECT_EQ(zuxlator::GetXlator(*session, zuxlator::kDriverTranslator, status), driver)
      << "describing again keeps the translator and its interpreter";
  EXPECT_EQ(zuVEXA_close(vi), 0);
}
