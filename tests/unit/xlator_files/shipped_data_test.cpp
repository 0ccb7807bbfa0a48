// The error description files shipped in data/: every file parses, every
// code the library returns has an English description, and every language
// describes the same codes.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "ErrorFileTree.h"
#include "zuVEXA.h"
#include "zuapal/zuapalerr.h"
#include "zumxl/mxlate.h"
#include "zuxlator/gxErrorsParser.h"

using namespace xlatortest;
namespace fs = std::filesystem;

namespace {

const std::string kData = ZU_TEST_DATA_DIR;
const std::string kDriverDir = kData + "/mierrors/zuVEXA";
const std::string kSharedErrorsDir = kData + "/errors";

// Statuses the library itself returns (besides what backend modules return).
const ViStatus kDriverCodes[] = {
    ZUVEXA_ERROR_CANNOT_RECOVER,         ZUVEXA_ERROR_MODULE_NOT_LOADED,   ZUVEXA_ERROR_INVALID_PARAMETER,
    ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED, ZUVEXA_ERROR_INVALID_MODULE_KIND, ZUVEXA_ERROR_OPTION_MISSING_NAME,
    ZUVEXA_ERROR_OPTION_MISSING_VALUE,   ZUVEXA_ERROR_OPTION_UNKNOWN_NAME, ZUVEXA_ERROR_OPTION_BAD_VALUE,
    ZUVEXA_ERROR_OUT_OF_MEMORY,          ZUVEXA_ERROR_NULL_POINTER,        ZUVEXA_ERROR_DEVICE_NOT_FOUND,
    ZUVEXA_ERROR_INVALID_SESSION,        ZUVEXA_ERROR_INVALID_LANGUAGE,    ZUVEXA_WARN_ERROR_QUEUE_NOT_READ,
    static_cast<ViStatus>(0xBFFA0021), // registry unusable
    static_cast<ViStatus>(0xBFFA0045), // channel name given for a session attribute
    static_cast<ViStatus>(0xBFFA4003), // model not supported
    static_cast<ViStatus>(0xBFFA4006), // open needs settings (as the modules report it)
    static_cast<ViStatus>(0xBFFA4007), // the same, from zuVEXA_init
    static_cast<ViStatus>(0xBFFA4165), // entry point missing in a kind 4 module
    static_cast<ViStatus>(0xBFFA4242), // elaboration-only code
    static_cast<ViStatus>(0xBFFA916F), // array sizes do not match
    static_cast<ViStatus>(0xBFFA9171), // component version file missing
};

// Platform statuses: returned mapped into the driver's range, and some raw.
const ViStatus kPlatformCodes[] = {
    zuapalerr_memoryFull,           zuapalerr_notImplemented,    zuapalerr_softwareFaultAPALInternalUseOnly,
    zuapalerr_invalidParameter,     zuapalerr_resourceNotFound,  zuapalerr_osFault,
    zuapalerr_outputSpaceExhausted, zuapalerr_unsupportedFormat, zuapalerr_invalidMultibyteSequence,
};

// The English description as the driver's translator finds it: the code's
// platform status (for an image), in the driver's English folder, then in
// the shared errors folder.
std::string EnglishDescription(ViStatus returned) {
  const ViStatus code = zumxl::UnmapErrorCode(returned);
  Found found = Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInDir((kDriverDir + "/English").c_str(), code, text, status);
  });
  EXPECT_EQ(found.code, 0) << found.json;
  if (!found.text.empty()) return found.text;
  found = Searched([&](std::string &text, zuerr::Status &status) {
    zuxlator::FindErrorDescriptionInErrorsDir(kSharedErrorsDir.c_str(), code, zumxl::kEnglish, text, status);
  });
  EXPECT_EQ(found.code, 0) << found.json;
  return found.text;
}

// The codes a file declares, as written in its opening tags.
std::vector<ViStatus> DeclaredCodes(const fs::path &file) {
  std::ifstream in(file);
  std::vector<ViStatus> codes;
  const std::regex opening("^<zuerror code=\"([-0-9A-Fa-fx]+)\">$");
  std::smatch match;
  for (std::string line; std::getline(in, line);) {
    if (std::regex_match(line, match, opening)) {
      codes.push_back(static_cast<ViStatus>(static_cast<uint32_t>(std::stoll(match[1], nullptr, 0))));
    }
  }
  return codes;
}

std::vector<fs::path> ShippedFiles() {
  std::vector<fs::path> files;
  for (const auto &entry : fs::recursive_directory_iterator(kData)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

} // namespace

TEST(ShippedErrorFiles, EveryFileParsesAndDescribesEachCodeItDeclaresOnce) {
  const std::vector<fs::path> files = ShippedFiles();
  ASSERT_GE(files.size(), 8u);
  for (const fs::path &file : files) {
    EXPECT_EQ(file.extension(), ".err") << file;
    const std::vector<ViStatus> codes = DeclaredCodes(file);
    EXPECT_FALSE(codes.empty()) << file;
    EXPECT_EQ(std::set<ViStatus>(codes.begin(), codes.end()).size(), codes.size())
        << file << ": a code twice";
    for (ViStatus code : codes) {
      Found found = Searched([&](std::string &text, zuerr::Status &status) {
        zuxlator::FindErrorDescriptionInFile(file.c_str(), code, text, status);
      });
      EXPECT_EQ(found.code, 0) << file << ": " << found.json;
      EXPECT_FALSE(found.text.empty()) << file << ": " << code;
      EXPECT_EQ(found.text.find('\n'), std::string::npos) << file << ": " << code;
    }
  }
}

TEST(ShippedErrorFiles, EveryStatusTheLibraryReturnsHasAnEnglishDescription) {
  for (ViStatus code : kDriverCodes) EXPECT_NE(EnglishDescription(code), "") << std::hex << code;
  for (ViStatus code : kPlatformCodes) {
    EXPECT_NE(EnglishDescription(code), "") << code;
    EXPECT_NE(EnglishDescription(zumxl::MapErrorCode(code)), "") << code << " mapped";
  }
  EXPECT_EQ(EnglishDescription(ZUVEXA_ERROR_OUT_OF_MEMORY).rfind("Out of memory.", 0), 0u);
}

TEST(ShippedErrorFiles, EveryLanguageDescribesTheSameCodes) {
  for (const char *file : {"/mierrors/zuVEXA/%s/zuVEXA-errors.err", "/errors/%s/zuapal-errors.err"}) {
    auto codesIn = [&](const char *language) {
      char path[256];
      std::snprintf(path, sizeof path, file, language);
      const auto codes = DeclaredCodes(kData + path);
      return std::set<ViStatus>(codes.begin(), codes.end());
    };
    const std::set<ViStatus> english = codesIn("English");
    for (const char *language : {"Japanese", "German", "French"})
      EXPECT_EQ(codesIn(language), english) << language;
  }
}
