#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ErrorFileTree.h"
#include "zuapal/zuapalerr.h"
#include "zuxlator/gxErrorsParser.h"

using namespace xlatortest;

namespace {

Found InDir(const std::string &directory) {
  return Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInDir(directory.c_str(), kCode, text, status);
  });
}

Found InErrorsDir(const std::string &directory, uint32_t language) {
  return Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInErrorsDir(directory.c_str(), kCode, language, text, status);
  });
}

} // namespace

TEST(ErrorDirectory, ReadsOnlyRegularTxtAndErrFilesFollowingLinks) {
  ErrorFileTree tree;
  for (const char *ignored : {"a.ERR", "a.err.bak", "err", "sub.err/inner.err"}) {
    tree.Write(std::string("d/") + ignored, Described("no"));
  }
  EXPECT_EQ(InDir(tree.Path("d")).text, "");
  const std::string target = tree.Write("elsewhere/target.xml", Described("through a link"));
  ASSERT_EQ(symlink(target.c_str(), tree.Path("d/link.txt").c_str()), 0);
  tree.Write("d/empty.err", Document("<zuerror code=\"0xBFFA0056\">\n</zuerror>\n")); // searched on
  EXPECT_EQ(InDir(tree.Path("d")).text, "through a link");
}

TEST(ErrorDirectory, FolderThatCannotBeOpenedReportsItsErrorNumber) {
  ErrorFileTree tree;
  const std::pair<std::string, int> cases[] = {
      {tree.Path("absent"), ENOENT},
      {tree.Write("plain.err", Described("x")), ENOENT}, // not a folder: still "no such folder"
      {"", EINVAL},
      {"/" + std::string(4095, 'a'), ENAMETOOLONG},
  };
  for (const auto &[directory, error] : cases) {
    Found found = InDir(directory);
    EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
    EXPECT_EQ(Detail(found.json, "internal_error", "code"), std::to_string(error));
    EXPECT_EQ(Detail(found.json, "internal_error", "string"), std::strerror(error));
    EXPECT_EQ(Detail(found.json, "zuxlator_debug", "debug"), "open dir failed");
    EXPECT_EQ(Detail(found.json, "zuxlator_debug", "path"), directory);
  }
}

TEST(ErrorDirectory, AnUnreadableEntryOrAMalformedFileEndsTheSearch) {
  ErrorFileTree tree;
  tree.Write("d/x.md", "");
  ASSERT_EQ(symlink(tree.Path("nowhere").c_str(), tree.Path("d/dangling.bak").c_str()), 0);
  Found found = InDir(tree.Path("d"));
  EXPECT_EQ(Detail(found.json, "zuxlator_debug", "zuxlator"), "get file info failed");
  EXPECT_EQ(Detail(found.json, "internal_error", "code"), std::to_string(ENOENT));

  tree.Write("e/broken.err", Document("<zuerror code=\"0xBFFA0056\">\nunterminated\n"));
  EXPECT_EQ(InDir(tree.Path("e")).code, zuapalerr_resourceNotFound);
}

TEST(ErrorsDirectory, LanguageFolderFirstThenTheFolderItselfEvenWhenTheLanguageFolderIsMissing) {
  ErrorFileTree tree;
  tree.Write("errors/own.err", Described("own"));
  tree.Write("errors/German/de.err", Described("deutsch"));
  tree.Write("errors/French/fr.err", Document(Entry("1", "other code")));
  const std::pair<uint32_t, std::string> cases[] = {{2, "deutsch"}, {1, "own"}, {3, "own"}};
  for (const auto &[language, expected] : cases) {
    Found found = InErrorsDir(tree.Path("errors"), language);
    EXPECT_EQ(found.code, 0) << found.json;
    EXPECT_EQ(found.text, expected) << language;
  }
  // Other failures in the language folder, and a missing errors folder, stay errors.
  tree.Write("errors/English/broken.err", Document("<zuerror code=\"x\">\n"));
  EXPECT_EQ(InErrorsDir(tree.Path("errors"), 0).code, zuapalerr_resourceNotFound);
  EXPECT_EQ(Detail(InErrorsDir(tree.Path("absent"), 0).json, "zuxlator_debug", "path"), tree.Path("absent"));
  // An invalid language searches nothing.
  Found invalid = InErrorsDir(tree.Path("errors"), 6);
  EXPECT_EQ(invalid.code, zuapalerr_invalidParameter);
  EXPECT_EQ(Detail(invalid.json, "zuxlator_debug", "gxerrorsparser"), "invalid language");
  EXPECT_EQ(Detail(invalid.json, "zuxlator_debug", "lang"), "6");
}
