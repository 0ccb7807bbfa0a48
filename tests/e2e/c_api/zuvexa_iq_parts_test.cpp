// The parts of zuvexa-iq that need no instrument: command line, analysis of
// a record, and the report's formatting.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "CommandLine.h"
#include "IqAnalysis.h"
#include "Report.h"

using namespace zuvexaiq;

namespace {

std::vector<std::complex<double>> ToneRecord(std::size_t count, double rate, double frequency, double amplitude) {
  std::vector<std::complex<double>> samples(count);
  for (std::size_t n = 0; n < count; ++n)
    samples[n] = std::polar(amplitude, 2.0 * std::numbers::pi * frequency * double(n) / rate);
  return samples;
}

double Db(double amplitude) { return 20.0 * std::log10(amplitude); }

} // namespace

TEST(ZuvexaIqCommandLine, DefaultsOpenTheSimulatedAnalyzer) {
  const ParsedCommandLine parsed = ParseCommandLine({});
  EXPECT_TRUE(parsed.error.empty());
  EXPECT_FALSE(parsed.showHelp);
  EXPECT_EQ(parsed.settings.optionString, "Simulate=1,DriverSetup=Model:Q118");
  EXPECT_EQ(parsed.settings.carrierFrequency, 1e9);
  EXPECT_EQ(parsed.settings.iqRate, 1e6);
  EXPECT_EQ(parsed.settings.numberOfSamples, 1000);
}

TEST(ZuvexaIqCommandLine, TakesValuesAfterTheOptionOrAfterAnEqualsSign) {
  const ParsedCommandLine parsed = ParseCommandLine(
      {"--carrier", "2.4G", "--rate=10M", "--samples", "4k", "--options=Simulate=1", "--resource", "Analyzer2"});
  ASSERT_TRUE(parsed.error.empty()) << parsed.error;
  EXPECT_EQ(parsed.settings.carrierFrequency, 2.4e9);
  EXPECT_EQ(parsed.settings.iqRate, 10e6);
  EXPECT_EQ(parsed.settings.numberOfSamples, 4000);
  EXPECT_EQ(parsed.settings.optionString, "Simulate=1") << "only the first '=' separates";
  EXPECT_EQ(parsed.settings.resourceName, "Analyzer2");
}

TEST(ZuvexaIqCommandLine, RejectsWhatItCannotUse) {
  EXPECT_NE(ParseCommandLine({"--carrier", "fast"}).error, "");
  EXPECT_NE(ParseCommandLine({"--rate"}).error, "") << "missing value";
  EXPECT_NE(ParseCommandLine({"--frequency", "1G"}).error, "") << "unknown option";
  EXPECT_NE(ParseCommandLine({"--samples", "0"}).error, "");
  EXPECT_NE(ParseCommandLine({"--samples", "2.5"}).error, "");
  EXPECT_NE(ParseCommandLine({"--samples", "1G"}).error, "") << "more than the program allocates";
  EXPECT_EQ(ParseCommandLine({"--samples", "1"}).error, "");
  EXPECT_TRUE(ParseCommandLine({"--rate", "1M", "-h"}).showHelp);
}

TEST(ZuvexaIqCommandLine, ScaledNumbersAreFiniteNumbersWithAnOptionalSuffix) {
  EXPECT_EQ(ParseScaledNumber("-1.5k"), -1500.0);
  EXPECT_EQ(ParseScaledNumber("3e2M"), 3e8);
  EXPECT_EQ(ParseScaledNumber(""), std::nullopt);
  EXPECT_EQ(ParseScaledNumber("1x"), std::nullopt);
  EXPECT_EQ(ParseScaledNumber("1 G"), std::nullopt);
  EXPECT_EQ(ParseScaledNumber("inf"), std::nullopt);
  EXPECT_EQ(ParseScaledNumber("nan"), std::nullopt);
  EXPECT_EQ(ParseScaledNumber("1e400"), std::nullopt);
  EXPECT_EQ(ParseScaledNumber("1e300G"), std::nullopt) << "overflows once scaled";
}

TEST(ZuvexaIqAnalysis, InterleavedValuesBecomeComplexSamples) {
  const std::vector<double> interleaved = {1, 2, 3, 4, 5};
  const auto samples = ToComplex(interleaved);
  ASSERT_EQ(samples.size(), 2u);
  EXPECT_EQ(samples[1], std::complex<double>(3, 4));
}

TEST(ZuvexaIqAnalysis, MeanPowerIsRelativeToFullScale) {
  EXPECT_NEAR(MeanPowerDbfs(ToneRecord(1000, 1e6, 1e5, 0.5)), Db(0.5), 1e-9);
  EXPECT_NEAR(MeanPowerDbfs(ToneRecord(10, 1e6, 0, 1.0)), 0.0, 1e-12);
  EXPECT_EQ(MeanPowerDbfs({}), -std::numeric_limits<double>::infinity());
  const std::vector<std::complex<double>> silence(8);
  EXPECT_EQ(MeanPowerDbfs(silence), -std::numeric_limits<double>::infinity());
}

TEST(ZuvexaIqAnalysis, FindsATonePreciselyBetweenBins) {
  // 1000 samples at 1 MS/s: bins are 1 kHz apart; the tone is not on one.
  const Tone tone = FindStrongestTone(ToneRecord(1000, 1e6, 123456.7, 0.5), 1e6);
  EXPECT_NEAR(tone.frequency, 123456.7, 0.01);
  EXPECT_NEAR(tone.powerDbfs, Db(0.5), 0.001);
}

TEST(ZuvexaIqAnalysis, FindsTonesBelowTheCarrierAndInOddLengths) {
  EXPECT_NEAR(FindStrongestTone(ToneRecord(777, 10e6, -2.5e6, 0.1), 10e6).frequency, -2.5e6, 0.1);
  EXPECT_NEAR(FindStrongestTone(ToneRecord(64, 1e6, 0.0, 1.0), 1e6).frequency, 0.0, 0.05) << "bins 15.6 kHz apart";
}

TEST(ZuvexaIqAnalysis, PicksTheStrongerOfTwoTones) {
  auto record = ToneRecord(4096, 1e6, -30e3, 0.5);
  const auto weak = ToneRecord(4096, 1e6, 200e3, 0.1);
  for (std::size_t n = 0; n < record.size(); ++n)
    record[n] += weak[n];
  const Tone tone = FindStrongestTone(record, 1e6);
  EXPECT_NEAR(tone.frequency, -30e3, 5.0);
  EXPECT_NEAR(tone.powerDbfs, Db(0.5), 0.05);
}

TEST(ZuvexaIqAnalysis, AnEmptyRecordHasNoTone) {
  const Tone tone = FindStrongestTone({}, 1e6);
  EXPECT_EQ(tone.frequency, 0.0);
  EXPECT_EQ(tone.powerDbfs, -std::numeric_limits<double>::infinity());
}

TEST(ZuvexaIqAnalysis, FftMatchesTheDefiningSum) {
  std::mt19937 random(7);
  std::normal_distribution<double> normal;
  std::vector<std::complex<double>> values(32);
  for (auto &value : values)
    value = {normal(random), normal(random)};
  auto transformed = values;
  Fft(transformed);
  for (std::size_t k = 0; k < values.size(); ++k) {
    std::complex<double> sum = 0;
    for (std::size_t n = 0; n < values.size(); ++n)
      sum += values[n] * std::polar(1.0, -2.0 * std::numbers::pi * double(k * n) / double(values.size()));
    EXPECT_NEAR(std::abs(transformed[k] - sum), 0.0, 1e-9) << "bin " << k;
  }
}

TEST(ZuvexaIqReport, FormatsFrequenciesTimesAndPowers) {
  EXPECT_EQ(FormatHertz(1.0001e9), "1.000100000 GHz");
  EXPECT_EQ(FormatHertz(1e5, true), "+100.000 kHz");
  EXPECT_EQ(FormatHertz(-2.5e6, true), "-2.500000 MHz");
  EXPECT_EQ(FormatHertz(0.25), "0.250 Hz");
  EXPECT_EQ(FormatRate(10e6), "10 MS/s");
  EXPECT_EQ(FormatRate(500), "500 S/s");
  EXPECT_EQ(FormatSeconds(1e-7), "100.000 ns");
  EXPECT_EQ(FormatSeconds(4.096e-4), "409.600 us");
  EXPECT_EQ(FormatDbfs(-6.0206), "-6.02 dBFS");
  EXPECT_EQ(FormatDbfs(-std::numeric_limits<double>::infinity()), "-inf dBFS");
}

TEST(ZuvexaIqReport, ErrorTextsAreIndentedWithoutBlankLines) {
  EXPECT_EQ(IndentedDescription("Invalid value.\n\nBogus"), "  Invalid value.\n  Bogus\n");
  EXPECT_EQ(IndentedDescription("\n\n"), "  (the library has no description of this status)\n");
}
