// What zuvexa fetch acquires and where the samples go, from its options.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Arguments.h"
#include "CommandLine.h"
#include "SampleWriter.h"

namespace zuvexacli {

struct FetchSettings {
  zuvexaiq::Settings acquisition; // resource, options, carrier, rate, samples
  int64_t records = 1;
  double timeoutSeconds = 10.0;
  std::string outputPath; // "" none, "-" standard output
  SampleFormat format = SampleFormat::Csv;
  std::string plotPath;
  bool quiet = false, progress = true;
};

inline constexpr int64_t kMaxRecords = 1000000;

const std::vector<OptionInfo> &FetchOptions();

// Fills `settings` from parsed options; returns an error text or "".
std::string ReadFetchSettings(const ParsedArguments &parsed, FetchSettings &settings);

} // namespace zuvexacli
