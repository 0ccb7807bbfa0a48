// zuvexa-iq: acquires one I/Q record from the analyzer through libzuvexa and
// shows what is in it. See --help.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "CallTracer.h"
#include "CommandLine.h"
#include "IqAnalysis.h"
#include "Report.h"
#include "Session.h"

namespace {

constexpr double kFetchTimeoutSeconds = 10.0;
constexpr std::size_t kSamplesShown = 8;

void Acquire(const zuvexaiq::Settings &settings) {
  zuvexaiq::Session session(settings.resourceName, settings.optionString);
  zuvexaiq::PrintSession(std::cout, settings, session.Handle());
  session.ConfigureIq(settings.carrierFrequency, settings.iqRate, settings.numberOfSamples);
  const zuvexaiq::IqRecord record = session.FetchRecord(settings.numberOfSamples, kFetchTimeoutSeconds);

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

} // namespace

int main(int argc, char **argv) {
  const std::string program = "zuvexa-iq";
  const auto parsed = zuvexaiq::ParseCommandLine(std::vector<std::string>(argv + (argc > 0), argv + argc));
  if (parsed.showHelp) {
    std::cout << zuvexaiq::UsageText(program);
    return 0;
  }
  if (!parsed.error.empty()) {
    std::cerr << program << ": " << parsed.error << "\n(" << program << " --help shows the options)\n";
    return 2;
  }
  if (parsed.traceCalls && !zuvexaiq::StartCallTracer())
    std::cerr << program << ": the call tracer libZuPeekLog.so was not found; calls are not shown\n";
  try {
    Acquire(parsed.settings);
  } catch (const zuvexaiq::ApiError &error) {
    std::cerr << program << ": " << error.what() << "\n"
              << zuvexaiq::IndentedDescription(error.Description());
    return 1;
  } catch (const std::exception &error) {
    std::cerr << program << ": " << error.what() << "\n";
    return 1;
  }
  return 0;
}
