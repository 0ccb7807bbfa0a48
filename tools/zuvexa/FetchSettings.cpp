#include "FetchSettings.h"

#include <strings.h>

#include <CLI/CLI.hpp>

namespace zuvexacli {

namespace {

std::string ReadFormat(const FetchText &text, FetchSettings &settings) {
  settings.outputPath = text.output.value_or("");
  settings.format = FormatForPath(settings.outputPath);
  if (!text.format) return "";
  const auto format = ParseSampleFormat(*text.format);
  if (!format) return "--format must be csv, f64 or i16: \"" + *text.format + "\"";
  if (settings.outputPath.empty()) return "--format needs --output";
  settings.format = *format;
  return "";
}

std::string ReadPlot(const FetchText &text, FetchSettings &settings) {
  settings.plotPath = text.plot.value_or("");
  const std::string &path = settings.plotPath;
  if (text.plot && (path.size() < 5 || strcasecmp(path.c_str() + path.size() - 4, ".svg") != 0))
    return "--plot draws SVG only: give a file name ending in .svg: \"" + path + "\"";
  return "";
}

} // namespace

void AddFetchOptions(CLI::App &command, FetchText &text) {
  zuvexaiq::AddAcquisitionOptions(command, text.acquisition);
  command.add_option("--records", text.records,
                     "records to acquire and fetch, 1 to " + std::to_string(kMaxRecords) + " (default 1)");
  command.add_option("--timeout", text.timeout, "fetch timeout in seconds (default 10)");
  command.add_option("--output", text.output,
                     "write the samples to FILE (\"-\": standard output; NAME.sigmf-data: SigMF)");
  command.add_option("--format", text.format, "csv, f64 or i16 (default: from FILE's extension, else csv)");
  command.add_option("--plot", text.plot, "draw the I/Q trace and power spectrum of record 0 into FILE.svg");
  command.add_flag("--quiet", text.quiet, "print no report");
  command.add_flag("--no-progress", text.noProgress, "no progress bar, even on a terminal");
  command.add_flag("--json", text.json, "the statistics as one JSON document on standard output");
}

std::string ReadFetchSettings(const FetchText &text, FetchSettings &settings) {
  settings.quiet = text.quiet;
  settings.progress = !text.noProgress;
  settings.json = text.json;
  std::string error = zuvexaiq::ReadAcquisition(text.acquisition, settings.acquisition);
  if (error.empty() && text.records)
    error = zuvexaiq::ReadCount("--records", *text.records, kMaxRecords, settings.records);
  if (error.empty() && text.timeout)
    error = zuvexaiq::ReadBounded("--timeout", *text.timeout, 0, true, kMaxTimeoutSeconds, "s",
                                  settings.timeoutSeconds);
  if (error.empty()) error = ReadFormat(text, settings);
  if (error.empty()) error = ReadPlot(text, settings);
  if (error.empty() && settings.json && settings.outputPath == "-")
    error = "--json and --output - both want standard output";
  return error;
}

} // namespace zuvexacli
