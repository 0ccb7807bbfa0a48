#include "ErrorFileTree.h"
#include "zuapal/zuapalerr.h"
#include "zuxlator/gxErrorsParser.h"

using namespace xlatortest;

namespace {

Found Find(const std::string &path, ViStatus code = kCode) {
  return Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInFile(path.c_str(), code, text, status);
  });
}

std::string DescriptionIn(const std::string &content, ViStatus code = kCode) {
  ErrorFileTree tree;
  Found found = Find(tree.Write("a.err", content), code);
  EXPECT_EQ(found.code, 0) << found.json;
  return found.text;
}

} // namespace

TEST(ErrorFile, HeaderComparesOnlyTheFirst19CharactersOfLineOneIgnoringCase) {
  const std::string rest = "<ZUDOCUMENT>\n" + Entry("0xBFFA0056", "found") + "</zudocument>\n";
  const std::pair<std::string, std::string> cases[] = {
      {"<?xml version=\"1.0\"\n", "found"}, {"<?XML VERSION=\"1.0\" encoding=\"utf-8\"?>\n", "found"},
      {" <?xml version=\"1.0\">\n", ""},    {"<?xml version=\"1.1\">\n", ""},
      {"<?xml version=\"1.0\">\n\n", ""}, // the document tag must be line 2
  };
  for (const auto &[header, expected] : cases) EXPECT_EQ(DescriptionIn(header + rest), expected) << header;
}

TEST(ErrorFile, CodesMatchInEveryNotationAsThirtyTwoBitIntegers) {
  for (const char *code : {"0XbffA0056", "-1074134954", "3220832342", "027776400126", "0xBFFA0056\" x=\"y"}) {
    EXPECT_EQ(DescriptionIn(Document(Entry(code, "found"))), "found") << code;
  }
  EXPECT_EQ(DescriptionIn(Document(Entry("010", "octal")), 8), "octal");
}

TEST(ErrorFile, FirstEntryWinsTakenByteForByteWithoutTrailingLineEnds) {
  const std::pair<std::string, std::string> cases[] = {
      {Entry("1", "other") + Entry("0xBFFA0056", " a &lt;\r\nb\r\n\r") + Entry("0xBFFA0056", "2nd"),
       " a &lt;\r\nb"},
      {Entry("0xBFFA0056", "\n"), "\n\n"}, // only line ends: unchanged
      {"<zuerror code=\"0xBFFA0056\">\n</zuerror>\n" + Entry("0xBFFA0056", "2nd"), ""},
      {"<zucomment>x</zucomment>\n" + Entry("0xBFFA0056", "in comment") + "</zucomment>\n" +
           Entry("0xBFFA0056", "after"),
       "after"}, // a comment ends on a later line only
      {"stray\n" + Entry("0xBFFA0056", "<zucomment>kept"), "<zucomment>kept"},
  };
  for (const auto &[entries, expected] : cases) EXPECT_EQ(DescriptionIn(Document(entries)), expected);
  EXPECT_EQ(DescriptionIn(Document("") + Described("after the end")), "");
}

TEST(ErrorFile, LongLinesAreReadInPiecesOf1023Bytes) {
  const std::string piece(1023, 'x');
  EXPECT_EQ(DescriptionIn(Described(piece + piece + "tail")), piece + piece + "tail");
  // The second piece of a physical line is a line of its own.
  EXPECT_EQ(DescriptionIn(Document("<zuerror code=\"0xBFFA0056\">\n" + piece + "</zuerror>\n")), piece);
}

TEST(ErrorFile, FailuresLeaveNoText) {
  const std::pair<std::string, std::string> cases[] = {
      {Document("<zuerror code=\"0xBFFA0056\">\nstarted\n"),
       "Bad explanation file. Could not find the end of the status code definition !"},
      {Document(Entry("zero", "x")), "Could not successfully read the status data!"},
      {Document(std::string("\0\n", 2) + Entry("0xBFFA0056", "x")),
       "Bad explanation file. Unidentified section heading !"},
  };
  for (const auto &[content, debug] : cases) {
    ErrorFileTree tree;
    Found found = Find(tree.Write("bad.err", content));
    EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
    EXPECT_EQ(found.text, "");
    EXPECT_EQ(Detail(found.json, "zuxlator_debug", "debug"), debug);
  }
  ErrorFileTree tree;
  Found missing = Find(tree.Path("absent.err"));
  EXPECT_EQ(missing.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(Detail(missing.json, "zuxlator_debug", "debug"), "Could not open status explanations file");
  EXPECT_EQ(Detail(missing.json, "zuxlator_debug", "path"), tree.Path("absent.err"));
}
