// zuvexa error: what the library says about status codes, in any of its six
// error languages.
#include <iostream>

#include "Arguments.h"
#include "Commands.h"
#include "Report.h"
#include "TraceLog.h"
#include "routing/Languages.h"
#include "zuVEXA.h"

namespace zuvexacli {

namespace {

const std::vector<OptionInfo> kOptions = {
    {"--lang", "LANG", "language: en, fr, de, jp, ko or ch (or eng, German, ...), default en"},
};

const char *const kUsage = "Usage: zuvexa error [--lang LANG] CODE...\n"
                           "Shows the library's description of each status CODE, given in hex\n"
                           "(0xBFFA0060) or decimal (-1074134944).\n\n";

// The two-letter name of a language given by any of its names; null if none.
const char *TwoLetterName(const std::string &name) {
  for (uint32_t kind : {zurouting::kTwoLetter, zurouting::kThreeLetter, zurouting::kLongName}) {
    const zurouting::LanguageId id = zurouting::LanguageFromName(name.c_str(), kind);
    if (id != zurouting::kInvalidLanguage) return zurouting::LanguageName(id, zurouting::kTwoLetter);
  }
  return nullptr;
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

} // namespace

int RunError(const Words &arguments) {
  ParsedArguments parsed;
  if (const auto done = ReadCommandLine("error", arguments, kOptions, kUsage, parsed)) return *done;
  if (parsed.positional.empty()) return UsageError("error", "give at least one status code");
  const char *language = TwoLetterName(parsed.Value("--lang", "en"));
  if (language == nullptr)
    return UsageError("error", "unknown language \"" + parsed.Value("--lang", "") + "\"");
  std::vector<ViStatus> codes;
  for (const std::string &word : parsed.positional) {
    const auto code = ParseStatusCode(word);
    if (!code) return UsageError("error", "not a status code: \"" + word + "\"");
    codes.push_back(*code);
  }

  const LanguageSession session(language);
  for (ViStatus code : codes)
    std::cout << FormatStatus(code) << "  " << code << "\n"
              << zuvexaiq::IndentedDescription(DescribeStatus(session.Handle(), code));
  return kExitSuccess;
}

} // namespace zuvexacli
