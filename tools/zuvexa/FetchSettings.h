// What zuvexa fetch acquires and where the samples go, from its options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "CommandLine.h"
#include "SampleWriter.h"

namespace CLI {
class App;
}

namespace zuvexacli {

struct FetchSettings {
  zuvexaiq::Settings acquisition; // resource, options, carrier, rate, samples
  int64_t records = 1;
  double timeoutSeconds = 10.0;
  std::string outputPath; // "" none, "-" standard output
  SampleFormat format = SampleFormat::Csv;
  std::string plotPath;
  bool quiet = false, progress = true, json = false;
};

// The options as typed.
struct FetchText {
  zuvexaiq::AcquisitionText acquisition;
  std::optional<std::string> records, timeout, output, format, plot;
  bool quiet = false, noProgress = false, json = false;
};

inline constexpr int64_t kMaxRecords = 1000000;
inline constexpr double kMaxTimeoutSeconds = 86400.0;

void AddFetchOptions(CLI::App &command, FetchText &text);

// Fills `settings` from the options; returns an error text or "".
std::string ReadFetchSettings(const FetchText &text, FetchSettings &settings);

} // namespace zuvexacli
