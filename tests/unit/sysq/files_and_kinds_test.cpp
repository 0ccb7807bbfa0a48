#include <cerrno>
#include <cstring>
#include <utility>

#include "PathsTestSupport.h"
#include "status/StatusCodes.h"
#include "zuapal/zuapalerr.h"

using pathtest::DirectoryKind;
using pathtest::FileTree;
using pathtest::Member;
using pathtest::VersionText;

TEST(ReadWholeFile, ReadsEveryByteAndAppendsNul) {
  FileTree tree;
  const std::string content("ab\0c\xff\n", 6);
  zuerr::Status status;
  std::vector<char> bytes{'x'};
  zusysq::ReadWholeFile(tree.Write("/data.bin", content).c_str(), bytes, status);
  EXPECT_EQ(status.code, 0);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), content + '\0');
  zusysq::ReadWholeFile(tree.Write("/empty", "").c_str(), bytes, status);
  EXPECT_EQ(bytes, std::vector<char>{'\0'});
}

TEST(ReadWholeFile, UnopenableFileGivesResourceNotFoundWithTheSystemError) {
  FileTree tree;
  const std::pair<std::string, int> cases[] = {{tree.Path() + "/no/such/file", ENOENT}, {tree.Path(), EISDIR}};
  for (const auto& [path, error] : cases) {
    zuerr::Status status;
    std::vector<char> bytes;
    zusysq::ReadWholeFile(path.c_str(), bytes, status);
    ASSERT_EQ(status.code, zuapalerr_resourceNotFound) << path;
    const char* internal = jsonz::Lookup(status.json, "internal_error");
    ASSERT_NE(internal, nullptr) << status.json;
    EXPECT_EQ(Member(internal, "api"), "errno");
    EXPECT_EQ(jsonz::GetInt(jsonz::Lookup(internal, "code"), -1, nullptr), error);
    EXPECT_EQ(Member(internal, "string"), std::strerror(error));
    const char* debug = jsonz::Lookup(status.json, "zusysq_debug");
    EXPECT_LT(internal, debug) << "the system's error comes before the module's own detail";
    EXPECT_EQ(Member(debug, "desc"), "error opening file");
    EXPECT_EQ(Member(debug, "filename"), path);
  }
}

// Without a relocation library on the loader's path.
TEST(DirectoryKind, DefaultsAndUnknownKinds) {
  EXPECT_EQ(DirectoryKind("runstatedir"), "/var/run");
  for (const char* kind : {"nosuchdir", "BINDIR", ""}) EXPECT_EQ(DirectoryKind(kind, zuapalerr_osFault), "");
}

TEST(ComponentVersionText, WholeFileOrNotInstalledAndThePathCutTo99Characters) {
  FileTree tree;
  const std::string content("1.2.3\0build 7\n", 14);
  tree.Write("/usr/share/zu-vexa/version/zuVEXAka.txt", content);
  EXPECT_EQ(VersionText("zuVEXAka"), content);
  EXPECT_EQ(VersionText("zuVEXAlem", ZUVEXA_ERROR_VERSION_FILE_NOT_FOUND), "");
  // The 27-character folder plus a 68-character name and ".txt" is exactly 99 characters.
  const std::pair<size_t, const char*> names[] = {{68, ".txt"}, {69, ".tx"}, {72, ""}};
  for (const auto& [length, kept] : names) {
    const std::string component(length, 'c');
    tree.Write("/usr/share/zu-vexa/version/" + component + kept, "9.9");
    EXPECT_EQ(VersionText(component.c_str()), "9.9") << length;
  }
}
