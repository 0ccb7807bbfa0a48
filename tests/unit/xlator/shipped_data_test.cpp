// The error description files shipped in data/.
#include <filesystem>
#include <fstream>
#include <regex>

#include "ErrorFileTree.h"
#include "zuVEXA.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"
#include "zuxlator/gxErrorsParser.h"

using namespace xlatortest;

namespace {

const std::string kData = ZU_TEST_DATA_DIR;

// Platform statuses, returned raw or mapped into the driver's range (that
// every returned status is described in every language, the end-to-end
// StatusDescriptions test checks).
constexpr ViStatus kPlatformCodes[] = {
    -52000, -52002, -52003, -52005, -52006, -52008, -52019, -52029, zuapalerr_invalidMultibyteSequence};

// As the driver's translator looks it up: the platform status of an image,
// in the driver's English folder, then in the shared errors folder.
std::string EnglishDescription(ViStatus returned) {
  const ViStatus code = zumxl::UnmapErrorCode(returned);
  Found found = Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInDir((kData + "/mierrors/zuVEXA/English").c_str(), code, text, status);
    if (text.empty())
      zuxlator::FindErrorDescriptionInErrorsDir((kData + "/errors").c_str(), code, 0, text, status);
  });
  EXPECT_EQ(found.code, 0) << found.json;
  return found.text;
}

// The codes a file declares in its opening tags.
std::vector<ViStatus> DeclaredCodes(const std::string &path) {
  std::ifstream file(path);
  std::vector<ViStatus> codes;
  static const std::regex opening("<zuerror code=\"(-?[0-9A-Fa-fx]+)\">");
  std::smatch match;
  for (std::string line; std::getline(file, line);) {
    if (std::regex_match(line, match, opening)) {
      codes.push_back(static_cast<ViStatus>(std::stoll(match[1], nullptr, 0)));
    }
  }
  return codes;
}

} // namespace

TEST(ShippedErrorFiles, EachFileHasItsEnglishCodesOnceAndThePlatformStatusesAreDescribed) {
  int files = 0;
  for (const auto &entry : std::filesystem::recursive_directory_iterator(kData)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const std::string path = entry.path().string();
    const std::vector<ViStatus> codes = DeclaredCodes(path);
    EXPECT_GT(codes.size(), 5u) << path;
    const std::set<ViStatus> unique(codes.begin(), codes.end());
    EXPECT_EQ(unique.size(), codes.size()) << path;
    const std::string english =
        entry.path().parent_path().parent_path() / "English" / entry.path().filename();
    const std::vector<ViStatus> englishCodes = DeclaredCodes(english);
    EXPECT_EQ(unique, std::set<ViStatus>(englishCodes.begin(), englishCodes.end())) << path;
    for (ViStatus code : codes) {
      Found found = Searched([&](std::string &text, zuerr::Status &status) {
        zuxlator::FindErrorDescriptionInFile(path.c_str(), code, text, status);
      });
      EXPECT_EQ(found.code, 0) << path << ": " << found.json;
      EXPECT_TRUE(!found.text.empty() && found.text.find('\n') == std::string::npos) << path << ": " << code;
    }
  }
  EXPECT_EQ(files, 8);
  for (ViStatus code : kPlatformCodes) {
    EXPECT_NE(EnglishDescription(code), "") << code;
    EXPECT_NE(EnglishDescription(zumxl::MapErrorCode(code)), "") << code;
  }
}
