// The analysis zuvexa-iq makes of a record, without an instrument.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

#include "IqAnalysis.h"

using namespace zuvexaiq;

namespace {

using Record = std::vector<std::complex<double>>;

void AddTone(Record &record, double rate, double frequency, double amplitude) {
  for (std::size_t n = 0; n < record.size(); ++n)
    record[n] += std::polar(amplitude, 2.0 * std::numbers::pi * frequency * double(n) / rate);
}

double Db(double amplitude) { return 20.0 * std::log10(amplitude); }

} // namespace

TEST(ZuvexaIqAnalysis, FindsTheStrongestToneBetweenBinsAndBelowTheCarrier) {
  struct Case {
    std::size_t samples;
    double rate, frequency, amplitude, weakFrequency, frequencyTolerance, powerTolerance;
  } cases[] = {
      {1000, 1e6, 123456.7, 0.5, 0, 0.01, 0.001}, // bins 1 kHz apart, the tone on none
      {777, 10e6, -2.5e6, 0.1, 0, 0.1, 0.01},     // odd length, below the carrier
      {4096, 1e6, -30e3, 0.5, 200e3, 5.0, 0.05},  // a weaker second tone
  };
  for (const Case &c : cases) {
    Record record(c.samples);
    AddTone(record, c.rate, c.frequency, c.amplitude);
    if (c.weakFrequency != 0) AddTone(record, c.rate, c.weakFrequency, c.amplitude / 5);
    const Tone tone = FindStrongestTone(record, c.rate);
    EXPECT_NEAR(tone.frequency, c.frequency, c.frequencyTolerance);
    EXPECT_NEAR(tone.powerDbfs, Db(c.amplitude), c.powerTolerance) << c.frequency;
  }
}

TEST(ZuvexaIqAnalysis, PowerIsRelativeToFullScaleAndSilenceIsMinusInfinity) {
  Record record(1000);
  AddTone(record, 1e6, 1e5, 0.5);
  EXPECT_NEAR(MeanPowerDbfs(record), Db(0.5), 1e-9);
  constexpr double kSilence = -std::numeric_limits<double>::infinity();
  EXPECT_EQ(MeanPowerDbfs(Record(8)), kSilence);
  EXPECT_EQ(MeanPowerDbfs({}), kSilence);
  EXPECT_EQ(FindStrongestTone({}, 1e6).powerDbfs, kSilence);
}
