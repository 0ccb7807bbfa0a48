#include "CommandLine.h"

#include <CLI/CLI.hpp>
#include <cmath>

#include "Report.h"
#include "Units.h"

namespace zuvexaiq {

std::string ReadCount(const std::string &name, const std::string &text, int64_t largest, int64_t &target) {
  const auto number = zuvexaclient::ParseScaled(text);
  if (!number || *number != std::floor(*number) || *number < 1 || *number > double(largest))
    return name + " must be a whole number from 1 to " + std::to_string(largest) + ": \"" + text + "\"";
  target = static_cast<int64_t>(*number);
  return "";
}

std::string ReadBounded(const std::string &name, const std::string &text, double low, bool lowIncluded,
                        double high, const char *unit, double &target) {
  const auto number = zuvexaclient::ParseScaled(text);
  const bool inside = number && (lowIncluded ? *number >= low : *number > low) && *number <= high;
  if (!inside)
    return name + " must be a number " + (lowIncluded ? "from " : "above ") + FormatPlain(low, unit) +
           " to " + FormatPlain(high, unit) + ": \"" + text + "\"";
  target = *number;
  return "";
}

void AddAcquisitionOptions(CLI::App &app, AcquisitionText &text) {
  app.add_option("--resource", text.resource,
                 std::string("device name, alias or logical name (default ") + kDefaultResource + ")");
  app.add_option("--options", text.options,
                 std::string("option string (default for the default resource: \"") + kSimulationOptions +
                     "\"; none for a named one)");
  app.add_option("--carrier", text.carrier, "carrier (centre) frequency in Hz, 0 to 100G (default 1G)");
  app.add_option("--rate", text.rate, "I/Q sample rate in samples/s, above 0 to 10G (default 1M)");
  app.add_option("--samples", text.samples,
                 "complex samples per record, 1 to " + std::to_string(kMaxSamples) + " (default 1000)");
}

std::string ReadAcquisition(const AcquisitionText &text, Settings &settings) {
  if (text.resource) settings.resourceName = *text.resource;
  if (text.options)
    settings.optionString = *text.options;
  else if (text.resource)
    settings.optionString = "";
  std::string error;
  if (text.carrier)
    error = ReadBounded("--carrier", *text.carrier, 0, true, kMaxCarrierFrequency, "Hz",
                        settings.carrierFrequency);
  if (error.empty() && text.rate)
    error = ReadBounded("--rate", *text.rate, 0, false, kMaxIqRate, "S/s", settings.iqRate);
  if (error.empty() && text.samples)
    error = ReadCount("--samples", *text.samples, kMaxSamples, settings.numberOfSamples);
  return error;
}

std::string UsageFooter() {
  return std::string(zuvexaclient::kUnitsHelp) + "\n" +
         "Powers are in dBFS: 0 dBFS is a complex sample of magnitude 1 (full scale).\n"
         "Exit status: 0 success, 1 a library call or the output failed, 2 a wrong command line.";
}

} // namespace zuvexaiq
