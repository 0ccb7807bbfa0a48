// zuvexa error: what the library says about status codes, in any of its six
// error languages.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "Commands.h"
#include "Report.h"
#include "TraceLog.h"
#include "routing/Languages.h"
#include "zuVEXA.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

// ISO 639-1 codes and the library's own two-letter names for them.
constexpr std::pair<const char *, const char *> kIsoCodes[] = {{"en", "en"}, {"fr", "fr"}, {"de", "de"},
                                                               {"ja", "jp"}, {"ko", "ko"}, {"zh", "ch"}};

// The library's two-letter name of a language given by its ISO code or any
// of the library's names; null if none.
const char *LibraryLanguage(const std::string &name) {
  for (const auto &[iso, library] : kIsoCodes)
    if (name == iso) return library;
  for (uint32_t kind : {zurouting::kTwoLetter, zurouting::kThreeLetter, zurouting::kLongName}) {
    const zurouting::LanguageId id = zurouting::LanguageFromName(name.c_str(), kind);
    if (id != zurouting::kInvalidLanguage) return zurouting::LanguageName(id, zurouting::kTwoLetter);
  }
  return nullptr;
}

// A status code as written by a user: 0xBFFA0060, -1074134944 or 3220832352.
std::optional<int32_t> ParseStatusCode(const std::string &text) {
  if (text.empty()) return std::nullopt;
  char *end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 0);
  if (*end != '\0' || errno == ERANGE || value < INT32_MIN || value > int64_t(UINT32_MAX))
    return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// A session in the language, so that its descriptions come in that language.
// The library takes the error language of calls without a session from the
// last option string it interpreted, so when the simulated open fails after
// reading the options, descriptions without a session are in the language
// too; the failure itself is cleared.
class LanguageSession {
public:
  explicit LanguageSession(const std::string &twoLetter) {
    if (twoLetter == "en") return;
    const std::string options = "Simulate=1,DriverSetup=Language:" + twoLetter;
    if (zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, options.c_str(), &vi_) < 0) {
      vi_ = VI_NULL;
      zuVEXA_ClearError(VI_NULL);
    }
  }
  ~LanguageSession() {
    if (vi_ != VI_NULL) zuVEXA_close(vi_);
  }
  LanguageSession(const LanguageSession &) = delete;
  LanguageSession &operator=(const LanguageSession &) = delete;
  ViSession Handle() const { return vi_; }

private:
  ViSession vi_ = VI_NULL;
};

std::string Description(ViSession vi, ViStatus code) {
  return code == VI_SUCCESS ? "Success" : DescribeStatus(vi, code);
}

// The ISO code of a language by the library's two-letter name.
const char *IsoCode(const char *library) {
  for (const auto &[iso, name] : kIsoCodes)
    if (std::string(name) == library) return iso;
  return library;
}

struct Request {
  std::vector<std::string> codes;
  std::string language = "en";
  bool json = false;
};

// A status that every installed language describes.
constexpr ViStatus kReferenceStatus = ZUVEXA_ERROR_DEVICE_NOT_FOUND;

// A description that came out in English although another language was
// asked for means the library has none in that language: for these codes
// alone when it describes the reference status in the language, else for
// all, as no description file of the language is installed.
void WarnOfEnglishDescriptions(const Request &request, bool languageInstalled,
                               const std::vector<ViStatus> &codes, const std::vector<bool> &untranslated) {
  if (!languageInstalled) {
    std::cerr << "zuvexa error: the library has no descriptions in \"" << request.language
              << "\" installed; they are shown in English\n";
    return;
  }
  for (std::size_t i = 0; i < codes.size(); ++i)
    if (untranslated[i])
      std::cerr << "zuvexa error: the library has no description of " << FormatStatus(codes[i]) << " in \""
                << request.language << "\"\n";
}

int Run(const Request &request) {
  const char *language = LibraryLanguage(request.language);
  if (language == nullptr)
    return UsageError("error", "unknown language \"" + request.language + "\" (en, fr, de, ja, ko or zh)");
  std::vector<ViStatus> codes;
  for (const std::string &word : request.codes) {
    const auto code = ParseStatusCode(word);
    if (!code) return UsageError("error", "not a status code: \"" + word + "\"");
    codes.push_back(*code);
  }
  // In English before the session: afterwards calls without one take its language.
  std::vector<std::string> english;
  for (ViStatus code : codes) english.push_back(Description(VI_NULL, code));
  const std::string englishReference = Description(VI_NULL, kReferenceStatus);
  const LanguageSession session(language);
  json entries = json::array();
  std::vector<bool> untranslated;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const std::string text = Description(session.Handle(), codes[i]);
    untranslated.push_back(std::string(language) != "en" && codes[i] != 0 && text == english[i]);
    entries.push_back({{"code", codes[i]}, {"hex", FormatStatus(codes[i])}, {"description", text}});
  }
  if (std::find(untranslated.begin(), untranslated.end(), true) != untranslated.end())
    WarnOfEnglishDescriptions(request, Description(session.Handle(), kReferenceStatus) != englishReference,
                              codes, untranslated);
  if (request.json) {
    PrintJson({{"language", IsoCode(language)}, {"libraryLanguage", language}, {"statuses", entries}});
    return kExitSuccess;
  }
  for (const json &entry : entries)
    std::cout << entry["hex"].get<std::string>() << "  " << entry["code"] << "\n"
              << zuvexaiq::IndentedDescription(entry["description"].get<std::string>());
  return kExitSuccess;
}

} // namespace

void AddErrorCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("error", "the library's description of status codes, in six languages");
  command->footer("Shows the library's description of each status CODE, given in hex (0xBFFA0060)\n"
                  "or decimal (-1074134944).");
  auto request = std::make_shared<Request>();
  command->add_option("CODE", request->codes, "status codes")->required();
  command->add_option("--lang", request->language,
                      "language: en, fr, de, ja, ko or zh (also jp, ch, eng, German, ...), default en");
  command->add_flag("--json", request->json, "one JSON document on standard output");
  command->callback([&exitCode, request] { exitCode = Run(*request); });
}

} // namespace zuvexacli
