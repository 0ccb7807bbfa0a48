// Runs with lib/relocations/ on the loader's path: the stand-in relocates
// datarootdir only.
#include "PathsTestSupport.h"

TEST(RelocatedDirectories, OnlyDatarootdirMoves) {
  zuerr::Status status;
  std::string value;
  zusysq::DirectoryKind("datarootdir", value, status);
  EXPECT_EQ(value, "/opt/zurelocated/share");
  const std::pair<const char*, const char*> unmoved[] = {
      {"prefixdir", "/usr"}, {"bindir", "/usr/bin"}, {"datadir", "/usr/share"},
      {"docdir", "/usr/share/doc"}, {"initddir", "/etc/init.d"}};
  for (const auto& [kind, expected] : unmoved) {
    zusysq::DirectoryKind(kind, value, status);
    EXPECT_EQ(value, expected) << kind;
  }
  EXPECT_EQ(status.code, 0);
}

TEST(RelocatedDirectories, VersionFileIsReadBelowRelocatedDatarootdir) {
  pathtest::FileTree tree;
  tree.Write("/opt/zurelocated/share/zu-vexa/version/zuVEXAtov.txt", "4.5.6");
  tree.Write("/usr/share/zu-vexa/version/zuVEXAtov.txt", "default location");
  zuerr::Status status;
  std::string text;
  zusysq::ComponentVersionText("zuVEXAtov", "zu-vexa", text, status);
  EXPECT_EQ(status.code, 0);
  EXPECT_EQ(text, "4.5.6");
}
