// The --plot picture of a fetch: the I/Q trace of the first samples above
// the record's power spectrum, as one SVG document.
#pragma once

#include <complex>
#include <span>
#include <string>

namespace zuvexacli {

inline constexpr std::size_t kTraceSamplesShown = 1000;

// sampleRate and carrierFrequency in hertz; `caption` goes below the charts.
std::string FetchPlotSvg(std::span<const std::complex<double>> samples, double sampleRate,
                         double carrierFrequency, const std::string &caption);

} // namespace zuvexacli
