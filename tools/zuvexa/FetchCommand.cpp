// zuvexa fetch: opens a session, configures the carrier, rate, samples and
// records, fetches every record (with a progress bar on a terminal),
// prints statistics, and writes the samples and a plot when asked. SIGINT
// and SIGTERM stop it between records: the session is closed, the report
// covers the records fetched and the output files keep whole records.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>

#include "Commands.h"
#include "FetchOutput.h"
#include "FetchPlot.h"
#include "FetchSettings.h"
#include "Interrupts.h"
#include "IqAnalysis.h"
#include "Progress.h"
#include "Report.h"
#include "Session.h"
#include "Sigmf.h"
#include "Statistics.h"
#include "Units.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

// What the records of one run leave behind.
struct FetchResult {
  StatisticsAccumulator statistics;
  std::vector<std::complex<double>> firstRecord;
  WaveformInfo firstInfo{};
  int64_t fetched = 0;
  int signal = 0;            // the signal that stopped the run, or 0
  bool outputFailed = false; // the samples could not be written
};

std::vector<std::complex<double>> ScaledSamples(const zuvexaclient::IqRecordI16 &record) {
  std::vector<std::complex<double>> samples(record.interleaved.size() / 2);
  for (std::size_t n = 0; n < samples.size(); ++n)
    samples[n] = {record.interleaved[2 * n] * record.info.gain + record.info.offset,
                  record.interleaved[2 * n + 1] * record.info.gain + record.info.offset};
  return samples;
}

// Fetches record `number` in the output's form, writes it, and returns its
// samples as complex values.
std::vector<std::complex<double>> FetchOne(zuvexaclient::Session &session, const FetchSettings &settings,
                                           int64_t number, SampleWriter *writer, WaveformInfo &info) {
  const int64_t samples = settings.acquisition.numberOfSamples;
  if (settings.format == SampleFormat::I16 && !settings.outputPath.empty()) {
    const zuvexaclient::IqRecordI16 record = session.FetchI16(number, samples, settings.timeoutSeconds);
    info = record.info;
    if (writer != nullptr)
      writer->WriteI16(number, record.interleaved, info.xIncrement, info.gain, info.offset);
    return ScaledSamples(record);
  }
  const zuvexaclient::IqRecord record = session.FetchF64(number, samples, settings.timeoutSeconds);
  info = record.info;
  if (writer != nullptr) writer->WriteF64(number, record.interleaved, info.xIncrement);
  return zuvexaiq::ToComplex(record.interleaved);
}

FetchResult FetchAll(zuvexaclient::Session &session, const FetchSettings &settings, FetchOutput &output) {
  FetchResult result;
  ProgressBar progress(std::cerr, settings.progress && !settings.quiet && StandardErrorIsTerminal(),
                       "records");
  session.Initiate();
  for (int64_t number = 0; number < settings.records; ++number) {
    if ((result.signal = PendingInterrupt()) != 0) break;
    WaveformInfo info{};
    std::vector<std::complex<double>> samples = FetchOne(session, settings, number, output.Writer(), info);
    if (output.Writer() != nullptr) output.Writer()->NoteRecord(number, info);
    if ((result.outputFailed = !output.SamplesWritten())) break;
    result.statistics.Add(samples);
    if (number == 0) result.firstRecord = std::move(samples), result.firstInfo = info;
    result.fetched = number + 1;
    progress.Update(number + 1, settings.records);
  }
  if (result.signal == 0) result.signal = PendingInterrupt();
  progress.Finish();
  return result;
}

double SampleRate(const FetchSettings &settings, const FetchResult &result) {
  const double interval = result.firstInfo.xIncrement;
  return interval > 0 ? 1.0 / interval : settings.acquisition.iqRate;
}

json StatisticsJson(const FetchSettings &settings, const FetchResult &result, ViSession vi) {
  const IqStatistics stats = result.statistics.Result();
  const zuvexaiq::Tone tone = zuvexaiq::FindStrongestTone(result.firstRecord, SampleRate(settings, result));
  const auto finite = [](double value) { return std::isfinite(value) ? json(value) : json(nullptr); };
  json document = {{"session", vi},
                   {"resource", settings.acquisition.resourceName},
                   {"options", settings.acquisition.optionString},
                   {"carrierFrequency", settings.acquisition.carrierFrequency},
                   {"iqRate", SampleRate(settings, result)},
                   {"records", result.fetched},
                   {"recordsRequested", settings.records},
                   {"samplesPerRecord", result.firstInfo.actualSamples},
                   {"samples", stats.samples},
                   {"meanPowerDbfs", finite(stats.meanPowerDbfs)},
                   {"peakPowerDbfs", finite(stats.peakPowerDbfs)},
                   {"crestFactorDb", finite(stats.crestFactorDb)},
                   {"dcOffset", {stats.dcOffset.real(), stats.dcOffset.imag()}},
                   {"tone", {{"offset", tone.frequency}, {"powerDbfs", finite(tone.powerDbfs)}}},
                   {"interrupted", result.signal != 0 ? json(SignalName(result.signal)) : json(nullptr)}};
  if (settings.format == SampleFormat::I16 && !settings.outputPath.empty())
    document["i16"] = {{"gain", result.firstInfo.gain}, {"offset", result.firstInfo.offset}};
  return document;
}

void PrintStatistics(std::ostream &out, const FetchSettings &settings, const FetchResult &result) {
  const IqStatistics stats = result.statistics.Result();
  const double interval = result.firstInfo.xIncrement, rate = SampleRate(settings, result);
  char dc[96], crest[32], scaling[96];
  std::snprintf(crest, sizeof crest, "%.2f dB", stats.crestFactorDb);
  std::snprintf(dc, sizeof dc, "I %+.6f, Q %+.6f", stats.dcOffset.real(), stats.dcOffset.imag());
  std::snprintf(scaling, sizeof scaling, "value = raw * %.9g %+.9g", result.firstInfo.gain,
                result.firstInfo.offset);
  const zuvexaiq::Tone tone = zuvexaiq::FindStrongestTone(result.firstRecord, rate);
  out << "carrier       " << zuvexaiq::FormatHertz(settings.acquisition.carrierFrequency) << "\n"
      << "IQ rate       " << zuvexaiq::FormatRate(rate) << " (sample interval "
      << zuvexaiq::FormatSeconds(interval) << ")\n"
      << "records       " << result.fetched << " of " << result.firstInfo.actualSamples << " samples ("
      << zuvexaiq::FormatSeconds(interval * double(result.firstInfo.actualSamples)) << " each)"
      << (result.fetched < settings.records ? ", of " + std::to_string(settings.records) + " asked for" : "")
      << "\n"
      << "samples       " << stats.samples << " fetched\n";
  if (settings.format == SampleFormat::I16 && !settings.outputPath.empty())
    out << "I16 scaling   " << scaling << " (gain, offset)\n";
  out << "mean power    " << zuvexaiq::FormatDbfs(stats.meanPowerDbfs) << " (0 dBFS: |I + jQ| = 1)\n"
      << "peak power    " << zuvexaiq::FormatDbfs(stats.peakPowerDbfs) << " (crest factor " << crest << ")\n"
      << "DC offset     " << dc << "\n"
      << "tone          " << zuvexaiq::FormatHertz(tone.frequency, true) << " from the carrier, at "
      << zuvexaiq::FormatHertz(settings.acquisition.carrierFrequency + tone.frequency) << ", "
      << zuvexaiq::FormatDbfs(tone.powerDbfs) << " (record 0)\n";
}

std::string PlotSvg(const FetchSettings &settings, const FetchResult &result) {
  const std::string caption = "\"" + settings.acquisition.resourceName + "\", " +
                              settings.acquisition.optionString + ", record 0 of " +
                              std::to_string(result.fetched);
  return FetchPlotSvg(result.firstRecord, SampleRate(settings, result), settings.acquisition.carrierFrequency,
                      caption);
}

// After a signal: what became of the output files.
void TellWhatWasKept(const FetchSettings &settings, const FetchResult &result, const FetchOutput &output) {
  std::cerr << "zuvexa fetch: stopped by " << SignalName(result.signal) << " after " << result.fetched
            << " of " << settings.records << " records; session closed\n";
  for (const std::string &note : output.Notes()) std::cerr << "zuvexa fetch: " << note << "\n";
}

int Fetch(const FetchSettings &settings) {
  CatchInterrupts(); // before the files exist, so that a signal finds them dropped or finished
  FetchOutput output(settings);
  if (const std::string error = output.Open(); !error.empty()) {
    std::cerr << "zuvexa fetch: " << error << "\n";
    return kExitFailure;
  }
  std::ostream &report =
      settings.outputPath == "-" || settings.quiet || settings.json ? std::cerr : std::cout;
  const bool talk = !settings.quiet && !settings.json;
  zuvexaclient::Session session(settings.acquisition.resourceName, settings.acquisition.optionString);
  const ViSession vi = session.Handle();
  if (talk) zuvexaiq::PrintSession(report, settings.acquisition, vi);
  session.ConfigureIq(settings.acquisition.carrierFrequency, settings.acquisition.iqRate,
                      settings.acquisition.numberOfSamples);
  session.ConfigureRecords(settings.records);
  const FetchResult result = FetchAll(session, settings, output);
  session.Close();

  // Samples that could not be written: the failure alone, no statistics of what was not kept.
  if (talk && !result.outputFailed) {
    PrintStatistics(report, settings, result);
    report << "closed        session " << vi << "\n";
  }
  if (settings.json && !result.outputFailed) PrintJson(StatisticsJson(settings, result, vi));
  const std::string failure =
      result.outputFailed
          ? output.Fail()
          : output.Finish(result.fetched > 0 ? PlotSvg(settings, result) : "", result.fetched);
  if (result.signal != 0) TellWhatWasKept(settings, result, output);
  if (!failure.empty()) {
    std::cerr << "zuvexa fetch: " << failure << "\n";
    return kExitFailure;
  }
  return result.signal != 0 ? InterruptExitCode(result.signal) : kExitSuccess;
}

} // namespace

void AddFetchCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("fetch", "acquire I/Q records: statistics, CSV or raw samples, SVG plot");
  command->footer(
      "Opens a session, acquires I/Q records and prints their statistics; writes the\n"
      "samples as CSV or raw little-endian interleaved I, Q values (f64: 64-bit floats,\n"
      "i16: unscaled 16-bit integers, value = raw * gain + offset) and draws a plot.\n"
      "--output NAME.sigmf-data writes a SigMF recording: the samples (cf64_le for f64,\n"
      "ci16_le for i16, else cf32_le) and their description in NAME.sigmf-meta.\n" +
      std::string(zuvexaclient::kUnitsHelp) +
      "\nFiles are written beside their names and put in place when finished: a failed\n"
      "fetch leaves them as they were. SIGINT or SIGTERM stops it between records: the files keep the\n"
      "whole records fetched, the report covers them, and the exit status is 130 or 143.");
  auto text = std::make_shared<FetchText>();
  AddFetchOptions(*command, *text);
  command->callback([&exitCode, text] {
    FetchSettings settings;
    if (const std::string error = ReadFetchSettings(*text, settings); !error.empty()) {
      exitCode = UsageError("fetch", error);
      return;
    }
    try {
      exitCode = Fetch(settings);
    } catch (const zuvexaclient::ApiError &failure) {
      exitCode = ReportApiError(failure, settings.acquisition);
    }
  });
}

} // namespace zuvexacli
