// The text zuvexa-iq prints for the user.
#pragma once

#include <complex>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>

#include "CommandLine.h"
#include "IqAnalysis.h"
#include "Text.h"
#include "zuVEXAtypes.h"

namespace zuvexaiq {

// 1.0001e9 -> "1.000100000 GHz"; 1e5 -> "100.000 kHz" (signed when asked).
std::string FormatHertz(double hertz, bool withSign = false);
// 1e7 -> "10 MS/s".
std::string FormatRate(double samplesPerSecond);
// 1e-6 -> "1.000 us".
std::string FormatSeconds(double seconds);
// -6.0206 -> "-6.02 dBFS"; -infinity -> "-inf dBFS".
std::string FormatDbfs(double dbfs);

// 1e11, "Hz" -> "100 GHz"; 0 -> "0 Hz".
std::string FormatPlain(double value, const char *unit);

// A one-line text without its sentence that mentions an elaboration: the
// elaboration would have followed on lines of its own.
std::string WithoutElaborationPromise(const std::string &text);

// An error text as indented lines without blank ones; a note when empty.
// A one-line description (no elaboration followed it) loses its sentence
// that promises an elaboration.
std::string IndentedDescription(const std::string &description);

// What to do about a failed call, or "": the system configuration that is
// not found, or a resource that names no device (with the settings of the
// open).
std::string FailureHint(ViStatus status, const std::string &description, const Settings &settings);

void PrintSession(std::ostream &out, const Settings &settings, ViSession vi);
void PrintSettings(std::ostream &out, const Settings &settings, const WaveformInfo &info);
// The first `count` samples as I and Q columns.
void PrintFirstSamples(std::ostream &out, std::span<const std::complex<double>> samples, std::size_t count);
void PrintMeasurements(std::ostream &out, const Settings &settings, double meanPowerDbfs, const Tone &tone);

} // namespace zuvexaiq
