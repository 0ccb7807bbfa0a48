// Where a description comes from: the driver's directory in the language and
// in English, then the shared errors directory in the language and in
// English, then the fixed text; searched through zuVEXA_GetErrorMessage.
#include <dirent.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SeamErrorTree.h"

using errortest::Describe;
using errortest::ErrorEntries;
using errortest::SeamErrorTree;

namespace {

constexpr ViStatus kCode = static_cast<ViStatus>(0xBFFA0060);
constexpr const char *kNotFound = "Error description not found";

// Which files hold kCode, by where they lie.
struct Layout {
  const char *driverFrench, *driverEnglish, *sharedFrench, *sharedRoot, *sharedEnglish;
};

void Lay(const SeamErrorTree &tree, const Layout &layout) {
  auto entry = [](const char *text) { return ErrorEntries{{"0xBFFA0060", text}}; };
  if (layout.driverFrench) tree.Driver("French", "d.err", entry(layout.driverFrench));
  if (layout.driverEnglish) tree.Driver("English", "d.err", entry(layout.driverEnglish));
  if (layout.sharedFrench) tree.Shared("French", "s.err", entry(layout.sharedFrench));
  if (layout.sharedRoot) tree.Shared("", "s.err", entry(layout.sharedRoot));
  if (layout.sharedEnglish) tree.Shared("English", "s.err", entry(layout.sharedEnglish));
}

// The names of a directory's entries in listing order.
std::vector<std::string> Listing(const std::string &directory) {
  std::vector<std::string> names;
  if (DIR *dir = opendir(directory.c_str())) {
    while (dirent *entry = readdir(dir))
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(dir);
  }
  return names;
}

} // namespace

TEST(DescriptionLookup, SearchOrderAndLanguageFallback) {
  struct Case {
    const char *name;
    Layout layout;
    zumxl::LanguageId language;
    const char *expected;
  } cases[] = {
      {"driver, own language", {"df", "de", "sf", "sr", "se"}, zumxl::kFrench, "df"},
      {"driver English before shared", {nullptr, "de", "sf", "sr", "se"}, zumxl::kFrench, "de"},
      {"shared, own language", {nullptr, nullptr, "sf", "sr", "se"}, zumxl::kFrench, "sf"},
      {"shared errors directory itself", {nullptr, nullptr, nullptr, "sr", "se"}, zumxl::kFrench, "sr"},
      {"shared English", {nullptr, nullptr, nullptr, nullptr, "se"}, zumxl::kFrench, "se"},
      {"nowhere", {nullptr, nullptr, nullptr, nullptr, nullptr}, zumxl::kFrench, kNotFound},
      {"English request", {"df", "de", "sf", "sr", "se"}, zumxl::kEnglish, "de"},
      {"English, shared only", {"df", nullptr, "sf", nullptr, "se"}, zumxl::kEnglish, "se"},
      {"invalid language", {"df", nullptr, "sf", "sr", "se"}, zumxl::kInvalidLanguage, "se"},
      {"invalid language, no English", {"df", nullptr, "sf", "sr", nullptr}, zumxl::kInvalidLanguage, "sr"},
      {"language without files", {nullptr, "de", nullptr, nullptr, nullptr}, zumxl::kKorean, "de"},
  };
  for (const Case &c : cases) {
    SeamErrorTree tree;
    Lay(tree, c.layout);
    EXPECT_EQ(Describe(kCode, c.language), c.expected) << c.name;
  }
}

TEST(DescriptionLookup, FilesAreReadAnewAndDescriptionsKeepInnerLines) {
  SeamErrorTree tree;
  EXPECT_EQ(Describe(kCode), kNotFound);
  tree.Driver("English", "d.err", {{"0xBFFA0060", "first line\r\nsecond line\r\n\r\n"}});
  EXPECT_EQ(Describe(kCode), "first line\r\nsecond line") << "only the line ends at the end go";
}

// Images of platform codes are looked up under the platform code itself.
TEST(DescriptionLookup, MappedPlatformCodesUseTheirOriginalNumber) {
  SeamErrorTree tree;
  tree.Driver("English", "d.err", {{"-52005", "Invalid parameter."}, {"-200000", "A shared failure."}});
  EXPECT_EQ(Describe(static_cast<ViStatus>(0xBFFA9405)), "Invalid parameter.");
  EXPECT_EQ(Describe(static_cast<ViStatus>(0xBFFA4BFF)), "A shared failure.");
  EXPECT_EQ(Describe(-52005), "Invalid parameter.") << "the platform code as it is";
}

// The first malformed file ends its directory's search (the directory's
// other files are not read); the search goes on in the next place.
TEST(DescriptionLookup, MalformedFileEndsItsDirectorysSearch) {
  SeamErrorTree tree;
  tree.Shared("English", "s.err", {{"0xBFFA0060", "shared"}});
  tree.Driver("English", "good.err", {{"0xBFFA0060", "driver"}});
  const std::string unterminated = "<?xml version=\"1.0\">\n<zudocument>\n<zuerror code=\"1\">\nno end\n";
  const std::string driverDirectory = tree.Directory() + "/mierrors/zuVEXA/English";
  // Listing order is the file system's: name the malformed file until it
  // comes first.
  bool malformedFirst = false;
  for (int i = 0; i < 50 && !malformedFirst; ++i) {
    std::string name = "bad" + std::to_string(i) + ".err";
    tree.Write("mierrors/zuVEXA/English/" + name, unterminated);
    malformedFirst = Listing(driverDirectory).front() == name;
    if (!malformedFirst) std::remove((driverDirectory + "/" + name).c_str());
  }
  ASSERT_TRUE(malformedFirst) << "no file name listed before good.err";
  EXPECT_EQ(Describe(kCode), "shared");
}

TEST(DescriptionLookup, UnreadableDirectoriesOnlyMoveTheSearchOn) {
  SeamErrorTree tree;
  tree.Shared("", "s.err", {{"0xBFFA0060", "shared"}});
  tree.Write("mierrors/zuVEXA/English", "a file where a directory should be");
  tree.Write("errors/German", "not a directory either");
  EXPECT_EQ(Describe(kCode, zumxl::kGerman), "shared");
}
