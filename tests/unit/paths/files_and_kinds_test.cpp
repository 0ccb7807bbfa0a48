#include <cerrno>
#include <cstring>

#include "PathsTestSupport.h"
#include "zuapal/zuapalerr.h"

using pathtest::FileTree;
using pathtest::IntMember;
using pathtest::Member;

namespace {

const std::pair<const char*, const char*> kDefaultKinds[] = {
    {"prefixdir", "/usr"},
    {"execprefixdir", "/usr"},
    {"bindir", "/usr/bin"},
    {"sbindir", "/usr/sbin"},
    {"libdir", "/usr/lib"},
    {"lib32dir", "/usr/lib"},
    {"lib64dir", "/usr/lib64"},
    {"nativelibdir", "/usr/lib64"},
    {"multiarchlibdir", "/usr/lib/x86_64-linux-gnu"},
    {"libexecdir", "/usr/libexec"},
    {"sharedstatedir", "/var/lib"},
    {"datarootdir", "/usr/share"},
    {"datadir", "/usr/share"},
    {"sysconfdir", "/etc"},
    {"localstatedir", "/var"},
    {"runstatedir", "/var/run"},
    {"includedir", "/usr/include"},
    {"docdir", "/usr/share/doc"},
    {"initddir", "/etc/init.d"},
};

void ExpectErrnoDetail(const zuerr::Status& status, int error) {
  const char* internal = jsonz::Lookup(status.json, "internal_error");
  ASSERT_NE(internal, nullptr) << status.json;
  EXPECT_EQ(Member(internal, "api"), "errno");
  EXPECT_EQ(IntMember(internal, "code"), error);
  EXPECT_EQ(Member(internal, "string"), std::strerror(error));
  // internal_error comes before the module's own detail.
  EXPECT_LT(std::strstr(status.json, "internal_error"), std::strstr(status.json, "zusysq_debug"));
}

} // namespace

// ---- Whole files ----

TEST(ReadWholeFile, ReadsEveryByteAndAppendsNul) {
  FileTree tree;
  const std::string content("ab\0c\xff\n", 6);
  std::string path = tree.Write("/data.bin", content);
  zuerr::Status status;
  std::vector<char> bytes{'x'};
  zusysq::ReadWholeFile(path.c_str(), bytes, status);
  EXPECT_EQ(status.code, 0);
  ASSERT_EQ(bytes.size(), content.size() + 1);
  EXPECT_EQ(std::string(bytes.data(), content.size()), content);
  EXPECT_EQ(bytes.back(), '\0');

  path = tree.Write("/empty", "");
  zusysq::ReadWholeFile(path.c_str(), bytes, status);
  EXPECT_EQ(status.code, 0);
  EXPECT_EQ(bytes, std::vector<char>{'\0'});
}

TEST(ReadWholeFile, MissingFileGivesResourceNotFoundWithErrno) {
  FileTree tree;
  const std::string path = tree.Root() + "/no/such/file";
  zuerr::Status status;
  std::vector<char> bytes;
  zusysq::ReadWholeFile(path.c_str(), bytes, status);
  ASSERT_EQ(status.code, zuapalerr_resourceNotFound);
  ExpectErrnoDetail(status, ENOENT);
  const char* debug = jsonz::Lookup(status.json, "zusysq_debug");
  EXPECT_EQ(Member(debug, "desc"), "error opening file");
  EXPECT_EQ(Member(debug, "filename"), path);
  EXPECT_EQ(Member(status.json, "component"), "zuvexa");
}

TEST(ReadWholeFile, DirectoryCannotBeReadWhole) {
  FileTree tree;
  zuerr::Status status;
  std::vector<char> bytes;
  zusysq::ReadWholeFile(tree.Root().c_str(), bytes, status);
  ASSERT_EQ(status.code, zuapalerr_resourceNotFound);
  ExpectErrnoDetail(status, EISDIR);
}

// ---- Directory kinds (no relocation library on the loader's path) ----

TEST(DirectoryKind, AllKindsHaveTheirDefaults) {
  zuerr::Status status;
  for (const auto& [kind, expected] : kDefaultKinds) {
    std::string value;
    zusysq::DirectoryKind(kind, value, status);
    EXPECT_EQ(value, expected) << kind;
  }
  EXPECT_EQ(status.code, 0);
}

TEST(DirectoryKind, UnknownKindIsOsFault) {
  for (const char* kind : {"nosuchdir", "BINDIR", ""}) {
    zuerr::Status status;
    std::string value = "stale";
    zusysq::DirectoryKind(kind, value, status);
    EXPECT_EQ(status.code, zuapalerr_osFault) << kind;
    EXPECT_EQ(value, "");
  }
}

// ---- Component version text ----

TEST(ComponentVersionText, ReadsWholeVersionFile) {
  FileTree tree;
  const std::string content("1.2.3\0build 7\n", 14);
  tree.Write("/usr/share/zu-vexa/version/zuVEXAka.txt", content);
  zuerr::Status status;
  std::string text;
  zusysq::ComponentVersionText("zuVEXAka", "zu-vexa", text, status);
  EXPECT_EQ(status.code, 0);
  EXPECT_EQ(text, content);
}

TEST(ComponentVersionText, MissingFileMeansNotInstalled) {
  FileTree tree;
  zuerr::Status status;
  std::string text;
  zusysq::ComponentVersionText("zuVEXAlem", "zu-vexa", text, status);
  EXPECT_EQ(status.code, static_cast<int32_t>(0xBFFA9171));
  EXPECT_EQ(text, "");
}

TEST(ComponentVersionText, PathIsCutTo99Characters) {
  FileTree tree;
  // "/usr/share/zu-vexa/version/" is 27 characters: a 72-character component
  // name fills the 99 and its ".txt" is cut off.
  const std::string component(72, 'c');
  tree.Write("/usr/share/zu-vexa/version/" + component, "9.9");
  zuerr::Status status;
  std::string text;
  zusysq::ComponentVersionText(component.c_str(), "zu-vexa", text, status);
  EXPECT_EQ(status.code, 0);
  EXPECT_EQ(text, "9.9");
}
