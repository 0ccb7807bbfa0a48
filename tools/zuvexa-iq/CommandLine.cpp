#include "CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

namespace zuvexaiq {

namespace {

using Apply = std::function<std::string(Settings &, const std::string &)>; // returns an error or ""

std::string SetFinite(double &target, const std::string &value, const char *what) {
  const auto number = ParseScaledNumber(value);
  if (!number) return std::string("not a number for ") + what + ": \"" + value + "\"";
  target = *number;
  return "";
}

std::string SetSampleCount(int64_t &target, const std::string &value) {
  const auto number = ParseScaledNumber(value);
  if (!number || *number != std::floor(*number) || *number < 1 || *number > double(kMaxSamples))
    return "the number of samples must be a whole number from 1 to " + std::to_string(kMaxSamples) + ": \"" +
           value + "\"";
  target = static_cast<int64_t>(*number);
  return "";
}

const std::map<std::string, Apply> &ValueOptions() {
  static const std::map<std::string, Apply> options = {
      {"--carrier",
       [](Settings &s, const std::string &v) { return SetFinite(s.carrierFrequency, v, "--carrier"); }},
      {"--rate", [](Settings &s, const std::string &v) { return SetFinite(s.iqRate, v, "--rate"); }},
      {"--samples", [](Settings &s, const std::string &v) { return SetSampleCount(s.numberOfSamples, v); }},
      {"--options",
       [](Settings &s, const std::string &v) {
         s.optionString = v;
         return std::string();
       }},
      {"--resource",
       [](Settings &s, const std::string &v) {
         s.resourceName = v;
         return std::string();
       }},
  };
  return options;
}

} // namespace

std::optional<double> ParseScaledNumber(const std::string &text) {
  if (text.empty()) return std::nullopt;
  const char *begin = text.c_str();
  char *end = nullptr;
  errno = 0;
  double value = std::strtod(begin, &end);
  if (end == begin || errno == ERANGE) return std::nullopt;
  static const std::map<std::string, double> scales = {{"", 1.0}, {"k", 1e3}, {"M", 1e6}, {"G", 1e9}};
  const auto scale = scales.find(end);
  if (scale == scales.end()) return std::nullopt;
  value *= scale->second;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string> &arguments) {
  ParsedCommandLine parsed;
  for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
    const std::string &argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      parsed.showHelp = true;
      continue;
    }
    if (argument == "--trace") {
      parsed.traceCalls = true;
      continue;
    }
    const auto equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const auto option = ValueOptions().find(name);
    if (option == ValueOptions().end()) {
      parsed.error = "unknown option \"" + argument + "\"";
    } else if (equals != std::string::npos) {
      parsed.error = option->second(parsed.settings, argument.substr(equals + 1));
    } else if (i + 1 < arguments.size()) {
      parsed.error = option->second(parsed.settings, arguments[++i]);
    } else {
      parsed.error = name + " needs a value";
    }
  }
  return parsed;
}

std::string UsageText(const std::string &programName) {
  const Settings defaults;
  return "Usage: " + programName +
         " [options]\n"
         "Opens a session on the analyzer, acquires one I/Q record and shows its\n"
         "first samples, its mean power and the strongest tone in it.\n"
         "\n"
         "  --carrier HZ      carrier (centre) frequency, default 1G\n"
         "  --rate HZ         I/Q sample rate, default 1M\n"
         "  --samples N       complex samples to fetch, default " +
         std::to_string(defaults.numberOfSamples) +
         "\n"
         "  --options TEXT    option string of the session, default\n"
         "                    \"" +
         defaults.optionString +
         "\" (a simulated analyzer)\n"
         "  --resource NAME   device name or alias, default \"" +
         defaults.resourceName +
         "\"\n"
         "  --trace           show every library call, its values and its status\n"
         "                    (one JSON line each on standard error, through the\n"
         "                    call tracer libZuPeekLog.so)\n"
         "  -h, --help        show this text\n"
         "\n"
         "Numbers take a k, M or G suffix: --carrier 2.4G --rate 10M.\n"
         "Powers are in dBFS: 0 dBFS is a complex sample of magnitude 1 (full scale).\n";
}

} // namespace zuvexaiq
