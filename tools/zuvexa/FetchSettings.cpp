#include "FetchSettings.h"

#include <cmath>

namespace zuvexacli {

namespace {

// A whole number from 1 to `largest`, with an optional k, M or G suffix.
std::string ReadCount(const ParsedArguments &parsed, const std::string &name, int64_t largest,
                      int64_t &target) {
  if (!parsed.Has(name)) return "";
  const std::string text = parsed.Value(name, "");
  const auto number = zuvexaiq::ParseScaledNumber(text);
  if (!number || *number != std::floor(*number) || *number < 1 || *number > double(largest))
    return name + " must be a whole number from 1 to " + std::to_string(largest) + ": \"" + text + "\"";
  target = static_cast<int64_t>(*number);
  return "";
}

// Any finite number, k, M or G suffix allowed: the instrument judges the value.
std::string ReadNumber(const ParsedArguments &parsed, const std::string &name, double &target) {
  if (!parsed.Has(name)) return "";
  const std::string text = parsed.Value(name, "");
  const auto number = zuvexaiq::ParseScaledNumber(text);
  if (!number) return name + " must be a number: \"" + text + "\"";
  target = *number;
  return "";
}

std::string ReadFormat(const ParsedArguments &parsed, FetchSettings &settings) {
  settings.outputPath = parsed.Value("--output", "");
  settings.format = FormatForPath(settings.outputPath);
  if (!parsed.Has("--format")) return "";
  const auto format = ParseSampleFormat(parsed.Value("--format", ""));
  if (!format) return "--format must be csv, f64 or i16: \"" + parsed.Value("--format", "") + "\"";
  if (settings.outputPath.empty()) return "--format needs --output";
  settings.format = *format;
  return "";
}

} // namespace

const std::vector<OptionInfo> &FetchOptions() {
  static const std::vector<OptionInfo> options = {
      {"--resource", "NAME", "device name, alias or logical name (default Analyzer1)"},
      {"--options", "TEXT", "option string (default \"Simulate=1,DriverSetup=Model:Q118\")"},
      {"--carrier", "HZ", "carrier (centre) frequency (default 1G)"},
      {"--rate", "HZ", "I/Q sample rate (default 1M)"},
      {"--samples", "N", "complex samples per record (default 1000)"},
      {"--records", "N", "records to acquire and fetch (default 1)"},
      {"--timeout", "S", "fetch timeout in seconds (default 10)"},
      {"--output", "FILE", "write the samples to FILE (\"-\": standard output)"},
      {"--format", "FMT", "csv, f64 or i16 (default: from FILE's extension, else csv)"},
      {"--plot", "FILE.svg", "draw the I/Q trace and power spectrum of record 0"},
      {"--quiet", "", "print no report"},
      {"--no-progress", "", "no progress bar, even on a terminal"},
  };
  return options;
}

std::string ReadFetchSettings(const ParsedArguments &parsed, FetchSettings &settings) {
  zuvexaiq::Settings &acquisition = settings.acquisition;
  acquisition.resourceName = parsed.Value("--resource", acquisition.resourceName);
  acquisition.optionString = parsed.Value("--options", acquisition.optionString);
  settings.plotPath = parsed.Value("--plot", "");
  settings.quiet = parsed.Has("--quiet");
  settings.progress = !parsed.Has("--no-progress");
  for (const std::string &error :
       {ReadNumber(parsed, "--carrier", acquisition.carrierFrequency),
        ReadNumber(parsed, "--rate", acquisition.iqRate),
        ReadNumber(parsed, "--timeout", settings.timeoutSeconds),
        ReadCount(parsed, "--samples", zuvexaiq::kMaxSamples, acquisition.numberOfSamples),
        ReadCount(parsed, "--records", kMaxRecords, settings.records), ReadFormat(parsed, settings)})
    if (!error.empty()) return error;
  if (!parsed.positional.empty()) return "unexpected argument \"" + parsed.positional.front() + "\"";
  return "";
}

} // namespace zuvexacli
