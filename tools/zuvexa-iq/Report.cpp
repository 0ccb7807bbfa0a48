#include "Report.h"

#include "zuVEXA.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace zuvexaiq {

namespace {

std::string Printf(const char *format, auto... values) {
  char text[128];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

struct Unit {
  double scale;
  const char *name;
  int decimals;
};

const Unit &HertzUnit(double magnitude) {
  static const Unit units[] = {{1e9, "GHz", 9}, {1e6, "MHz", 6}, {1e3, "kHz", 3}, {1.0, "Hz", 3}};
  for (const Unit &unit : units)
    if (magnitude >= unit.scale) return unit;
  return units[3];
}

} // namespace

std::string FormatHertz(double hertz, bool withSign) {
  const Unit &unit = HertzUnit(std::fabs(hertz));
  return Printf(withSign ? "%+.*f %s" : "%.*f %s", unit.decimals, hertz / unit.scale, unit.name);
}

std::string FormatRate(double samplesPerSecond) {
  const Unit &unit = HertzUnit(std::fabs(samplesPerSecond));
  return Printf("%.6g %sS/s", samplesPerSecond / unit.scale,
                unit.scale == 1.0 ? "" : std::string(unit.name, 1).c_str());
}

std::string FormatSeconds(double seconds) {
  const double magnitude = std::fabs(seconds);
  if (magnitude >= 1.0 || magnitude == 0.0) return Printf("%.3f s", seconds);
  if (magnitude >= 1e-3) return Printf("%.3f ms", seconds * 1e3);
  if (magnitude >= 1e-6) return Printf("%.3f us", seconds * 1e6);
  return Printf("%.3f ns", seconds * 1e9);
}

std::string FormatDbfs(double dbfs) { return std::isinf(dbfs) ? "-inf dBFS" : Printf("%.2f dBFS", dbfs); }

std::string FormatPlain(double value, const char *unit) {
  if (std::string(unit) == "s") return Printf("%g s", value);
  const Unit &scale = HertzUnit(std::fabs(value));
  const char prefix[2] = {scale.scale == 1.0 ? '\0' : scale.name[0], '\0'};
  return Printf("%g %s%s", value / scale.scale, prefix, unit);
}

// Drops the sentence of a one-line text that mentions an elaboration.
std::string WithoutElaborationPromise(const std::string &text) {
  const std::size_t end = text.find_last_not_of(" \n");
  if (end == std::string::npos || text.substr(0, end).find('\n') != std::string::npos) return text;
  const std::size_t mention = text.rfind("elaboration");
  if (mention == std::string::npos) return text;
  const std::size_t start = text.rfind(". ", mention);
  if (start == std::string::npos) return text;
  const std::size_t stop = text.find('.', mention);
  return text.substr(0, start + 1) + (stop == std::string::npos ? "" : text.substr(stop + 1));
}

std::string FailureHint(ViStatus status, const std::string &description, const Settings &settings) {
  if (status == ZUVEXA_ERROR_CANNOT_RECOVER && description.find("ystem API") != std::string::npos)
    return "The system configuration was not found or lists no devices: set ZUVEXA_SYSAPI_CONFIG to its "
           "file\n(tools/demo/sysapi.conf in the source tree; README.md, section \"Set-up\").\n";
  std::string options = settings.optionString;
  for (char &c : options) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const bool simulated = options.find("simulate=1") != std::string::npos ||
                         options.find("simulate=true") != std::string::npos ||
                         options.find("simulate=vi_true") != std::string::npos;
  if (status == ZUVEXA_ERROR_DEVICE_NOT_FOUND && !simulated)
    return "There is no device or logical name \"" + settings.resourceName +
           "\" in the system configuration;\n--options Simulate=1 opens a simulated one.\n";
  return "";
}

std::string IndentedDescription(const std::string &fullDescription) {
  const std::string description = WithoutElaborationPromise(fullDescription);
  std::string lines;
  std::size_t start = 0;
  while (start < description.size()) {
    std::size_t end = description.find('\n', start);
    if (end == std::string::npos) end = description.size();
    const std::string line = description.substr(start, end - start);
    if (line.find_first_not_of(" \t\r") != std::string::npos) lines += "  " + line + "\n";
    start = end + 1;
  }
  return lines.empty() ? "  (the library has no description of this status)\n" : lines;
}

void PrintSession(std::ostream &out, const Settings &settings, ViSession vi) {
  out << "session       " << vi << " on \"" << settings.resourceName << "\"\n"
      << "options       \"" << settings.optionString << "\"\n";
}

void PrintSettings(std::ostream &out, const Settings &settings, const WaveformInfo &info) {
  out << "carrier       " << FormatHertz(settings.carrierFrequency) << "\n"
      << "IQ rate       " << FormatRate(settings.iqRate) << " (sample interval "
      << FormatSeconds(info.xIncrement) << ")\n"
      << "record        " << info.actualSamples << " of " << settings.numberOfSamples << " samples fetched ("
      << FormatSeconds(info.xIncrement * double(info.actualSamples)) << ")\n";
}

void PrintFirstSamples(std::ostream &out, std::span<const std::complex<double>> samples, std::size_t count) {
  out << "\n  sample             I            Q\n";
  for (std::size_t n = 0; n < samples.size() && n < count; ++n)
    out << Printf("  %6zu  %12.6f %12.6f\n", n, samples[n].real(), samples[n].imag());
  if (samples.size() > count) out << "     ...\n";
  out << "\n";
}

void PrintMeasurements(std::ostream &out, const Settings &settings, double meanPowerDbfs, const Tone &tone) {
  out << "mean power    " << FormatDbfs(meanPowerDbfs) << " (0 dBFS: |I + jQ| = 1)\n"
      << "tone          " << FormatHertz(tone.frequency, true) << " from the carrier, at "
      << FormatHertz(settings.carrierFrequency + tone.frequency) << ", " << FormatDbfs(tone.powerDbfs)
      << "\n";
}

} // namespace zuvexaiq
