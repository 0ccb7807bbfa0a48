// Command line of zuvexa-iq and what it shares with the zuvexa command: what
// to acquire and from which session, numbers with unit suffixes and the
// limits a value must keep before a session is opened.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace zuvexaiq {

inline constexpr char kDefaultResource[] = "Analyzer1";
inline constexpr char kSimulationOptions[] = "Simulate=1,DriverSetup=Model:Q118";

struct Settings {
  std::string resourceName = kDefaultResource;
  std::string optionString = kSimulationOptions;
  double carrierFrequency = 1.0e9; // hertz
  double iqRate = 1.0e6;           // samples per second
  int64_t numberOfSamples = 1000;  // complex samples in the record
};

// Largest record the programs ask for (16 bytes per complex sample).
inline constexpr int64_t kMaxSamples = 64 * 1024 * 1024;
// What an analyzer can be asked for at all; the instrument judges the rest.
inline constexpr double kMaxCarrierFrequency = 100e9, kMaxIqRate = 10e9;

// The acquisition options as the command line gives them (text, so that
// the messages quote what was typed).
struct AcquisitionText {
  std::optional<std::string> resource, options, carrier, rate, samples;
};

// Adds --resource, --options, --carrier, --rate and --samples to `app`.
void AddAcquisitionOptions(CLI::App &app, AcquisitionText &text);

// Fills `settings`; returns an error text or "". The built-in simulation
// options belong to the default resource: a named resource without
// --options is opened as named.
std::string ReadAcquisition(const AcquisitionText &text, Settings &settings);

// A whole number from 1 to `largest` (with a unit, see Units.h) read from `text`
// into `target`; returns an error naming `name`, or "".
std::string ReadCount(const std::string &name, const std::string &text, int64_t largest, int64_t &target);
// A number in [low, high] (`lowIncluded` tells whether low itself is
// allowed); the error gives the limits with `unit`.
std::string ReadBounded(const std::string &name, const std::string &text, double low, bool lowIncluded,
                        double high, const char *unit, double &target);

// The text of --help for zuvexa-iq.
std::string UsageFooter();

} // namespace zuvexaiq
