#include <chrono>
#include <future>
#include <thread>

#include "PathsTestSupport.h"
#include "zuapal/zuapalerr.h"

using pathtest::FileTree;
using pathtest::Member;
using pathtest::ScopedEnv;

namespace {

std::string Variable(const char* name) {
  zuerr::Status status;
  std::string value = "stale";
  zusysq::LookupVariable(name, value, status);
  EXPECT_EQ(status.code, 0) << name;
  return value;
}

std::string Expanded(const char* path) {
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
  for (const auto& [content, expected] : cases) {
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
  for (const char* unknown : {"_noSuchVariable", "_TEMPDIR", ""}) EXPECT_EQ(Variable(unknown), "") << unknown;
  const std::pair<const char*, const char*> tmpdirs[] = {{"/scratch/tmp", "/scratch/tmp"}, {"", ""}, {nullptr, "/tmp"}};
  for (auto [tmpdir, expected] : tmpdirs) {
    ScopedEnv env("TMPDIR", tmpdir);
    EXPECT_EQ(Variable("_tempDir"), expected);
  }
}

TEST(ExpandPath, ReplacesEachReferenceOnceAndUnknownNamesByNothing) {
  ScopedEnv tmpdir("TMPDIR", "/scratch/$_commonAppDataDir");
  const std::pair<const char*, const char*> cases[] = {
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
  const char* detail = jsonz::Lookup(status.json, "zuxlator_debug");
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
  std::thread([promise = std::move(done)]() mutable { promise.set_value(Expanded("$_zuShared32Dir/errors")); })
      .detach();
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "expansion of a self-referring value does not end";
    std::_Exit(1); // the expanding thread cannot be stopped
  }
  EXPECT_EQ(result.get(), "$_zuShared32Dir/x/errors");
}
