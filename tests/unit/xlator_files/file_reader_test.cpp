#include "ErrorFileTree.h"
#include "zuapal/zuapalerr.h"
#include "zuxlator/gxErrorsParser.h"

using namespace xlatortest;

namespace {

Found Find(const std::string &path, ViStatus code = kCode) {
  return xlatortest::Searched([&](std::string &text, zuerr::Status &status) {
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

TEST(ErrorFile, HeaderComparesOnlyTheFirst19CharactersOfLineOneCaseInsensitively) {
  const std::string rest = "<zudocument>\n" + Entry("0xBFFA0056", "found") + "</zudocument>\n";
  const std::pair<std::string, std::string> cases[] = {
      {"<?xml version=\"1.0\">\n", "found"},
      {"<?xml version=\"1.0\"\n", "found"},
      {"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n", "found"},
      {"<?XML VERSION=\"1.0\">\n", "found"},
      {" <?xml version=\"1.0\">\n", ""},
      {"<?xml version=\"1.1\">\n", ""},
      {"<?xml version=\"1.0\">\n\n", ""}, // the document tag must be line 2
      {"", ""},
  };
  for (const auto &[header, expected] : cases) EXPECT_EQ(DescriptionIn(header + rest), expected) << header;
  EXPECT_EQ(DescriptionIn("<?xml version=\"1.0\">\n<ZUDOCUMENT>\n" + Entry("0xBFFA0056", "x")), "x");
}

TEST(ErrorFile, CodesMatchInEveryNotationAsThirtyTwoBitIntegers) {
  for (const char *notation : {"0xBFFA0056", "0XbffA0056", "-1074134954", "3220832342", "027776400126",
                               " 0xBFFA0056", "0xBFFA0056\" extra=\"ignored"}) {
    EXPECT_EQ(DescriptionIn(Document(Entry(notation, "found"))), "found") << notation;
  }
  EXPECT_EQ(DescriptionIn(Document(Entry("010", "octal")), 8), "octal");
  EXPECT_EQ(DescriptionIn(Document(Entry("10", "decimal")), 10), "decimal");
  EXPECT_EQ(DescriptionIn(Document(Entry("0xBFFA0057", "other"))), "");
}

TEST(ErrorFile, BodyIsTakenByteForByteWithoutItsTrailingLineEnds) {
  const std::pair<std::string, std::string> cases[] = {
      {"line one\r\n  line two &lt;b&gt;\r\n\r", "line one\r\n  line two &lt;b&gt;"},
      {"<zucomment>kept</zucomment>", "<zucomment>kept</zucomment>"},
      {"\n\n", "\n\n\n"}, // only line ends: unchanged
  };
  for (const auto &[body, expected] : cases) {
    EXPECT_EQ(DescriptionIn(Document(Entry("0xBFFA0056", body))), expected);
  }
}

TEST(ErrorFile, FirstEntryWinsAndEmptyBodiesGiveNothing) {
  EXPECT_EQ(DescriptionIn(
                Document(Entry("1", "one") + Entry("0xBFFA0056", "first") + Entry("-1074134954", "second"))),
            "first");
  EXPECT_EQ(DescriptionIn(Document("<zuerror code=\"0xBFFA0056\">\n</zuerror>\n" + Entry("0xBFFA0056", "b"))),
            "");
}

TEST(ErrorFile, CommentsAndTheDocumentEndHideEntries) {
  const std::string entry = Entry("0xBFFA0056", "hidden");
  EXPECT_EQ(DescriptionIn(Document("<zucomment>\n" + entry + "</zucomment>\n")), "");
  // A closing tag on the opening line does not end the comment.
  EXPECT_EQ(DescriptionIn(Document("<zucomment> x </zucomment>\n" + entry + "</ZUCOMMENT>\n" +
                                   Entry("0xBFFA0056", "after"))),
            "after");
  EXPECT_EQ(DescriptionIn(Document("") + entry), "");
  EXPECT_EQ(DescriptionIn(Document("stray text\n<unknown>\n" + entry)), "hidden");
}

TEST(ErrorFile, LongLinesAreReadInPiecesOf1023Bytes) {
  const std::string piece(1023, 'x');
  const std::string longBody = piece + piece + "tail";
  EXPECT_EQ(DescriptionIn(Document(Entry("0xBFFA0056", longBody))), longBody);
  // The second piece of a physical line starts a line of its own.
  EXPECT_EQ(DescriptionIn(Document("<zuerror code=\"0xBFFA0056\">\n" + piece + "</zuerror>\n")), piece);
}

TEST(ErrorFile, MalformedEntriesFailAndLeaveNoText) {
  struct Case {
    std::string content;
    std::string debug;
  } cases[] = {
      {Document("<zuerror code=\"0xBFFA0056\">\nstarted\n"),
       "Bad explanation file. Could not find the end of the status code definition !"},
      {Document("<zuerror code=\"zero\">\nx\n</zuerror>\n"), "Could not successfully read the status data!"},
      {Document(std::string("\0\n", 2) + Entry("0xBFFA0056", "x")),
       "Bad explanation file. Unidentified section heading !"},
  };
  for (const Case &c : cases) {
    ErrorFileTree tree;
    Found found = Find(tree.Write("bad.err", c.content));
    EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
    EXPECT_EQ(found.text, "");
    EXPECT_EQ(Detail(found.json.c_str(), "zuxlator_debug", "debug"), c.debug);
  }
  ErrorFileTree tree;
  EXPECT_EQ(Detail(Find(tree.Write("n.err", Document("<zuerror code=\"\n"))).json.c_str(), "zuxlator_debug",
                   "sscanf"),
            "-1");
}

TEST(ErrorFile, MissingFileFailsWithItsPath) {
  ErrorFileTree tree;
  Found found = Find(tree.Path("absent.err"));
  EXPECT_EQ(found.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(found.text, "");
  EXPECT_EQ(Detail(found.json.c_str(), "zuxlator_debug", "debug"), "Could not open status explanations file");
  EXPECT_EQ(Detail(found.json.c_str(), "zuxlator_debug", "path"), tree.Path("absent.err"));
}

TEST(ErrorFile, AStatusHoldingAnErrorStopsTheReadButAWarningDoesNot) {
  ErrorFileTree tree;
  const std::string path = tree.Write("a.err", Document(Entry("0xBFFA0056", "found")));
  for (int32_t held : {-1, 1}) {
    zuerr::Status status;
    zuerr::SetCode(status, held);
    std::string text = "stale";
    zuxlator::FindErrorDescriptionInFile(path.c_str(), kCode, text, status);
    EXPECT_EQ(text, held < 0 ? "" : "found");
    EXPECT_EQ(status.code, held);
  }
}
