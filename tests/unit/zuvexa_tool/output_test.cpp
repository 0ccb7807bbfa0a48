// What zuvexa fetch computes and writes, and zuvexa-iq's analysis of a record, where the end-to-end runs
// cannot.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <limits>
#include <numbers>
#include <sstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "FetchFile.h"
#include "FetchPlot.h"
#include "IqAnalysis.h"
#include "Plot.h"
#include "Progress.h"
#include "SampleWriter.h"
#include "Sigmf.h"
#include "Spectrum.h"
#include "Statistics.h"
#include "TemporaryDirectory.h"

using namespace zuvexacli;
using namespace zuvexaiq;

namespace {

using Record = std::vector<std::complex<double>>;

void AddTone(Record &record, double rate, double frequency, double amplitude) {
  for (std::size_t n = 0; n < record.size(); ++n)
    record[n] += std::polar(amplitude, 2.0 * std::numbers::pi * frequency * double(n) / rate);
}
Record ToneRecord(std::size_t count, double rate, double frequency, double amplitude) {
  Record record(count);
  AddTone(record, rate, frequency, amplitude);
  return record;
}

double Db(double amplitude) { return 20.0 * std::log10(amplitude); }

} // namespace

TEST(ZuvexaStatistics, PowersCrestFactorAndOffsetOverSeveralRecords) {
  StatisticsAccumulator accumulator;
  accumulator.Add(std::vector<std::complex<double>>{{1.0, 0.0}, {0.0, 0.0}});
  accumulator.Add(std::vector<std::complex<double>>{{0.0, 1.0}, {0.0, 0.0}});
  const IqStatistics stats = accumulator.Result();
  EXPECT_EQ(stats.samples, 4);
  EXPECT_NEAR(stats.meanPowerDbfs, 10.0 * std::log10(0.5), 1e-12);
  EXPECT_NEAR(stats.peakPowerDbfs, 0.0, 1e-12);
  EXPECT_NEAR(stats.crestFactorDb, 10.0 * std::log10(2.0), 1e-12);
  EXPECT_EQ(stats.dcOffset, std::complex<double>(0.25, 0.25));
  EXPECT_TRUE(std::isinf(StatisticsAccumulator().Result().meanPowerDbfs));
  EXPECT_EQ(StatisticsAccumulator().Result().crestFactorDb, 0.0) << "no division by silence";
}

TEST(ZuvexaSpectrum, ATonePeaksAtItsFrequencyAndAmplitude) {
  const double rate = 1.024e6;
  const PowerSpectrum spectrum = ComputePowerSpectrum(ToneRecord(10000, rate, -250e3, 0.5), rate, 1024);
  ASSERT_EQ(spectrum.frequency.size(), 1024u);
  EXPECT_DOUBLE_EQ(spectrum.frequency.front(), -rate / 2) << "ascending from -rate/2";
  const auto peak = std::max_element(spectrum.powerDbfs.begin(), spectrum.powerDbfs.end());
  EXPECT_NEAR(spectrum.frequency[std::size_t(peak - spectrum.powerDbfs.begin())], -250e3, rate / 1024);
  EXPECT_NEAR(*peak, 20.0 * std::log10(0.5), 0.01) << "a tone on a bin reads its amplitude";
  EXPECT_EQ(ComputePowerSpectrum(ToneRecord(100, rate, 0, 1), rate, 4096).frequency.size(), 64u)
      << "short record";
  EXPECT_TRUE(ComputePowerSpectrum(ToneRecord(1, rate, 0, 1), rate).frequency.empty());
}

TEST(ZuvexaSampleWriter, CsvLinesAndRawLittleEndianValues) {
  std::ostringstream csv;
  SampleWriter(csv, SampleFormat::Csv).WriteI16(2, std::vector<int16_t>{100, -100, 7, 8}, 1e-6, 0.01, 1.0);
  EXPECT_EQ(csv.str(), "record,sample,time_s,i,q\n2,0,0,2,0\n2,1,1e-06,1.07,1.08\n")
      << "scaled raw * gain + offset";

  std::ostringstream raw;
  SampleWriter(raw, SampleFormat::I16).WriteI16(0, std::vector<int16_t>{1, -2}, 1e-6, 0.5, 0.0);
  EXPECT_EQ(raw.str(), std::string("\x01\x00\xfe\xff", 4)) << "unscaled";

  std::ostringstream f64, f64Csv;
  const std::vector<double> values = {0.5, -0.25};
  SampleWriter(f64, SampleFormat::F64).WriteF64(0, values, 1e-6);
  EXPECT_EQ(f64.str(), std::string(reinterpret_cast<const char *>(values.data()), 16));
  SampleWriter(f64Csv, SampleFormat::Csv).WriteF64(0, values, 1e-6);
  EXPECT_EQ(f64Csv.str(), "record,sample,time_s,i,q\n0,0,0,0.5,-0.25\n");

  EXPECT_EQ(FormatForPath("a/b.F64"), SampleFormat::F64);
  EXPECT_EQ(FormatForPath("dir.i16/samples"), SampleFormat::Csv) << "a dot in a folder is no extension";
}

TEST(ZuvexaSigmf, ACaptureHasADateOnlyWhenTheInstrumentGivesATime) {
  std::ostringstream data, meta;
  SigmfWriter writer(data, meta, SampleFormat::I16, {2.4e9, "hw", "1.0"});
  for (const double time : {0.0, 1704164645.25}) {
    writer.WriteI16(0, std::vector<int16_t>{1, 2}, 1e-6, 1.0, 0.0);
    writer.NoteRecord(0, WaveformInfo{time, 0, 1e-6, 1, 0, 1, 0, 0});
  }
  ASSERT_TRUE(writer.Finish());
  const nlohmann::json captures = nlohmann::json::parse(meta.str())["captures"];
  EXPECT_FALSE(captures[0].contains("core:datetime")) << "time 0: none, not 1970";
  EXPECT_EQ(captures[1]["core:datetime"], "2024-01-02T03:04:05.250000Z");
  EXPECT_EQ(captures[1]["core:sample_start"], 1);
  for (const auto &[data, meta] :
       {std::pair{"a/r.sigmf-data", "a/r.sigmf-meta"}, {".sigmf-data", ""}, {"r.csv", ""}})
    EXPECT_EQ(SigmfMetaPath(data), meta) << data << ": a recording needs a name before its suffix";
}

// A file reached through a link is replaced, with its mode, only when committed.
TEST(ZuvexaFetchFile, ReplacesTheFileALinkLeadsToOnlyWhenCommitted) {
  const testsupport::TemporaryDirectory folder;
  const std::string target = folder.File("old.csv"), link = folder.File("link.csv");
  const auto word = [&] {
    std::string text;
    std::ifstream(target) >> text;
    return text;
  };
  std::ofstream(target) << "old";
  chmod(target.c_str(), 0640);
  std::filesystem::create_symlink("old.csv", link);
  FetchFile file;
  ASSERT_EQ(file.Open(link, {}), "");
  file.Stream() << "new";
  EXPECT_EQ(word(), "old");
  EXPECT_EQ(file.Commit(), "");
  EXPECT_EQ(word(), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
}

TEST(ZuvexaPlot, TicksAreRoundAndCoverTheRange) {
  EXPECT_EQ(NiceTicks(0, 10, 6), (std::vector<double>{0, 2, 4, 6, 8, 10}));
  EXPECT_EQ(NiceTicks(-0.53, 0.53, 6), (std::vector<double>{-0.5, 0, 0.5})) << "0.2 would need seven";
  EXPECT_EQ(NiceTicks(0.1, 0.3, 3), (std::vector<double>{0.1, 0.2, 0.3})) << "no drift from adding steps";
  EXPECT_EQ(NiceTicks(-163, 3, 6), (std::vector<double>{-150, -100, -50, 0}));
  EXPECT_TRUE(NiceTicks(1, 1, 6).empty());
  EXPECT_EQ(ChooseScale(5e6).prefix, "M");
  EXPECT_EQ(ChooseScale(1e-4).prefix, "µ");
}

TEST(ZuvexaPlot, ThePictureHoldsBothChartsAndEscapesItsTexts) {
  const auto samples = ToneRecord(4096, 1e6, 1e5, 0.5);
  const std::string svg = FetchPlotSvg(samples, 1e6, 1e9, "\"A&B\" <sim>");
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("&quot;A&amp;B&quot; &lt;sim&gt;"), std::string::npos);
  EXPECT_NE(svg.find("first 1000 of 4096 samples"), std::string::npos);
  for (const std::string &picture : {svg, FetchPlotSvg({}, 1e6, 1e9, "")}) // an empty record as well
    for (const char *number : {"nan", "inf"}) EXPECT_EQ(picture.find(number), std::string::npos) << number;
}

TEST(ZuvexaProgress, AppearsAfterHalfASecondAndIsErasedAtTheEnd) {
  double now = 0.0;
  std::ostringstream out;
  {
    ProgressBar bar(out, true, "records", [&] { return now; });
    bar.Update(1, 4);
    EXPECT_EQ(out.str(), "") << "short runs show nothing";
    now = 0.6;
    bar.Update(2, 4);
    EXPECT_NE(out.str().find("50%  2/4 records"), std::string::npos) << out.str();
    const std::size_t drawn = out.str().size();
    now = 0.65;
    bar.Update(3, 4);
    EXPECT_EQ(out.str().size(), drawn) << "at most ten redraws a second";
    bar.Update(4, 4);
    EXPECT_NE(out.str().find("100%"), std::string::npos) << "the last step is always drawn";
  }
  EXPECT_EQ(out.str().substr(out.str().size() - 4), "\r\033[K") << "erased when done";

  std::ostringstream off;
  ProgressBar(off, false, "records", [&] { return now += 10; }).Update(1, 2);
  EXPECT_EQ(off.str(), "");
  EXPECT_EQ(ProgressBar::Line(1, 3, "records", 2.0).substr(0, 12), "[##########-");
}

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
  EXPECT_NEAR(MeanPowerDbfs(ToneRecord(1000, 1e6, 1e5, 0.5)), Db(0.5), 1e-9);
  constexpr double kSilence = -std::numeric_limits<double>::infinity();
  EXPECT_EQ(MeanPowerDbfs(Record(8)), kSilence);
  EXPECT_EQ(MeanPowerDbfs({}), kSilence);
  EXPECT_EQ(FindStrongestTone({}, 1e6).powerDbfs, kSilence);
}
