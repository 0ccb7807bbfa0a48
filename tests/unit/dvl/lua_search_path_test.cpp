// LUA_PATH and LUA_CPATH are read when the interpreter is made, so nothing is described before they are set.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SeamErrorTree.h"
#include "dvlShared/TranslationSession.h"

TEST(LuaSearchPaths, EnvironmentVariablesHaveNoEffect) {
  ASSERT_EQ(dvlShared::TranslatorSessionIfCreated(), nullptr) << "run this test in a process of its own";
  errortest::SeamErrorTree tree;
  tree.Driver("English", "d.err", {{"0xBFFA0060", "from the files"}});
  // An errors table module would answer before any file.
  tree.Write("lua/errors_eng.lua",
             "return { encoding = 'utf-8', getString = function() return 'from LUA_PATH' end }");
  tree.Write("lua/zuxlatorlua.lua", "error('from LUA_PATH')");
  tree.Write("lua/errors_eng.so", "not a library");
  const std::string modules = tree.Directory() + "/lua/?.lua";
  const std::string natives = tree.Directory() + "/lua/?.so";
  setenv("LUA_PATH", modules.c_str(), 1);
  setenv("LUA_CPATH", natives.c_str(), 1);
  EXPECT_EQ(errortest::Describe(static_cast<ViStatus>(0xBFFA0060)), "from the files");
  EXPECT_EQ(errortest::Describe(static_cast<ViStatus>(0xBFFA0061)), "Error description not found");
  unsetenv("LUA_PATH");
  unsetenv("LUA_CPATH");
}
