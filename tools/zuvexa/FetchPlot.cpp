#include "FetchPlot.h"

#include <algorithm>
#include <cmath>

#include "Plot.h"
#include "Report.h"
#include "Spectrum.h"

namespace zuvexacli {

namespace {

constexpr double kWidth = 900, kHeight = 780;
constexpr Box kTraceBox{80, 50, 790, 270}, kSpectrumBox{80, 420, 790, 270};

Chart TraceChart(std::span<const std::complex<double>> samples, double sampleRate) {
  const std::size_t shown = std::min(samples.size(), kTraceSamplesShown);
  const UnitScale time = ChooseScale(double(shown) / sampleRate);
  Series i{{}, {}, "#1f77b4", "I"}, q{{}, {}, "#d95f02", "Q"};
  for (std::size_t n = 0; n < shown; ++n) {
    const double t = double(n) / sampleRate / time.factor;
    i.x.push_back(t), i.y.push_back(samples[n].real());
    q.x.push_back(t), q.y.push_back(samples[n].imag());
  }
  return {"I/Q trace (first " + std::to_string(shown) + " of " + std::to_string(samples.size()) + " samples)",
          "time (" + time.prefix + "s)",
          "amplitude (full scale 1)",
          {i, q}};
}

Chart SpectrumChart(std::span<const std::complex<double>> samples, double sampleRate,
                    double carrierFrequency) {
  PowerSpectrum spectrum = ComputePowerSpectrum(samples, sampleRate);
  const UnitScale frequency = ChooseScale(sampleRate / 2);
  for (double &f : spectrum.frequency) f /= frequency.factor;
  Chart chart{"Power spectrum (Hann window)",
              "frequency offset from the carrier at " + zuvexaiq::FormatHertz(carrierFrequency) + " (" +
                  frequency.prefix + "Hz)",
              "power (dBFS)",
              {{spectrum.frequency, spectrum.powerDbfs, "#2a7f3f", ""}}};
  chart.yRangeLimit = 160.0;
  return chart;
}

} // namespace

std::string FetchPlotSvg(std::span<const std::complex<double>> samples, double sampleRate,
                         double carrierFrequency, const std::string &caption) {
  SvgDocument svg(kWidth, kHeight);
  svg.Rect(0, 0, kWidth, kHeight, "#fafafa", "none");
  if (sampleRate > 0.0) {
    DrawChart(svg, kTraceBox, TraceChart(samples, sampleRate));
    DrawChart(svg, kSpectrumBox, SpectrumChart(samples, sampleRate, carrierFrequency));
  }
  svg.Text({kWidth / 2, kHeight - 20}, caption, 12, "middle", "#555");
  return svg.Str();
}

} // namespace zuvexacli
