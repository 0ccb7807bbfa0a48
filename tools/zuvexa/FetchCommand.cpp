// zuvexa fetch: opens a session, configures the carrier, rate, samples and
// records, fetches every record (with a progress bar on a terminal),
// prints statistics, and writes the samples and a plot when asked.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "Commands.h"
#include "FetchPlot.h"
#include "FetchSettings.h"
#include "IqAnalysis.h"
#include "Progress.h"
#include "Report.h"
#include "Session.h"
#include "Sigmf.h"
#include "Statistics.h"

namespace zuvexacli {

namespace {

const char *const kUsage =
    "Usage: zuvexa fetch [options]\n"
    "Opens a session, acquires I/Q records and prints their statistics; writes the\n"
    "samples as CSV or raw little-endian interleaved I, Q values (f64: 64-bit floats,\n"
    "i16: unscaled 16-bit integers, value = raw * gain + offset) and draws a plot.\n"
    "Numbers take a k, M or G suffix: --carrier 2.4G --rate 10M.\n\n";

// What the records of one run leave behind.
struct FetchResult {
  StatisticsAccumulator statistics;
  std::vector<std::complex<double>> firstRecord;
  WaveformInfo firstInfo{};
};

class Output {
public:
  // Nothing for an empty path; standard output for "-".
  bool Open(const std::string &path) {
    if (path.empty() || path == "-") return true;
    file_.open(path, std::ios::binary | std::ios::trunc);
    return file_.is_open();
  }
  std::ostream *Stream(const std::string &path) {
    return path.empty() ? nullptr : path == "-" ? &std::cout : &file_;
  }

private:
  std::ofstream file_;
};

std::vector<std::complex<double>> ScaledSamples(const zuvexaiq::IqRecordI16 &record) {
  std::vector<std::complex<double>> samples(record.interleaved.size() / 2);
  for (std::size_t n = 0; n < samples.size(); ++n)
    samples[n] = {record.interleaved[2 * n] * record.info.gain + record.info.offset,
                  record.interleaved[2 * n + 1] * record.info.gain + record.info.offset};
  return samples;
}

// Fetches record `number` in the output's form, writes it, and returns its
// samples as complex values.
std::vector<std::complex<double>> FetchOne(zuvexaiq::Session &session, const FetchSettings &settings,
                                           int64_t number, SampleWriter *writer, WaveformInfo &info) {
  const int64_t samples = settings.acquisition.numberOfSamples;
  if (writer != nullptr && settings.format == SampleFormat::I16) {
    const zuvexaiq::IqRecordI16 record = session.FetchI16(number, samples, settings.timeoutSeconds);
    info = record.info;
    writer->WriteI16(number, record.interleaved, info.xIncrement, info.gain, info.offset);
    return ScaledSamples(record);
  }
  const zuvexaiq::IqRecord record = session.FetchF64(number, samples, settings.timeoutSeconds);
  info = record.info;
  if (writer != nullptr) writer->WriteF64(number, record.interleaved, info.xIncrement);
  return zuvexaiq::ToComplex(record.interleaved);
}

FetchResult FetchAll(zuvexaiq::Session &session, const FetchSettings &settings, SampleWriter *writer) {
  FetchResult result;
  ProgressBar progress(std::cerr, settings.progress && !settings.quiet && StandardErrorIsTerminal(),
                       "records");
  session.Initiate();
  for (int64_t number = 0; number < settings.records; ++number) {
    WaveformInfo info{};
    std::vector<std::complex<double>> samples = FetchOne(session, settings, number, writer, info);
    if (writer != nullptr) writer->NoteRecord(number, info);
    result.statistics.Add(samples);
    if (number == 0) result.firstRecord = std::move(samples), result.firstInfo = info;
    progress.Update(number + 1, settings.records);
  }
  progress.Finish();
  return result;
}

void PrintStatistics(std::ostream &out, const FetchSettings &settings, const FetchResult &result) {
  const IqStatistics stats = result.statistics.Result();
  const double interval = result.firstInfo.xIncrement;
  const double rate = interval > 0 ? 1.0 / interval : settings.acquisition.iqRate;
  char dc[96], crest[32];
  std::snprintf(crest, sizeof crest, "%.2f dB", stats.crestFactorDb);
  std::snprintf(dc, sizeof dc, "I %+.6f, Q %+.6f", stats.dcOffset.real(), stats.dcOffset.imag());
  const zuvexaiq::Tone tone = zuvexaiq::FindStrongestTone(result.firstRecord, rate);
  out << "carrier       " << zuvexaiq::FormatHertz(settings.acquisition.carrierFrequency) << "\n"
      << "IQ rate       " << zuvexaiq::FormatRate(rate) << " (sample interval "
      << zuvexaiq::FormatSeconds(interval) << ")\n"
      << "records       " << settings.records << " of " << result.firstInfo.actualSamples << " samples ("
      << zuvexaiq::FormatSeconds(interval * double(result.firstInfo.actualSamples)) << " each)\n"
      << "samples       " << stats.samples << " fetched\n"
      << "mean power    " << zuvexaiq::FormatDbfs(stats.meanPowerDbfs) << " (0 dBFS: |I + jQ| = 1)\n"
      << "peak power    " << zuvexaiq::FormatDbfs(stats.peakPowerDbfs) << " (crest factor " << crest << ")\n"
      << "DC offset     " << dc << "\n"
      << "tone          " << zuvexaiq::FormatHertz(tone.frequency, true) << " from the carrier, at "
      << zuvexaiq::FormatHertz(settings.acquisition.carrierFrequency + tone.frequency) << ", "
      << zuvexaiq::FormatDbfs(tone.powerDbfs) << " (record 0)\n";
}

bool WritePlot(const FetchSettings &settings, const FetchResult &result, const std::string &caption) {
  const double interval = result.firstInfo.xIncrement;
  std::ofstream file(settings.plotPath, std::ios::trunc);
  file << FetchPlotSvg(result.firstRecord, interval > 0 ? 1.0 / interval : settings.acquisition.iqRate,
                       settings.acquisition.carrierFrequency, caption);
  return bool(file.flush());
}

int CannotWrite(const std::string &path) {
  std::cerr << "zuvexa fetch: cannot write " << path << ": " << std::strerror(errno) << "\n";
  return kExitFailure;
}

int Fetch(const FetchSettings &settings) {
  Output output;
  if (!output.Open(settings.outputPath)) return CannotWrite(settings.outputPath);
  std::ostream &report = settings.outputPath == "-" || settings.quiet ? std::cerr : std::cout;
  std::unique_ptr<SampleWriter> writer;
  if (std::ostream *stream = output.Stream(settings.outputPath))
    writer = MakeSampleWriter(*stream, settings, ZUVEXA_VERSION);

  zuvexaiq::Session session(settings.acquisition.resourceName, settings.acquisition.optionString);
  const ViSession vi = session.Handle();
  if (!settings.quiet) zuvexaiq::PrintSession(report, settings.acquisition, vi);
  session.ConfigureIq(settings.acquisition.carrierFrequency, settings.acquisition.iqRate,
                      settings.acquisition.numberOfSamples);
  session.ConfigureRecords(settings.records);
  const FetchResult result = FetchAll(session, settings, writer.get());
  session.Close();

  if (!settings.quiet) {
    PrintStatistics(report, settings, result);
    report << "closed        session " << vi << "\n";
  }
  if (writer != nullptr && !writer->Finish()) return CannotWrite(settings.outputPath);
  const std::string caption = "\"" + settings.acquisition.resourceName + "\", " +
                              settings.acquisition.optionString + ", record 0 of " +
                              std::to_string(settings.records);
  if (!settings.plotPath.empty() && !WritePlot(settings, result, caption))
    return CannotWrite(settings.plotPath);
  return kExitSuccess;
}

} // namespace

int RunFetch(const Words &arguments) {
  ParsedArguments parsed;
  if (const auto done = ReadCommandLine("fetch", arguments, FetchOptions(), kUsage, parsed)) return *done;
  FetchSettings settings;
  if (const std::string error = ReadFetchSettings(parsed, settings); !error.empty())
    return UsageError("fetch", error);
  try {
    return Fetch(settings);
  } catch (const zuvexaiq::ApiError &failure) {
    return ReportApiError(failure);
  }
}

} // namespace zuvexacli
