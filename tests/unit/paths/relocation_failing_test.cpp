// Runs with lib/relocations-failing/ on the loader's path: the stand-in
// relocates prefixdir, fails for bindir, and would relocate datarootdir.
#include "PathsTestSupport.h"
#include "zuapal/zuapalerr.h"

namespace {

std::string KindValue(const char* kind, int32_t expectedCode) {
  zuerr::Status status;
  std::string value;
  zusysq::DirectoryKind(kind, value, status);
  EXPECT_EQ(status.code, expectedCode) << kind;
  return value;
}

} // namespace

TEST(FailingRelocation, KindsBeforeTheFailureMoveTheRestKeepDefaults) {
  EXPECT_EQ(KindValue("prefixdir", zuapalerr_resourceNotFound), "/opt/zurelocated");
  EXPECT_EQ(KindValue("execprefixdir", zuapalerr_resourceNotFound), "/usr");
  EXPECT_EQ(KindValue("bindir", zuapalerr_resourceNotFound), "/usr/bin");
  EXPECT_EQ(KindValue("datarootdir", zuapalerr_resourceNotFound), "/usr/share");
  EXPECT_EQ(KindValue("initddir", zuapalerr_resourceNotFound), "/etc/init.d");
}

TEST(FailingRelocation, EveryLookupReportsTheTableError) {
  zuerr::Status status;
  std::string value;
  zusysq::DirectoryKind("nosuchdir", value, status);
  EXPECT_EQ(status.code, zuapalerr_resourceNotFound) << "the table's error comes first";
  EXPECT_EQ(pathtest::Member(status.json, "error_constant"), "zuapalerr_resourceNotFound");
  EXPECT_EQ(KindValue("sysconfdir", zuapalerr_resourceNotFound), "/etc");
}

TEST(FailingRelocation, ReachesVariablesAndVersionTexts) {
  zuerr::Status expandStatus;
  zusysq::ExpandPath("$_multiarchlibdir/x", expandStatus);
  EXPECT_EQ(expandStatus.code, zuapalerr_resourceNotFound);

  zuerr::Status plainStatus;
  EXPECT_EQ(zusysq::ExpandPath("$_commonAppDataDir/x", plainStatus), "/var/local/kelmar/x");
  EXPECT_EQ(plainStatus.code, 0);

  pathtest::FileTree tree;
  tree.Write("/usr/share/zu-vexa/version/zuVEXAka.txt", "1.0");
  zuerr::Status versionStatus;
  std::string text;
  zusysq::ComponentVersionText("zuVEXAka", "zu-vexa", text, versionStatus);
  EXPECT_EQ(versionStatus.code, zuapalerr_resourceNotFound);
}
