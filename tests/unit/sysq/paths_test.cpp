// Fixed paths: the shared directory, path variables and their expansion, whole
// files, directory kinds and component version texts.
#include <cerrno>
#include <cstring>

#include "PathsTestSupport.h"
#include "status/StatusCodes.h"
#include "zuapal/zuapalerr.h"

using pathtest::DirectoryKind;
using pathtest::FileTree;
using pathtest::Member;
using pathtest::ScopedEnv;
using pathtest::VersionText;

namespace {

std::string Variable(const char *name) {
  return pathtest::Checked(name, 0,
                           [&](std::string &v, zuerr::Status &s) { zusysq::LookupVariable(name, v, s); });
}

std::string Expanded(const char *path) {
  zuerr::Status status;
  std::string result = zusysq::ExpandPath(path, status);
  EXPECT_EQ(status.code, 0) << path;
  return result;
}

} // namespace

// Read again at every lookup; trailing slashes, blanks and NULs go, then leading blanks.
TEST(SharedDirectory, DefaultWithoutTheFileElseTheTrimmedFirstLine) {
  FileTree tree;
  EXPECT_EQ(Variable("_zuShared32Dir"), "/usr/local/kelmar/share");
  const std::pair<std::string, std::string> cases[] = {
      {"/first", "/first"},
      {"\t/opt/share//\r\n", "/opt/share"},
      {"  /opt/share", "/opt/share"},
      {std::string("/opt/share\0/ \0", 14), "/opt/share"},
      {" /a b\n/c \n", "/a b\n/c"}, // inner blanks and line ends stay
      {"/ / \n//", ""},
      {"", ""},
  };
  for (const auto &[content, expected] : cases)
    EXPECT_EQ((tree.Write(zusysq::kShareDirFile, content), zusysq::SharedDirectory()), expected) << content;
  tree.Write(zusysq::kShareDirFile, "/second");
  EXPECT_EQ(Variable("_zuSharedDir"), "/second");
  EXPECT_EQ(Variable("_zuShared32Dir"), "/second");
}

TEST(PathVariables, ValuesAndTheTemporaryDirectoryFromTmpdir) {
  EXPECT_EQ(Variable("_commonAppDataDir"), "/var/local/kelmar");
  EXPECT_EQ(Variable("_multiarchlibdir"), "/usr/lib/x86_64-linux-gnu");
  for (const char *unknown : {"_noSuchVariable", "_TEMPDIR", ""}) EXPECT_EQ(Variable(unknown), "") << unknown;
  for (auto [tmpdir, expected] : {std::pair{"/s/tmp", "/s/tmp"}, {"", ""}, {nullptr, "/tmp"}})
    EXPECT_EQ((ScopedEnv("TMPDIR", tmpdir), Variable("_tempDir")), expected);
}

TEST(ExpandPath, ReplacesEachReferenceOnceUnknownNamesByNothingAndFailsWithoutSlash) {
  ScopedEnv tmpdir("TMPDIR", "/scratch/$_commonAppDataDir");
  const std::pair<const char *, const char *> cases[] = {
      {"$_commonAppDataDir/a/$_multiarchlibdir/b", "/var/local/kelmar/a//usr/lib/x86_64-linux-gnu/b"},
      {"$_tempDir/x", "/scratch/$_commonAppDataDir/x"}, // substituted text is not scanned again
      {"$noSuchName/x", "/x"},
      {"$/x", "/x"},
      {"/plain/path", "/plain/path"},
      {"", ""},
  };
  for (auto [path, expected] : cases) EXPECT_EQ(Expanded(path), expected);
  ScopedEnv shortTmpdir("TMPDIR", "/t");
  zuerr::Status status;
  EXPECT_EQ(zusysq::ExpandPath("$_tempDir/a/$_tempDir", status), "/t/a/");
  ASSERT_EQ(status.code, zuapalerr_invalidParameter);
  EXPECT_EQ(Member(jsonz::Lookup(status.json, "zuxlator_debug"), "dllPath"), "/t/a/$_tempDir");
  zuerr::Status bare;
  EXPECT_EQ(zusysq::ExpandPath("$_tempDir", bare), "");
  EXPECT_EQ(bare.code, zuapalerr_invalidParameter);
}

TEST(ExpandPath, StatusHoldingErrorKeepsItAndSelfReferenceEnds) {
  zuerr::Status status;
  ZUERR_SET(status, zuapalerr_osFault);
  EXPECT_EQ(zusysq::ExpandPath("$_commonAppDataDir/x", status), "/x");
  EXPECT_EQ(status.code, zuapalerr_osFault);
  // Regression: a self-referring share.dir once looped for ever (the test's time limit catches a hang).
  FileTree tree;
  tree.Write(zusysq::kShareDirFile, "$_zuShared32Dir/x");
  EXPECT_EQ(Expanded("$_zuShared32Dir/errors"), "$_zuShared32Dir/x/errors");
}

TEST(ReadWholeFile, ReadsEveryByteAndAppendsNulOrGivesTheSystemError) {
  FileTree tree;
  const std::string content("ab\0c\xff\n", 6);
  zuerr::Status status;
  std::vector<char> bytes{'x'};
  zusysq::ReadWholeFile(tree.Write("/data.bin", content).c_str(), bytes, status);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), content + '\0');
  zusysq::ReadWholeFile(tree.Write("/empty", "").c_str(), bytes, status);
  EXPECT_EQ(bytes, std::vector<char>{'\0'});
  const std::pair<std::string, int> cases[] = {{tree.Path() + "/no/such/file", ENOENT},
                                               {tree.Path(), EISDIR}};
  for (const auto &[path, error] : cases) {
    zuerr::Status status;
    std::vector<char> bytes;
    zusysq::ReadWholeFile(path.c_str(), bytes, status);
    ASSERT_EQ(status.code, zuapalerr_resourceNotFound) << path;
    const char *internal = jsonz::Lookup(status.json, "internal_error");
    const char *debug = jsonz::Lookup(status.json, "zusysq_debug");
    ASSERT_LT(internal, debug) << "the system's error comes before the module's own detail";
    EXPECT_EQ(Member(internal, "api") + Member(internal, "code") + Member(internal, "string"),
              "errno" + std::to_string(error) + std::strerror(error));
    EXPECT_EQ(Member(debug, "desc") + Member(debug, "filename"), "error opening file" + path);
  }
}

// Without a relocation library on the loader's path.
TEST(DirectoryKind, DefaultsAndVersionTextsWholeOrNotInstalledWithThePathCutTo99Characters) {
  EXPECT_EQ(DirectoryKind("runstatedir"), "/var/run");
  for (const char *kind : {"nosuchdir", "BINDIR", ""}) EXPECT_EQ(DirectoryKind(kind, zuapalerr_osFault), "");
  FileTree tree;
  const std::string content("1.2.3\0build 7\n", 14);
  tree.Write("/usr/share/zu-vexa/version/zuVEXAka.txt", content);
  EXPECT_EQ(VersionText("zuVEXAka"), content);
  EXPECT_EQ(VersionText("zuVEXAlem", ZUVEXA_ERROR_VERSION_FILE_NOT_FOUND), "");
  // The 27-character folder plus a 68-character name and ".txt" is exactly 99 characters.
  for (const auto &[length, kept] : {std::pair{68, ".txt"}, {69, ".tx"}, {72, ""}}) {
    const std::string component(length, 'c');
    tree.Write("/usr/share/zu-vexa/version/" + component + kept, "9.9");
    EXPECT_EQ(VersionText(component.c_str()), "9.9") << length;
  }
}
