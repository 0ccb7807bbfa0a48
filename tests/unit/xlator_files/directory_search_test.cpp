#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ErrorFileTree.h"
#include "zuapal/zuapalerr.h"
#include "zuxlator/gxErrorsParser.h"

using namespace xlatortest;

namespace {

Found InDir(const std::string &directory) {
  return xlatortest::Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInDir(directory.c_str(), kCode, text, status);
  });
}

Found InErrorsDir(const std::string &directory, uint32_t language) {
  return xlatortest::Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInErrorsDir(directory.c_str(), kCode, language, text, status);
  });
}

std::string Described(const char *text) { return Document(Entry("0xBFFA0056", text)); }

} // namespace

TEST(ErrorDirectory, ReadsOnlyRegularTxtAndErrFilesFollowingLinks) {
  ErrorFileTree tree;
  for (const char *ignored : {"a.ERR", "a.err.bak", "err", "a.xml"})
    tree.Write(std::string("d/") + ignored, Described("no"));
  tree.Write("d/sub.err/inner.err", Described("no"));
  EXPECT_EQ(InDir(tree.Path("d")).text, "");

  const std::string target = tree.Write("elsewhere/target.xml", Described("through a link"));
  ASSERT_EQ(symlink(target.c_str(), tree.Path("d/link.txt").c_str()), 0);
  tree.Write("d/empty.err", Document("<zuerror code=\"0xBFFA0056\">\n</zuerror>\n")); // searched on
  tree.Write("d/other.err", Document(Entry("1", "other code")));
  Found found = InDir(tree.Path("d"));
  EXPECT_EQ(found.code, 0);
  EXPECT_EQ(found.text, "through a link");
}

TEST(ErrorDirectory, FolderThatCannotBeOpenedReportsItsErrorNumber) {
  ErrorFileTree tree;
  const std::string file = tree.Write("plain.err", Described("x"));
  const std::pair<std::string, int> cases[] = {
      {tree.Path("absent"), ENOENT},
      {file, ENOENT}, // not a folder: still "no such folder"
      {"", EINVAL},
      {"/" + std::string(4095, 'a'), ENAMETOOLONG},
  };
  for (const auto &[directory, error] : cases) {
    Found found = InDir(directory);
    EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
    const char *json = found.json.c_str();
    EXPECT_EQ(Detail(json, "internal_error", "api"), "errno");
    EXPECT_EQ(Detail(json, "internal_error", "code"), std::to_string(error));
    EXPECT_EQ(Detail(json, "internal_error", "string"), std::strerror(error));
    EXPECT_EQ(Detail(json, "zuxlator_debug", "debug"), "open dir failed");
    EXPECT_EQ(Detail(json, "zuxlator_debug", "path"), directory);
  }
}

TEST(ErrorDirectory, EntriesWhoseInformationCannotBeReadEndTheSearch) {
  ErrorFileTree tree;
  ASSERT_EQ(symlink(tree.Path("nowhere").c_str(), tree.Path("dangling.bak").c_str()), 0);
  Found found = InDir(tree.Path());
  EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(Detail(found.json.c_str(), "zuxlator_debug", "zuxlator"), "get file info failed");
  EXPECT_EQ(Detail(found.json.c_str(), "zuxlator_debug", "path"), tree.Path());
  EXPECT_EQ(Detail(found.json.c_str(), "internal_error", "code"), std::to_string(ENOENT));
}

TEST(ErrorDirectory, EntryPathOverTheLimitEndsTheSearch) {
  ErrorFileTree tree;
  std::string directory = tree.Path();
  while (directory.size() < 4000) {
    directory += "/" + std::string(200, 'd');
    ASSERT_EQ(mkdir(directory.c_str(), 0700), 0);
  }
  const int folder = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(folder, 0);
  close(openat(folder, (std::string(120, 'f') + ".err").c_str(), O_CREAT | O_WRONLY, 0600));
  close(folder);
  Found found = InDir(directory);
  EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(Detail(found.json.c_str(), "internal_error", "code"), std::to_string(ENAMETOOLONG));
}

TEST(ErrorDirectory, MalformedFileEndsTheSearchWithoutText) {
  ErrorFileTree tree;
  tree.Write("d/broken.err", Document("<zuerror code=\"0xBFFA0056\">\nunterminated\n"));
  tree.Write("d/notes.md", Described("not a description file"));
  Found found = InDir(tree.Path("d"));
  EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(found.text, "");
}

TEST(ErrorsDirectory, LanguageFolderFirstThenTheFolderItself) {
  ErrorFileTree tree;
  tree.Write("errors/own.err", Described("own"));
  tree.Write("errors/German/de.err", Described("deutsch"));
  tree.Write("errors/French/fr.err", Document(Entry("1", "other code")));
  const std::pair<uint32_t, std::string> cases[] = {
      {2, "deutsch"},
      {1, "own"}, // language folder without the code
      {3, "own"}, // no language folder at all
  };
  for (const auto &[language, expected] : cases) {
    Found found = InErrorsDir(tree.Path("errors"), language);
    EXPECT_EQ(found.code, 0) << found.json;
    EXPECT_EQ(found.text, expected) << language;
  }
}

TEST(ErrorsDirectory, ErrorsInTheLanguageFolderOtherThanOpeningItAreKept) {
  ErrorFileTree tree;
  tree.Write("errors/own.err", Described("own"));
  tree.Write("errors/English/broken.err", Document("<zuerror code=\"x\">\n"));
  EXPECT_EQ(InErrorsDir(tree.Path("errors"), 0).code, zuapalerr_resourceNotFound);
  Found missing = InErrorsDir(tree.Path("absent"), 0);
  EXPECT_EQ(Detail(missing.json.c_str(), "zuxlator_debug", "path"), tree.Path("absent"));
}

TEST(ErrorsDirectory, InvalidLanguageSearchesNothing) {
  ErrorFileTree tree;
  tree.Write("errors/own.err", Described("own"));
  for (uint32_t language : {6u, 0xFFFFFFFFu}) {
    Found found = InErrorsDir(tree.Path("errors"), language);
    EXPECT_EQ(found.code, zuapalerr_invalidParameter);
    EXPECT_EQ(found.text, "");
    EXPECT_EQ(Detail(found.json.c_str(), "zuxlator_debug", "gxerrorsparser"), "invalid language");
    EXPECT_EQ(Detail(found.json.c_str(), "zuxlator_debug", "lang"), std::to_string(language));
  }
}

TEST(LanguageDirectoryName, SixLanguagesThenAnError) {
  const char *expected[] = {"English", "French", "German", "Japanese", "Korean", "ChineseS"};
  for (uint32_t language = 0; language < 6; ++language) {
    zuerr::Status status;
    EXPECT_STREQ(zuxlator::LanguageDirectoryName(language, status), expected[language]);
    EXPECT_EQ(status.code, 0);
  }
  zuerr::Status status;
  EXPECT_STREQ(zuxlator::LanguageDirectoryName(6, status), "");
  EXPECT_EQ(status.code, zuapalerr_invalidParameter);
}
