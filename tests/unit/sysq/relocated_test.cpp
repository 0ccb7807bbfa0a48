// With lib/relocations/ on the loader's path: datarootdir only is relocated.
#include "PathsTestSupport.h"

TEST(RelocatedDirectories, OnlyDatarootdirMovesAndVersionFilesFollowIt) {
  EXPECT_EQ(pathtest::DirectoryKind("datarootdir"), "/opt/zurelocated/share");
  EXPECT_EQ(pathtest::DirectoryKind("prefixdir"), "/usr");
  EXPECT_EQ(pathtest::DirectoryKind("datadir"), "/usr/share");
  pathtest::FileTree tree;
  tree.Write("/opt/zurelocated/share/zu-vexa/version/zuVEXAtov.txt", "4.5.6");
  tree.Write("/usr/share/zu-vexa/version/zuVEXAtov.txt", "default location");
  EXPECT_EQ(pathtest::VersionText("zuVEXAtov"), "4.5.6");
}
