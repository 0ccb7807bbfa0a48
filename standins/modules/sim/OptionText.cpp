#include "OptionText.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace backendstandin {

namespace {

struct Entry {
  std::string_view name;
  std::string_view value;
};

std::string_view Trim(std::string_view text) {
  const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> spellings) {
  return std::any_of(spellings.begin(), spellings.end(),
                     [name](std::string_view spelling) { return SameIgnoringCase(name, spelling); });
}

// "name<assign>value<separator>..." into trimmed entries.
std::vector<Entry> SplitEntries(std::string_view text, char separator, char assign) {
  std::vector<Entry> entries;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(separator), text.size());
    const std::string_view entry = text.substr(0, end);
    const std::size_t split = entry.find(assign);
    if (split != std::string_view::npos)
      entries.push_back({Trim(entry.substr(0, split)), Trim(entry.substr(split + 1))});
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return entries;
}

ViInt32 LanguageNumber(std::string_view code) {
  constexpr std::string_view kCodes[] = {"en", "fr", "de", "jp", "ko", "ch"};
  for (ViInt32 number = 0; number < 6; ++number)
    if (SameIgnoringCase(code, kCodes[number])) return number;
  return 0;
}

} // namespace

InitOptions ParseInitOptions(const char *optionString) {
  InitOptions options;
  if (optionString == nullptr) return options;
  for (const Entry &entry : SplitEntries(optionString, ',', '=')) {
    if (IsOneOf(entry.name, {"Simulate", "Attr_Simulate", "Ivi_Attr_Simulate"}))
      options.simulate = IsOneOf(entry.value, {"1", "True", "VI_TRUE"});
    else if (IsOneOf(entry.name, {"DriverSetup", "Driver Setup", "Driver_Setup", "Attr_Driver_Setup",
                                  "Ivi_Attr_Driver_Setup"}))
      options.driverSetup = entry.value;
  }
  for (const Entry &entry : SplitEntries(options.driverSetup, ';', ':')) {
    if (SameIgnoringCase(entry.name, "Language")) options.language = LanguageNumber(entry.value);
    if (SameIgnoringCase(entry.name, "Scene")) options.scenePath = entry.value;
    if (SameIgnoringCase(entry.name, "Replay")) options.replayPath = entry.value;
  }
  return options;
}

} // namespace backendstandin
