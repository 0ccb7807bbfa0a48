#include "PanelFrame.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "IqAnalysis.h"
#include "Spectrum.h"

namespace zuvexapanel {

namespace {

constexpr double kFloorDbfs = -300.0; // silence, which JSON cannot carry as -infinity
constexpr double kPowerScale = 0.01, kSampleScale = 1e-6;

// Rounded to 1/scale, so that the page receives short numbers.
double Rounded(double value, double scale) {
  if (!std::isfinite(value)) return kFloorDbfs;
  return std::round(value * scale) / scale;
}

// `value` in units of `scale`, as an integer.
int64_t Units(double value, double scale) {
  if (!std::isfinite(value)) value = kFloorDbfs;
  return static_cast<int64_t>(std::llround(std::clamp(value, -1e12, 1e12) / scale));
}

// The frame's JSON text, written directly: a refresh's thousand numbers
// cost a fraction of what a JSON tree of them would.
class FrameText {
public:
  FrameText &Key(const char *key) {
    text_ += text_.empty() || text_.back() == '{' ? "\"" : ",\"";
    text_ += key;
    text_ += "\":";
    return *this;
  }
  template <class Number> FrameText &Value(Number value) {
    char digits[32];
    text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    return *this;
  }
  template <class Range, class Convert> FrameText &Array(const Range &values, Convert convert) {
    text_ += '[';
    for (const auto &value : values) Value(convert(value)), text_ += ',';
    if (text_.back() == ',') text_.pop_back();
    text_ += ']';
    return *this;
  }
  FrameText &Open() { return text_ += '{', *this; }
  FrameText &Close() { return text_ += '}', *this; }
  std::string Take() { return std::move(text_); }

private:
  std::string text_;
};

void WriteSpectrum(FrameText &out, std::span<const std::complex<double>> analysed, double sampleRate,
                   double carrier) {
  const zuvexacli::PowerSpectrum spectrum =
      zuvexacli::ComputePowerSpectrum(analysed, sampleRate, kSpectrumPoints);
  const std::size_t points = spectrum.frequency.size();
  out.Key("spectrum").Open();
  out.Key("start").Value(points ? carrier + spectrum.frequency.front() : carrier);
  out.Key("step").Value(points > 1 ? spectrum.frequency[1] - spectrum.frequency[0] : 0.0);
  out.Key("scale").Value(kPowerScale);
  out.Key("power").Array(spectrum.powerDbfs,
                         [](double value) { return Units(std::max(value, kFloorDbfs), kPowerScale); });
  out.Close();
}

void WriteTrace(FrameText &out, std::span<const std::complex<double>> head, double sampleRate) {
  const auto trace = head.first(std::min(head.size(), kTracePoints));
  out.Key("trace").Open();
  out.Key("interval").Value(sampleRate > 0 ? 1.0 / sampleRate : 0.0);
  out.Key("scale").Value(kSampleScale);
  out.Key("i").Array(trace,
                     [](const std::complex<double> &sample) { return Units(sample.real(), kSampleScale); });
  out.Key("q").Array(trace,
                     [](const std::complex<double> &sample) { return Units(sample.imag(), kSampleScale); });
  out.Close();
}

} // namespace

std::string MakeFrame(std::span<const std::complex<double>> head, std::size_t recordSamples,
                      double sampleRate, double carrier) {
  const auto analysed = head.first(std::min(head.size(), kAnalysedSamples));
  const zuvexaiq::Tone tone =
      zuvexaiq::FindStrongestTone(analysed.first(std::min(analysed.size(), kToneSamples)), sampleRate);
  FrameText out;
  out.Open();
  out.Key("carrier").Value(carrier).Key("rate").Value(sampleRate).Key("samples").Value(recordSamples);
  WriteSpectrum(out, analysed, sampleRate, carrier);
  out.Key("peak").Open();
  out.Key("offset").Value(Rounded(tone.frequency, 1000)).Key("power").Value(Rounded(tone.powerDbfs, 100));
  out.Close();
  WriteTrace(out, analysed, sampleRate);
  return out.Close().Take();
}

} // namespace zuvexapanel
