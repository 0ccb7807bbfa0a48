// The translator session is made on the first description only, and the interpreter it makes reads no Lua
// search paths from the environment. Each case needs a process of its own.

#include <cstdlib>

#include "SeamErrorTree.h"
#include "StandIns.h"
#include "dvlShared/TranslationSession.h"

TEST(TranslationOnDemand, SuccessfulCallsNeverMakeTheTranslatorSession) {
  ASSERT_EQ(dvlShared::TranslatorSessionIfCreated(), nullptr) << "run this test in a process of its own";
  testsupport::ResetStandIns();
  const ViSession vi = testsupport::OpenSimulated();
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

TEST(LuaSearchPaths, EnvironmentVariablesHaveNoEffect) {
  ASSERT_EQ(dvlShared::TranslatorSessionIfCreated(), nullptr) << "run this test in a process of its own";
  errortest::SeamErrorTree tree;
  tree.Driver("English", "d.err", {{"0xBFFA0060", "from the files"}});
  // An errors table module would answer before any file.
  tree.Write("lua/errors_eng.lua",
             "return { encoding = 'utf-8', getString = function() return 'from LUA_PATH' end }");
  tree.Write("lua/zuxlatorlua.lua", "error('from LUA_PATH')");
  tree.Write("lua/errors_eng.so", "not a library");
  setenv("LUA_PATH", (tree.Directory() + "/lua/?.lua").c_str(), 1);
  setenv("LUA_CPATH", (tree.Directory() + "/lua/?.so").c_str(), 1);
  EXPECT_EQ(errortest::Describe(static_cast<ViStatus>(0xBFFA0060)), "from the files");
  EXPECT_EQ(errortest::Describe(static_cast<ViStatus>(0xBFFA0061)), "Error description not found");
  unsetenv("LUA_PATH");
  unsetenv("LUA_CPATH");
}
