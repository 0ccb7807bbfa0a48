// Fixed paths: the shared directory, path variables and their expansion, whole
// files, directory kinds and component version texts.
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <thread>
#include <utility>

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
  zuerr::Status status;
  std::string value = "stale";
  zusysq::LookupVariable(name, value, status);
  EXPECT_EQ(status.code, 0) << name;
  return value;
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
  for (const auto &[content, expected] : cases) {
    tree.Write(zusysq::kShareDirFile, content);
    EXPECT_EQ(zusysq::SharedDirectory(), expected) << '"' << content << '"';
  }
  tree.Write(zusysq::kShareDirFile, "/second");
  EXPECT_EQ(Variable("_zuSharedDir"), "/second");
  EXPECT_EQ(Variable("_zuShared32Dir"), "/second");
}

TEST(PathVariables, ValuesAndTheTemporaryDirectoryFromTmpdir) {
  EXPECT_EQ(Variable("_commonAppDataDir"), "/var/local/kelmar");
  EXPECT_EQ(Variable("_multiarchlibdir"), "/usr/lib/x86_64-linux-gnu");
  for (const char *unknown : {"_noSuchVariable", "_TEMPDIR", ""}) EXPECT_EQ(Variable(unknown), "") << unknown;
  const std::pair<const char *, const char *> tmpdirs[] = {
      {"/scratch/tmp", "/scratch/tmp"}, {"", ""}, {nullptr, "/tmp"}};
  for (auto [tmpdir, expected] : tmpdirs) {
    ScopedEnv env("TMPDIR", tmpdir);
    EXPECT_EQ(Variable("_tempDir"), expected);
  }
}

TEST(ExpandPath, ReplacesEachReferenceOnceAndUnknownNamesByNothing) {
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
}

TEST(ExpandPath, ReferenceWithoutSlashFailsWithDetail) {
  ScopedEnv tmpdir("TMPDIR", "/t");
  zuerr::Status status;
  EXPECT_EQ(zusysq::ExpandPath("$_tempDir/a/$_tempDir", status), "/t/a/");
  ASSERT_EQ(status.code, zuapalerr_invalidParameter);
  const char *detail = jsonz::Lookup(status.json, "zuxlator_debug");
  EXPECT_EQ(Member(detail, "zuxlatordll"), "plugin dll path invalid");
  EXPECT_EQ(Member(detail, "dllPath"), "/t/a/$_tempDir");
  EXPECT_EQ(Member(status.json, "error_constant"), "zuapalerr_invalidParameter");

  zuerr::Status bare;
  EXPECT_EQ(zusysq::ExpandPath("$_tempDir", bare), "");
  EXPECT_EQ(bare.code, zuapalerr_invalidParameter);
}

TEST(ExpandPath, StatusHoldingErrorKeepsItAndExpandsToNothing) {
  zuerr::Status status;
  ZUERR_SET(status, zuapalerr_osFault);
  EXPECT_EQ(zusysq::ExpandPath("$_commonAppDataDir/x", status), "/x");
  EXPECT_EQ(status.code, zuapalerr_osFault);
}

// Regression: a self-referring share.dir once looped for ever; a watchdog fails instead of hanging.
TEST(ExpandPath, SelfReferenceEnds) {
  FileTree tree;
  tree.Write(zusysq::kShareDirFile, "$_zuShared32Dir/x");
  std::promise<std::string> done;
  std::future<std::string> result = done.get_future();
  std::thread([promise = std::move(done)]() mutable {
    promise.set_value(Expanded("$_zuShared32Dir/errors"));
  }).detach();
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "expansion of a self-referring value does not end";
    std::_Exit(1); // the expanding thread cannot be stopped
  }
  EXPECT_EQ(result.get(), "$_zuShared32Dir/x/errors");
}

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
  const std::pair<std::string, int> cases[] = {{tree.Path() + "/no/such/file", ENOENT},
                                               {tree.Path(), EISDIR}};
  for (const auto &[path, error] : cases) {
    zuerr::Status status;
    std::vector<char> bytes;
    zusysq::ReadWholeFile(path.c_str(), bytes, status);
    ASSERT_EQ(status.code, zuapalerr_resourceNotFound) << path;
    const char *internal = jsonz::Lookup(status.json, "internal_error");
    ASSERT_NE(internal, nullptr) << status.json;
    EXPECT_EQ(Member(internal, "api"), "errno");
    EXPECT_EQ(jsonz::GetInt(jsonz::Lookup(internal, "code"), -1, nullptr), error);
    EXPECT_EQ(Member(internal, "string"), std::strerror(error));
    const char *debug = jsonz::Lookup(status.json, "zusysq_debug");
    EXPECT_LT(internal, debug) << "the system's error comes before the module's own detail";
    EXPECT_EQ(Member(debug, "desc"), "error opening file");
    EXPECT_EQ(Member(debug, "filename"), path);
  }
}

// Without a relocation library on the loader's path.
TEST(DirectoryKind, DefaultsAndUnknownKinds) {
  EXPECT_EQ(DirectoryKind("runstatedir"), "/var/run");
  for (const char *kind : {"nosuchdir", "BINDIR", ""}) EXPECT_EQ(DirectoryKind(kind, zuapalerr_osFault), "");
}

TEST(ComponentVersionText, WholeFileOrNotInstalledAndThePathCutTo99Characters) {
  FileTree tree;
  const std::string content("1.2.3\0build 7\n", 14);
  tree.Write("/usr/share/zu-vexa/version/zuVEXAka.txt", content);
  EXPECT_EQ(VersionText("zuVEXAka"), content);
  EXPECT_EQ(VersionText("zuVEXAlem", ZUVEXA_ERROR_VERSION_FILE_NOT_FOUND), "");
  // The 27-character folder plus a 68-character name and ".txt" is exactly 99 characters.
  const std::pair<size_t, const char *> names[] = {{68, ".txt"}, {69, ".tx"}, {72, ""}};
  for (const auto &[length, kept] : names) {
    const std::string component(length, 'c');
    tree.Write("/usr/share/zu-vexa/version/" + component + kept, "9.9");
    EXPECT_EQ(VersionText(component.c_str()), "9.9") << length;
  }
}
