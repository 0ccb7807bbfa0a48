#include "Arguments.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace zuvexacli {

namespace {

// "-5" or "-0x10" is a negative number, not an option.
bool LooksLikeOption(const std::string &argument) {
  return argument.size() >= 2 && argument[0] == '-' && !(argument[1] >= '0' && argument[1] <= '9');
}

const OptionInfo *FindOption(const std::vector<OptionInfo> &optionInfos, const std::string &name) {
  const auto found = std::find_if(optionInfos.begin(), optionInfos.end(),
                                  [&](const OptionInfo &s) { return s.name == name; });
  return found == optionInfos.end() ? nullptr : &*found;
}

} // namespace

std::string ParsedArguments::Value(const std::string &name, const std::string &fallback) const {
  const auto found = values.find(name);
  return found == values.end() ? fallback : found->second;
}

ParsedArguments ParseArguments(const std::vector<std::string> &arguments,
                               const std::vector<OptionInfo> &optionInfos, bool stopAtPositional) {
  ParsedArguments parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
    const std::string &argument = arguments[i];
    if (optionsEnded || !LooksLikeOption(argument)) {
      parsed.positional.push_back(argument);
      optionsEnded = optionsEnded || stopAtPositional;
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "-h" || argument == "--help") {
      parsed.help = true;
    } else {
      const auto equals = argument.find('=');
      const std::string name = argument.substr(0, equals);
      const OptionInfo *info = FindOption(optionInfos, name);
      if (info == nullptr)
        parsed.error = "unknown option \"" + argument + "\"";
      else if (info->valueName.empty() && equals != std::string::npos)
        parsed.error = name + " takes no value";
      else if (info->valueName.empty())
        parsed.flags.insert(name);
      else if (equals != std::string::npos)
        parsed.values[name] = argument.substr(equals + 1);
      else if (i + 1 < arguments.size())
        parsed.values[name] = arguments[++i];
      else
        parsed.error = name + " needs a value";
    }
  }
  return parsed;
}

std::string OptionsHelp(const std::vector<OptionInfo> &optionInfos) {
  std::vector<std::string> left;
  std::size_t width = std::string("-h, --help").size();
  for (const OptionInfo &info : optionInfos) {
    left.push_back(info.name + (info.valueName.empty() ? "" : " " + info.valueName));
    width = std::max(width, left.back().size());
  }
  std::string text;
  for (std::size_t i = 0; i < optionInfos.size(); ++i)
    text += "  " + left[i] + std::string(width - left[i].size() + 2, ' ') + optionInfos[i].help + "\n";
  return text + "  -h, --help" + std::string(width - 10 + 2, ' ') + "show this text\n";
}

std::optional<int32_t> ParseStatusCode(const std::string &text) {
  if (text.empty()) return std::nullopt;
  char *end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 0);
  if (*end != '\0' || errno == ERANGE || value < INT32_MIN || value > int64_t(UINT32_MAX))
    return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

} // namespace zuvexacli
