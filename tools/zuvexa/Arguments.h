// Command-line options of the zuvexa subcommands: "--name VALUE",
// "--name=VALUE", flags and positional words, with a help text made from the
// same descriptions.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zuvexacli {

struct OptionInfo {
  std::string name;      // "--rate"
  std::string valueName; // "HZ"; empty for a flag
  std::string help;
};

struct ParsedArguments {
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  std::vector<std::string> positional;
  bool help = false;
  std::string error; // not empty when the command line is unusable

  bool Has(const std::string &name) const { return values.count(name) != 0 || flags.count(name) != 0; }
  std::string Value(const std::string &name, const std::string &fallback) const;
};

// With `stopAtPositional`, the first positional word and everything after
// it are positional (a command and its own arguments). "--" ends the options.
ParsedArguments ParseArguments(const std::vector<std::string> &arguments,
                               const std::vector<OptionInfo> &optionInfos, bool stopAtPositional = false);

// The options as aligned help lines, "-h, --help" last.
std::string OptionsHelp(const std::vector<OptionInfo> &optionInfos);

// A status code as written by a user: 0xBFFA0060, -1074134944 or 3220832352.
std::optional<int32_t> ParseStatusCode(const std::string &text);

} // namespace zuvexacli
