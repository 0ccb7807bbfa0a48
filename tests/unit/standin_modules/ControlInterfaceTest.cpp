// Scripted results of the module stand-ins: statuses for the next or every
// call of an entry, and the handle and status of the next init.
#include "ModuleTestSupport.h"

namespace standin_test {
namespace {

using StandinScripting = StandinModuleTest;

TEST_F(StandinScripting, StatusForTheNextCallOrEveryCallOfOneKind) {
  const ViSession vi = OpenKaSession();
  auto commit = Resolve<&Slots::Commit>(ka_, "zuVEXAka_Commit");
  auto initiate = Resolve<&Slots::Initiate>(ka_, "zuVEXAka_Initiate");
  auto tovCommit = Resolve<&Slots::Commit>(OpenModule("libzuvexatov.so"), "zuVEXAtov_Commit");
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "Commit", -1074118655, VI_FALSE), VI_SUCCESS);
  ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "zuVEXAka_Initiate", 0x3FFA0002, VI_TRUE),
            VI_SUCCESS);
  EXPECT_EQ(tovCommit(vi), VI_SUCCESS) << "scripted for ka only";
  EXPECT_EQ(commit(vi), -1074118655);
  EXPECT_EQ(commit(vi), VI_SUCCESS);
  EXPECT_EQ(initiate(vi), 0x3FFA0002);
  EXPECT_EQ(initiate(vi), 0x3FFA0002);
  BackendStandin_ClearScripts();
  EXPECT_EQ(initiate(vi), VI_SUCCESS);
  EXPECT_EQ(BackendStandin_ScriptStatus(kKa, "NoSuchEntry", -1, VI_FALSE), kInvalidArgument);
}

TEST_F(StandinScripting, NextInitWritesAChosenHandleOrFails) {
  const ViSession existing = OpenKaSession();
  auto init = Resolve<&Slots::InitWithOptions_kaVey>(ka_, "zuVEXAka_InitWithOptions");
  ASSERT_EQ(BackendStandin_ScriptNextInit(kKa, VI_TRUE, existing, 0x3FFA0004), VI_SUCCESS);
  ViSession vi = 12345;
  EXPECT_EQ(init("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), 0x3FFA0004);
  EXPECT_EQ(vi, existing);
  EXPECT_EQ(IviStandin_SessionCount(), 1) << "nothing created";
  ASSERT_EQ(BackendStandin_ScriptNextInit(BACKENDSTANDIN_ALL_KINDS, VI_FALSE, 0, -1074130000), VI_SUCCESS);
  vi = 12345;
  EXPECT_EQ(init("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), -1074130000);
  EXPECT_EQ(vi, 12345u) << "an error writes nothing";
  EXPECT_EQ(init("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), VI_SUCCESS) << "only the next init";
}

} // namespace
} // namespace standin_test
