// The directory-kind table with a relocation library: lib/relocations/ relocates datarootdir only;
// lib/relocations-failing/ relocates prefixdir, fails at bindir and would relocate datarootdir.
#include "PathsTestSupport.h"
#include "zuapal/zuapalerr.h"

using pathtest::DirectoryKind;

TEST(RelocatedDirectories, OnlyDatarootdirMovesAndVersionFilesFollowIt) {
  EXPECT_EQ(DirectoryKind("datarootdir"), "/opt/zurelocated/share");
  EXPECT_EQ(DirectoryKind("prefixdir"), "/usr");
  EXPECT_EQ(DirectoryKind("datadir"), "/usr/share");
  pathtest::FileTree tree;
  tree.Write("/opt/zurelocated/share/zu-vexa/version/zuVEXAtov.txt", "4.5.6");
  tree.Write("/usr/share/zu-vexa/version/zuVEXAtov.txt", "default location");
  EXPECT_EQ(pathtest::VersionText("zuVEXAtov"), "4.5.6");
}

TEST(FailingRelocation, KindsBeforeTheFailureMoveAndEveryLookupVariableAndVersionReportsIt) {
  EXPECT_EQ(DirectoryKind("prefixdir", zuapalerr_resourceNotFound), "/opt/zurelocated");
  EXPECT_EQ(DirectoryKind("bindir", zuapalerr_resourceNotFound), "/usr/bin");
  EXPECT_EQ(DirectoryKind("datarootdir", zuapalerr_resourceNotFound), "/usr/share");
  zuerr::Status status;
  std::string value;
  zusysq::DirectoryKind("nosuchdir", value, status);
  EXPECT_EQ(status.code, zuapalerr_resourceNotFound) << "the table's error comes first";
  EXPECT_EQ(pathtest::Member(status.json, "error_constant"), "zuapalerr_resourceNotFound");
  zuerr::Status kindStatus, plainStatus;
  zusysq::ExpandPath("$_multiarchlibdir/x", kindStatus);
  EXPECT_EQ(kindStatus.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(zusysq::ExpandPath("$_commonAppDataDir/x", plainStatus), "/var/local/kelmar/x");
  EXPECT_EQ(plainStatus.code, 0);
  pathtest::FileTree tree;
  tree.Write("/usr/share/zu-vexa/version/zuVEXAka.txt", "1.0");
  pathtest::VersionText("zuVEXAka", zuapalerr_resourceNotFound);
}
