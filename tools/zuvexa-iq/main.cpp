// zuvexa-iq: acquires one I/Q record from the analyzer through libzuvexa and
// shows what is in it. See --help.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "CallTracer.h"
#include "CommandLine.h"
#include "IqAnalysis.h"
#include "Report.h"
#include "Session.h"
#include "Text.h"

namespace {

constexpr char kProgram[] = "zuvexa-iq";
constexpr double kFetchTimeoutSeconds = 10.0;
constexpr std::size_t kSamplesShown = 8;

void Acquire(const zuvexaiq::Settings &settings) {
  zuvexaclient::Session session(settings.resourceName, settings.optionString);
  zuvexaiq::PrintSession(std::cout, settings, session.Handle());
  session.ConfigureIq(settings.carrierFrequency, settings.iqRate, settings.numberOfSamples);
  const zuvexaclient::IqRecord record = session.FetchRecord(settings.numberOfSamples, kFetchTimeoutSeconds);

  const auto samples = zuvexaiq::ToComplex(record.interleaved);
  const double sampleRate = record.info.xIncrement > 0 ? 1.0 / record.info.xIncrement : settings.iqRate;
  zuvexaiq::PrintSettings(std::cout, settings, record.info);
  zuvexaiq::PrintFirstSamples(std::cout, samples, kSamplesShown);
  zuvexaiq::PrintMeasurements(std::cout, settings, zuvexaiq::MeanPowerDbfs(samples),
                              zuvexaiq::FindStrongestTone(samples, sampleRate));
  const ViSession vi = session.Handle();
  session.Close();
  std::cout << "closed        session " << vi << "\n";
}

int Run(const zuvexaiq::Settings &settings) {
  try {
    Acquire(settings);
  } catch (const zuvexaclient::ApiError &error) {
    std::cerr << kProgram << ": " << error.Function() << " failed with status "
              << zuvexaclient::HexStatus(error.Status()) << "\n"
              << zuvexaiq::IndentedDescription(error.Description())
              << zuvexaiq::FailureHint(error.Status(), error.Description(), settings);
    return 1;
  } catch (const std::exception &error) {
    std::cerr << kProgram << ": " << error.what() << "\n";
    return 1;
  }
  return 0;
}

// Exit 1 when standard output could not take what was written.
int CheckedStandardOutput(int exitCode) {
  std::cout.flush();
  if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) return exitCode;
  std::cerr << kProgram << ": cannot write standard output: " << std::strerror(errno) << "\n";
  return 1;
}

} // namespace

int main(int argc, char **argv) {
  CLI::App app("Opens a session on the analyzer, acquires one I/Q record and shows its\n"
               "first samples, its mean power and the strongest tone in it.",
               kProgram);
  app.set_version_flag("--version", std::string(kProgram) + " " + ZUVEXA_VERSION);
  zuvexaiq::AcquisitionText text;
  zuvexaiq::AddAcquisitionOptions(app, text);
  bool traceCalls = false;
  app.add_flag("--trace", traceCalls,
               "show every library call, its values and its status (one JSON line each on\n"
               "standard error, through the call tracer libZuPeekLog.so)");
  app.footer(zuvexaiq::UsageFooter() + "\nManual: " ZUVEXA_MANUAL_PAGE
                                       " when installed,\nor docs/ in the sources.");
  if (argc == 2 && std::string(argv[1]) == "help") {
    std::cout << app.help();
    return CheckedStandardOutput(0);
  }
  zuvexaiq::Settings settings;
  try {
    app.parse(argc, argv);
    if (const std::string error = zuvexaiq::ReadAcquisition(text, settings); !error.empty())
      throw CLI::ValidationError(error);
  } catch (const CLI::ParseError &error) {
    if (error.get_exit_code() == 0) return CheckedStandardOutput(app.exit(error));
    std::cerr << kProgram << ": " << error.what() << "\n(" << kProgram << " --help shows the options)\n";
    return 2;
  }
  if (traceCalls && !zuvexaiq::StartCallTracer())
    std::cerr << kProgram << ": the call tracer libZuPeekLog.so was not found; calls are not shown\n";
  return CheckedStandardOutput(Run(settings));
}
