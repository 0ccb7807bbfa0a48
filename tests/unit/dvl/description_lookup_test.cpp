// Where a description comes from, searched through zuVEXA_GetErrorMessage.

#include <array>
#include <filesystem>

#include "SeamErrorTree.h"

using errortest::Describe;
using errortest::SeamErrorTree;

namespace {

constexpr ViStatus kCode = static_cast<ViStatus>(0xBFFA0060);
constexpr const char *kNotFound = "Error description not found";

// The texts of kCode in the driver's French and English folders, the shared French folder, the shared
// errors folder itself and the shared English folder; nullptr for none.
using Layout = std::array<const char *, 5>;

void Lay(const testsupport::SharedErrorFiles &tree, const Layout &layout) {
  const char *folders[] = {"French", "English", "French", "", "English"};
  for (int i = 0; i < 5; ++i) {
    if (!layout[i]) continue;
    const errortest::ErrorEntries entry{{"0xBFFA0060", layout[i]}};
    i < 2 ? tree.Driver(folders[i], "d.err", entry) : tree.Shared(folders[i], "s.err", entry);
  }
}

} // namespace

TEST(DescriptionLookup, SearchOrderAndLanguageFallback) {
  const std::tuple<const char *, Layout, zumxl::LanguageId, const char *> cases[] = {
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
  for (const auto &[name, layout, language, expected] : cases) {
    SeamErrorTree tree;
    Lay(tree, layout);
    EXPECT_EQ(Describe(kCode, language), expected) << name;
  }
}

// The files installed with the library, in a folder of their own.
class InstalledFiles : private testsupport::TemporaryDirectory, public testsupport::SharedErrorFiles {
public:
  explicit InstalledFiles(bool known = true) : SharedErrorFiles(TemporaryDirectory::Path()) {
    zusysq::testing::SetInstalledDataDirectory(known ? Directory().c_str() : "");
  }
  ~InstalledFiles() { zusysq::testing::SetInstalledDataDirectory(nullptr); }
};

// The installed files are searched last, in the same order and languages, so
// nothing a shared directory holds changes.
TEST(DescriptionLookup, InstalledFilesOnlyWhenNoSharedPlaceHasTheCode) {
  const Layout none{};
  const Layout all{"idf", "ide", "isf", "isr", "ise"};
  const std::tuple<const char *, Layout, Layout, bool, const char *> cases[] = {
      {"only the installed files", none, all, true, "idf"},
      {"shared English before installed French", {nullptr, nullptr, nullptr, nullptr, "se"}, all, true, "se"},
      {"driver English before installed", {nullptr, "de", nullptr, nullptr, nullptr}, all, true, "de"},
      {"installed driver English", none, {nullptr, "ide", "isf", "isr", "ise"}, true, "ide"},
      {"installed shared English", none, {nullptr, nullptr, nullptr, nullptr, "ise"}, true, "ise"},
      {"installed folder unknown", none, all, false, kNotFound},
  };
  for (const auto &[name, shared, installed, known, expected] : cases) {
    SeamErrorTree tree;
    InstalledFiles installedTree(known);
    Lay(tree, shared);
    Lay(installedTree, installed);
    EXPECT_EQ(Describe(kCode, zumxl::kFrench), expected) << name;
  }
  // Without the seam: from the file holding the code (the test program), through the layout's path.
  const std::string folder = zusysq::InstalledDataDirectory();
  const std::size_t relative = folder.find("/../");
  ASSERT_NE(relative, std::string::npos) << folder;
  EXPECT_TRUE(folder.ends_with("/share/zuvexa")) << folder;
  EXPECT_EQ(std::filesystem::canonical(folder.substr(0, relative)),
            std::filesystem::canonical("/proc/self/exe").parent_path());
}

TEST(DescriptionLookup, FilesAreReadAnewKeepInnerLinesAndUnreadablePlacesMoveTheSearchOn) {
  SeamErrorTree tree;
  EXPECT_EQ(Describe(kCode), kNotFound);
  tree.Driver("English", "d.err", {{"0xBFFA0060", "first line\r\nsecond line\r\n\r\n"}});
  EXPECT_EQ(Describe(kCode), "first line\r\nsecond line") << "only the line ends at the end go";
  // The driver's English text is one the default translator would not find.
  const std::string malformed = "<?xml version=\"1.0\">\n<zudocument>\n<zuerror code=\"1\">\n";
  {
    SeamErrorTree places;
    places.Write("mierrors/zuVEXA/German/bad.err", malformed);
    places.Driver("English", "d.err", {{"0xBFFA0060", "driver"}});
    EXPECT_EQ(Describe(kCode, zumxl::kGerman), "driver");
  }
  SeamErrorTree places;
  places.Shared("", "s.err", {{"0xBFFA0060", "shared"}});
  places.Write("mierrors/zuVEXA/English", "a file where a directory should be");
  places.Write("errors/German", "not a directory either");
  EXPECT_EQ(Describe(kCode, zumxl::kGerman), "shared");
}
