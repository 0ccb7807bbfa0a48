// Error description files: one file, a folder of them, and an errors folder with its language folders.
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "ErrorFileTree.h"
#include "zuapal/zuapalerr.h"
#include "zuxlator/gxErrorsParser.h"

using namespace xlatortest;

namespace {

Found Find(const std::string &path, ViStatus code = kCode) {
  return Searched([&](std::string &t, zuerr::Status &s) {
    zuxlator::FindErrorDescriptionInFile(path.c_str(), code, t, s);
  });
}
Found InDir(const std::string &dir) {
  return Searched([&](std::string &t, zuerr::Status &s) {
    zuxlator::FindErrorDescriptionInDir(dir.c_str(), kCode, t, s);
  });
}
Found InErrorsDir(const std::string &dir, uint32_t language) {
  return Searched([&](std::string &t, zuerr::Status &s) {
    zuxlator::FindErrorDescriptionInErrorsDir(dir.c_str(), kCode, language, t, s);
  });
}

std::string DescriptionIn(const std::string &content, ViStatus code = kCode) {
  ErrorFileTree tree;
  Found found = Find(tree.Write("a.err", content), code);
  EXPECT_EQ(found.code, 0) << found.json;
  return found.text;
}

} // namespace

TEST(ErrorFile, HeaderCodesFirstEntryAndLongLinesAreReadAsWrittenFailuresLeaveNoText) {
  const std::string rest = "<ZUDOCUMENT>\n" + Entry("0xBFFA0056", "found") + "</zudocument>\n";
  const std::pair<std::string, std::string> cases[] = {
      {"<?xml version=\"1.0\"\n", "found"}, {"<?XML VERSION=\"1.0\" encoding=\"utf-8\"?>\n", "found"},
      {" <?xml version=\"1.0\">\n", ""},    {"<?xml version=\"1.1\">\n", ""},
      {"<?xml version=\"1.0\">\n\n", ""}, // the document tag must be line 2
  };
  for (const auto &[header, expected] : cases) EXPECT_EQ(DescriptionIn(header + rest), expected) << header;
  for (const char *code : {"0XbffA0056", "-1074134954", "3220832342", "027776400126", "0xBFFA0056\" x=\"y"})
    EXPECT_EQ(DescriptionIn(Document(Entry(code, "found"))), "found") << code;
  EXPECT_EQ(DescriptionIn(Document(Entry("010", "octal")), 8), "octal");
  const std::pair<std::string, std::string> entries[] = {
      {Entry("1", "other") + Entry("0xBFFA0056", " a &lt;\r\nb\r\n\r") + Entry("0xBFFA0056", "2nd"),
       " a &lt;\r\nb"},
      {Entry("0xBFFA0056", "\n"), "\n\n"}, // only line ends: unchanged
      {"<zuerror code=\"0xBFFA0056\">\n</zuerror>\n" + Entry("0xBFFA0056", "2nd"), ""},
      {"<zucomment>x</zucomment>\n" + Entry("0xBFFA0056", "in comment") + "</zucomment>\n" +
           Entry("0xBFFA0056", "after"),
       "after"}, // a comment ends on a later line only
      {"stray\n" + Entry("0xBFFA0056", "<zucomment>kept"), "<zucomment>kept"},
  };
  for (const auto &[entries, expected] : entries) EXPECT_EQ(DescriptionIn(Document(entries)), expected);
  EXPECT_EQ(DescriptionIn(Document("") + Described("after the end")), "");
  const std::string piece(1023, 'x');
  EXPECT_EQ(DescriptionIn(Described(piece + piece + "tail")), piece + piece + "tail");
  // The second piece of a physical line is a line of its own.
  EXPECT_EQ(DescriptionIn(Document("<zuerror code=\"0xBFFA0056\">\n" + piece + "</zuerror>\n")), piece);
  const std::pair<std::string, std::string> failures[] = {
      {Document("<zuerror code=\"0xBFFA0056\">\nstarted\n"),
       "Bad explanation file. Could not find the end of the status code definition !"},
      {Document(Entry("zero", "x")), "Could not successfully read the status data!"},
      {Document(std::string("\0\n", 2) + Entry("0xBFFA0056", "x")),
       "Bad explanation file. Unidentified section heading !"},
  };
  ErrorFileTree tree;
  for (const auto &[content, debug] : failures) {
    Found found = Find(tree.Write("bad.err", content));
    EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
    EXPECT_EQ(found.text, "");
    EXPECT_EQ(Detail(found.json, "zuxlator_debug", "debug"), debug);
  }
  Found missing = Find(tree.Path("absent.err"));
  EXPECT_EQ(missing.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(Detail(missing.json, "zuxlator_debug", "debug") + " " +
                Detail(missing.json, "zuxlator_debug", "path"),
            "Could not open status explanations file " + tree.Path("absent.err"));
}

TEST(ErrorDirectory, ReadsRegularTxtAndErrFilesThroughLinksLanguageFolderFirstAndReportsWhatEndsTheSearch) {
  ErrorFileTree tree;
  for (const char *ignored : {"a.ERR", "a.err.bak", "err", "sub.err/inner.err"})
    tree.Write(std::string("d/") + ignored, Described("no"));
  EXPECT_EQ(InDir(tree.Path("d")).text, "");
  const std::string target = tree.Write("elsewhere/target.xml", Described("through a link"));
  ASSERT_EQ(symlink(target.c_str(), tree.Path("d/link.txt").c_str()), 0);
  tree.Write("d/empty.err", Document("<zuerror code=\"0xBFFA0056\">\n</zuerror>\n")); // searched on
  EXPECT_EQ(InDir(tree.Path("d")).text, "through a link");
  const std::pair<std::string, int> cases[] = {
      {tree.Path("absent"), ENOENT},
      {tree.Write("plain.err", Described("x")), ENOENT}, // not a folder: still "no such folder"
      {"", EINVAL},
      {"/" + std::string(4095, 'a'), ENAMETOOLONG},
  };
  for (const auto &[directory, error] : cases) {
    Found found = InDir(directory);
    EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
    EXPECT_EQ(Detail(found.json, "internal_error", "code") + Detail(found.json, "internal_error", "string"),
              std::to_string(error) + std::strerror(error));
    EXPECT_EQ(Detail(found.json, "zuxlator_debug", "debug") + Detail(found.json, "zuxlator_debug", "path"),
              "open dir failed" + directory);
  }
  tree.Write("u/x.md", "");
  ASSERT_EQ(symlink(tree.Path("nowhere").c_str(), tree.Path("u/dangling.bak").c_str()), 0);
  Found unreadable = InDir(tree.Path("u"));
  EXPECT_EQ(Detail(unreadable.json, "zuxlator_debug", "zuxlator"), "get file info failed");
  EXPECT_EQ(Detail(unreadable.json, "internal_error", "code"), std::to_string(ENOENT));

  tree.Write("e/broken.err", Document("<zuerror code=\"0xBFFA0056\">\nunterminated\n"));
  EXPECT_EQ(InDir(tree.Path("e")).code, zuapalerr_resourceNotFound);
  ErrorFileTree errorsTree;
  errorsTree.Write("errors/own.err", Described("own"));
  errorsTree.Write("errors/German/de.err", Described("deutsch"));
  errorsTree.Write("errors/French/fr.err", Document(Entry("1", "other code")));
  const std::pair<uint32_t, std::string> languages[] = {{2, "deutsch"}, {1, "own"}, {3, "own"}};
  for (const auto &[language, expected] : languages)
    EXPECT_EQ(InErrorsDir(errorsTree.Path("errors"), language).text, expected) << language;
  // Other failures in the language folder, and a missing errors folder, stay errors.
  errorsTree.Write("errors/English/broken.err", Document("<zuerror code=\"x\">\n"));
  EXPECT_EQ(InErrorsDir(errorsTree.Path("errors"), 0).code, zuapalerr_resourceNotFound);
  EXPECT_EQ(Detail(InErrorsDir(errorsTree.Path("absent"), 0).json, "zuxlator_debug", "path"),
            errorsTree.Path("absent"));
  // An invalid language searches nothing.
  Found invalid = InErrorsDir(errorsTree.Path("errors"), 6);
  EXPECT_EQ(invalid.code, zuapalerr_invalidParameter);
  EXPECT_EQ(Detail(invalid.json, "zuxlator_debug", "gxerrorsparser") +
                Detail(invalid.json, "zuxlator_debug", "lang"),
            "invalid language6");
}
