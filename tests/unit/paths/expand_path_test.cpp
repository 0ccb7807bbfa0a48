#include <chrono>
#include <future>
#include <thread>

#include "PathsTestSupport.h"
#include "zuapal/zuapalerr.h"

using pathtest::FileTree;
using pathtest::Member;
using pathtest::ScopedEnv;

namespace {

std::string Variable(const char* name, zuerr::Status& status) {
  std::string value = "stale";
  zusysq::LookupVariable(name, value, status);
  return value;
}

std::string Expanded(const char* path) {
  zuerr::Status status;
  std::string result = zusysq::ExpandPath(path, status);
  EXPECT_EQ(status.code, 0) << path;
  return result;
}

} // namespace

// ---- Shared directory (share.dir) ----

TEST(SharedDirectory, DefaultWithoutShareDirFile) {
  FileTree tree;
  EXPECT_EQ(zusysq::SharedDirectory(), "/usr/local/kelmar/share");
  EXPECT_EQ(Expanded("$_zuShared32Dir/errors"), "/usr/local/kelmar/share/errors");
}

TEST(SharedDirectory, TrimsTrailingSlashBlanksAndNulThenLeadingBlanks) {
  FileTree tree;
  const struct {
    std::string content;
    std::string expected;
  } cases[] = {
      {"/opt/share/\n", "/opt/share"},
      {"  /opt/share", "/opt/share"},
      {"\t/opt/share//\r\n", "/opt/share"},
      {std::string("/opt/share\0/ \0", 14), "/opt/share"},
      {" /a b\n/c \n", "/a b\n/c"}, // inner blanks and line ends stay
      {"/ / \n//", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    tree.WriteShareDir(c.content);
    EXPECT_EQ(zusysq::SharedDirectory(), c.expected) << '"' << c.content << '"';
  }
}

TEST(SharedDirectory, ReadAgainAtEveryLookup) {
  FileTree tree;
  zuerr::Status status;
  tree.WriteShareDir("/first");
  EXPECT_EQ(Variable("_zuShared32Dir", status), "/first");
  tree.WriteShareDir("/second");
  EXPECT_EQ(Variable("_zuShared32Dir", status), "/second");
  EXPECT_EQ(Variable("_zuSharedDir", status), "/second");
  EXPECT_EQ(status.code, 0);
}

// ---- Path variables ----

TEST(PathVariables, FixedAndDirectoryKindValues) {
  zuerr::Status status;
  EXPECT_EQ(Variable("_commonAppDataDir", status), "/var/local/kelmar");
  EXPECT_EQ(Variable("_multiarchlibdir", status), "/usr/lib/x86_64-linux-gnu");
  EXPECT_EQ(status.code, 0);
}

TEST(PathVariables, TempDirFollowsTmpdirEvenWhenEmpty) {
  zuerr::Status status;
  {
    ScopedEnv tmpdir("TMPDIR", "/scratch/tmp");
    EXPECT_EQ(Variable("_tempDir", status), "/scratch/tmp");
  }
  {
    ScopedEnv tmpdir("TMPDIR", "");
    EXPECT_EQ(Variable("_tempDir", status), "");
  }
  {
    ScopedEnv tmpdir("TMPDIR", nullptr);
    EXPECT_EQ(Variable("_tempDir", status), "/tmp");
  }
  EXPECT_EQ(status.code, 0);
}

TEST(PathVariables, UnknownOrDifferentlyCasedNameIsEmptyWithoutError) {
  zuerr::Status status;
  EXPECT_EQ(Variable("_noSuchVariable", status), "");
  EXPECT_EQ(Variable("_TEMPDIR", status), "");
  EXPECT_EQ(Variable("", status), "");
  EXPECT_EQ(status.code, 0);
}

// ---- Expansion ----

TEST(ExpandPath, ReplacesEveryReference) {
  ScopedEnv tmpdir("TMPDIR", "/scratch");
  EXPECT_EQ(Expanded("$_tempDir/x"), "/scratch/x");
  EXPECT_EQ(Expanded("$_tempDir/a/$_commonAppDataDir/b"), "/scratch/a//var/local/kelmar/b");
  EXPECT_EQ(Expanded("/plain/path"), "/plain/path");
  EXPECT_EQ(Expanded(""), "");
}

TEST(ExpandPath, UnknownNameExpandsToNothing) {
  EXPECT_EQ(Expanded("$noSuchName/x"), "/x");
  EXPECT_EQ(Expanded("$/x"), "/x");
}

TEST(ExpandPath, ReferenceWithoutSlashFailsWithDetail) {
  ScopedEnv tmpdir("TMPDIR", "/t");
  zuerr::Status status;
  std::string result = zusysq::ExpandPath("$_tempDir/a/$_tempDir", status);
  ASSERT_EQ(status.code, zuapalerr_invalidParameter);
  EXPECT_EQ(result, "/t/a/");
  const char* detail = jsonz::Lookup(status.json, "zuxlator_debug");
  ASSERT_NE(detail, nullptr) << status.json;
  EXPECT_EQ(Member(detail, "zuxlatordll"), "plugin dll path invalid");
  EXPECT_EQ(Member(detail, "dllPath"), "/t/a/$_tempDir");
  EXPECT_EQ(Member(status.json, "error_constant"), "zuapalerr_invalidParameter");
}

TEST(ExpandPath, BareReferenceFails) {
  zuerr::Status status;
  EXPECT_EQ(zusysq::ExpandPath("$_tempDir", status), "");
  EXPECT_EQ(status.code, zuapalerr_invalidParameter);
}

TEST(ExpandPath, StatusHoldingErrorKeepsItAndExpandsToNothing) {
  zuerr::Status status;
  ZUERR_SET(status, zuapalerr_osFault);
  EXPECT_EQ(zusysq::ExpandPath("$_commonAppDataDir/x", status), "/x");
  EXPECT_EQ(status.code, zuapalerr_osFault);
}

// A share.dir naming the variable that reads it once made the expansion loop
// for ever; substituted text is now left as it is.
TEST(ExpandPath, SelfReferenceEnds) {
  FileTree tree;
  tree.WriteShareDir("$_zuShared32Dir/x");
  std::promise<std::string> done;
  std::future<std::string> result = done.get_future();
  // The expansion runs on its own thread so that a loop fails the test
  // instead of hanging it.
  std::thread([promise = std::move(done)]() mutable {
    promise.set_value(Expanded("$_zuShared32Dir/errors"));
  }).detach();
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "expansion of a self-referring value does not end";
    std::_Exit(1); // the expanding thread cannot be stopped
  }
  EXPECT_EQ(result.get(), "$_zuShared32Dir/x/errors");
}

TEST(ExpandPath, SubstitutedTextIsNotScannedAgain) {
  ScopedEnv tmpdir("TMPDIR", "$_commonAppDataDir/tmp$");
  EXPECT_EQ(Expanded("$_tempDir/x"), "$_commonAppDataDir/tmp$/x");
}
