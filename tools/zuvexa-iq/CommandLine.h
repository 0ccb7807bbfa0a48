// Command line of zuvexa-iq: what to acquire and from which session.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zuvexaiq {

struct Settings {
  std::string resourceName = "Analyzer1";
  std::string optionString = "Simulate=1,DriverSetup=Model:Q118";
  double carrierFrequency = 1.0e9; // hertz
  double iqRate = 1.0e6;           // samples per second
  int64_t numberOfSamples = 1000;  // complex samples in the record
};

// Largest record the program asks for (16 bytes per complex sample).
inline constexpr int64_t kMaxSamples = 64 * 1024 * 1024;

struct ParsedCommandLine {
  Settings settings;
  bool showHelp = false;
  bool traceCalls = false; // --trace: the library's calls go to the call tracer
  std::string error;       // not empty when the command line is unusable
};

// Parses the arguments after the program name. Numbers take an optional
// k, M or G suffix ("2.4G").
ParsedCommandLine ParseCommandLine(const std::vector<std::string> &arguments);

// "2.4G" -> 2.4e9; nothing for text that is not a finite number.
std::optional<double> ParseScaledNumber(const std::string &text);

std::string UsageText(const std::string &programName);

} // namespace zuvexaiq
