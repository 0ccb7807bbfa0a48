// Scenes: signals at absolute frequencies and powers that records and
// spectra show where and as strong as they are, noise at its density, the
// reference level as full scale, and scene files refused with their fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "StandIns.h"
#include "TemporaryDirectory.h"

namespace {

using Complex = std::complex<double>;
constexpr ViAttr kCarrier = 1150059, kAverages = 1150015;
constexpr ViStatus kOverload = BACKENDSTANDIN_WARN_OVERLOAD;

double Db(double power) { return 10.0 * std::log10(power); }

// Radix-2 transform, in place.
void Transform(std::vector<Complex> &x) {
  const std::size_t n = x.size();
  if (n == 1) return;
  std::vector<Complex> even(n / 2), odd(n / 2);
  for (std::size_t i = 0; i < n / 2; ++i) even[i] = x[2 * i], odd[i] = x[2 * i + 1];
  Transform(even);
  Transform(odd);
  for (std::size_t k = 0; k < n / 2; ++k) {
    const Complex t = std::polar(1.0, -2.0 * std::numbers::pi * double(k) / double(n)) * odd[k];
    x[k] = even[k] + t;
    x[k + n / 2] = even[k] - t;
  }
}

// Power of each bin relative to full scale, from -rate/2 up: bin n / 2 is
// at the carrier.
std::vector<double> BinPowers(std::vector<Complex> x) {
  Transform(x);
  std::rotate(x.begin(), x.begin() + x.size() / 2, x.end());
  std::vector<double> powers;
  for (const Complex &bin : x) powers.push_back(std::norm(bin) / double(x.size() * x.size()));
  return powers;
}

class SimulatorScenes : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
  }
  void TearDown() override {
    if (vi != 0) zuVEXA_close(vi);
  }

  std::string Write(const std::string &text, const char *name = "scene.json") const {
    std::ofstream(folder.File(name)) << text;
    return folder.File(name);
  }
  ViStatus Open(const std::string &path) {
    const std::string options = "Simulate=1,DriverSetup=Model:Q118;Scene:" + path;
    return zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, options.c_str(), &vi);
  }
  // Opens `scene` tuned to `carrier` at `rate` with records of `samples`.
  void OpenTuned(const std::string &scene, double carrier, double rate, ViInt64 samples) {
    ASSERT_EQ(Open(Write(scene)), 0);
    ASSERT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", carrier), 0);
    ASSERT_EQ(zuVEXA_ConfigureIQRate(vi, "", rate), 0);
    ASSERT_EQ(zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, samples), 0);
  }
  std::vector<Complex> Fetch(ViInt64 record, ViStatus expected = 0) const {
    BackendStandinConfiguration c{};
    EXPECT_EQ(BackendStandin_GetConfiguration(vi, &c), 0);
    std::vector<ViReal64> data(2 * c.samplesPerRecord);
    WaveformInfo info{};
    EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", record, -1, 1.0, data.data(), &info), expected);
    std::vector<Complex> samples;
    for (std::size_t i = 0; i < data.size(); i += 2) samples.emplace_back(data[i], data[i + 1]);
    return samples;
  }
  std::vector<double> Spectrum(double center, double span, double bandwidth, ViStatus expected = 0) const {
    EXPECT_EQ(zuVEXA_ConfigureSpectrumFrequencyCenterSpan(vi, "", center, span), 0);
    EXPECT_EQ(zuVEXA_ConfigureResolutionBandwidth(vi, "", bandwidth), 0);
    ViInt32 lines = 0;
    EXPECT_EQ(zuVEXA_GetNumberOfSpectralLines(vi, "", &lines), 0);
    std::vector<double> dbm(lines);
    EXPECT_EQ(zuVEXA_ReadPowerSpectrumF64(vi, "", 1.0, dbm.data(), lines, nullptr), expected);
    return dbm;
  }

  testsupport::TemporaryDirectory folder;
  ViSession vi = 0;
};

struct Peak {
  double offset; // from the carrier or centre, in bins or lines
  double dbm;
};

// The two strongest local maxima, strongest first.
template <class At> std::vector<Peak> TwoPeaks(std::size_t count, At at) {
  std::vector<Peak> peaks;
  for (std::size_t i = 0; i < count; ++i) {
    const auto [offset, level] = at(i);
    const double before = at((i + count - 1) % count).second, after = at((i + 1) % count).second;
    if (level > before && level >= after) peaks.push_back({offset, level});
  }
  std::sort(peaks.begin(), peaks.end(), [](Peak a, Peak b) { return a.dbm > b.dbm; });
  peaks.resize(std::min<std::size_t>(peaks.size(), 2));
  return peaks;
}

void ExpectPeaks(const std::vector<Peak> &found, const std::vector<Peak> &expected) {
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(found[i].offset, expected[i].offset, 1.0) << "peak " << i;
    EXPECT_NEAR(found[i].dbm, expected[i].dbm, 0.5) << "peak " << i;
  }
}

constexpr const char *kTwoTones = R"({"noise_floor_dbm_per_hz": -170,
  "tones": [{"frequency_hz": 2.4001e9, "power_dbm": -20}, {"frequency_hz": 2.3995e9, "power_dbm": -33}]})";

// 1024 samples at 1.024 MS/s: 1 kHz bins; the reference level is -10 dBm.
TEST_F(SimulatorScenes, TwoTonesSitWhereTheyBelongBeforeAndAfterRetuning) {
  OpenTuned(kTwoTones, 2.4e9, 1.024e6, 1024);
  ASSERT_EQ(zuVEXA_ConfigureReferenceLevel(vi, "", -10.0), 0);
  const auto recordPeaks = [&] {
    const std::vector<double> bins = BinPowers(Fetch(3));
    return TwoPeaks(bins.size(),
                    [&](std::size_t i) { return std::pair(double(i) - 512.0, Db(bins[i]) - 10.0); });
  };
  const auto spectrumPeaks = [&](double center) {
    const std::vector<double> dbm = Spectrum(center, 2e6, 1e3);
    return TwoPeaks(dbm.size(), [&](std::size_t i) { return std::pair(double(i) - 1000.0, dbm[i]); });
  };
  ExpectPeaks(recordPeaks(), {{100, -20}, {-500, -33}});
  ExpectPeaks(spectrumPeaks(2.4e9), {{100, -20}, {-500, -33}});
  EXPECT_NEAR(Spectrum(2.4001e9, 500.0, 1e3).at(0), -20.0, 0.5) << "one line, at the centre";

  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kCarrier, 2.3997e9), 0);
  ExpectPeaks(recordPeaks(), {{400, -20}, {-200, -33}});
  ExpectPeaks(spectrumPeaks(2.3997e9), {{400, -20}, {-200, -33}});
  ASSERT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.4004e9), 0);
  const std::vector<double> bins = BinPowers(Fetch(0));
  EXPECT_NEAR(Db(bins[512 - 300]) - 10.0, -20.0, 0.5);
  EXPECT_LT(Db(*std::max_element(bins.begin() + 513, bins.end())) - 10.0, -100.0)
      << "the tone 900 kHz below is outside +-rate/2";
}

// -150 dBm/Hz over 64 records of 4096 samples at 4.096 MS/s, and over
// spectra of many averages.
TEST_F(SimulatorScenes, TheNoiseFloorHasItsDensityInRecordsAndSpectra) {
  OpenTuned(R"({"seed": 5, "noise_floor_dbm_per_hz": -150})", 1e9, 4.096e6, 4096);
  ASSERT_EQ(zuVEXA_ConfigureReferenceLevel(vi, "", -50.0), 0);
  std::vector<double> average(4096);
  for (ViInt64 record = 0; record < 64; ++record) {
    const std::vector<double> bins = BinPowers(Fetch(record));
    for (std::size_t i = 0; i < bins.size(); ++i) average[i] += bins[i] / 64.0;
  }
  for (std::size_t eighth = 0; eighth < 8; ++eighth) {
    double sum = 0.0;
    for (std::size_t i = eighth * 512; i < (eighth + 1) * 512; ++i) sum += average[i];
    EXPECT_NEAR(Db(sum / 512.0) - 50.0 - Db(1e3), -150.0, 1.0) << "eighth " << eighth << " of the band";
  }
  EXPECT_EQ(Fetch(9), Fetch(9)) << "the same record again";
  EXPECT_NE(Fetch(9), Fetch(10));
  double iq = 0.0, ii = 0.0;
  for (const Complex &sample : Fetch(9))
    iq += sample.real() * sample.imag(), ii += sample.real() * sample.real();
  EXPECT_LT(std::fabs(iq / ii), 0.1) << "I and Q independent";

  const auto spread = [&](ViInt32 averages, double &mean) {
    EXPECT_EQ(zuVEXA_SetAttributeViInt32(vi, "", kAverages, averages), 0);
    const std::vector<double> dbm = Spectrum(1e9, 1e6, 1e3);
    double sum = 0.0, squares = 0.0;
    for (double line : dbm) sum += std::pow(10.0, line / 10.0), squares += line * line;
    mean = Db(sum / double(dbm.size())) - Db(1e3);
    const double meanDb = Db(sum / double(dbm.size()));
    return std::sqrt(squares / double(dbm.size()) - meanDb * meanDb);
  };
  double once = 0.0, many = 0.0;
  const double spreadOnce = spread(1, once), spreadMany = spread(1000, many);
  EXPECT_NEAR(many, -150.0, 1.0);
  EXPECT_NEAR(once, -150.0, 1.0);
  EXPECT_GT(spreadOnce, 10 * spreadMany) << "averaging narrows the noise";
}

// A tone 10 dB above the reference level clips; 10 dB below it does not.
TEST_F(SimulatorScenes, AboveTheReferenceLevelTheInputOverloads) {
  OpenTuned(R"({"tones": [{"frequency_hz": 1.0001e9, "power_dbm": -20}]})", 1e9, 1e6, 1000);
  const struct {
    double referenceLevel;
    ViStatus status;
    double peak; // of I and Q
  } cases[] = {{-30.0, kOverload, 1.0}, {-10.0, 0, std::pow(10.0, -0.5)}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.referenceLevel);
    ASSERT_EQ(zuVEXA_ConfigureReferenceLevel(vi, "", c.referenceLevel), 0);
    double peak = 0.0;
    for (const Complex &sample : Fetch(0, c.status))
      peak = std::max({peak, std::fabs(sample.real()), std::fabs(sample.imag())});
    EXPECT_NEAR(peak, c.peak, 1e-3);
    std::vector<ViInt16> i16(2000);
    WaveformInfo info{};
    EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexI16(vi, "", 1, -1, 1.0, i16.data(), &info), c.status);
    Spectrum(1e9, 1e6, 1e4, c.status);
    Spectrum(1e9, 2e5, 1e4, c.status); // the tone on the span's edge
  }
  EXPECT_EQ(zuVEXA_FetchIQMultiRecordComplexF64(vi, "", 0, 2, -1, 1.0, std::vector<ViReal64>(4000).data(),
                                                std::vector<WaveformInfo>(2).data()),
            0)
      << "no overload below the reference level";
}

// Sum of the values whose frequency, first + i * step, lies in [from, to).
double SumIn(const std::vector<double> &values, double first, double step, double from, double to) {
  double sum = 0.0;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (first + double(i) * step >= from && first + double(i) * step < to) sum += values[i];
  return sum;
}

// A QPSK signal and a noise band: their power in records and in spectra,
// the QPSK symbols on the diagonals, the band 3 dB down at its edges.
TEST_F(SimulatorScenes, ModulatedSignalsAgreeInRecordsAndSpectra) {
  OpenTuned(R"({"qpsk": [{"frequency_hz": 1.0002e9, "symbol_rate_hz": 5.12e4, "power_dbm": -20, "seed": 9}],
               "bands": [{"frequency_hz": 0.9997e9, "bandwidth_hz": 4e4, "power_dbm": -36}]})",
            1e9, 1.024e6, 16384);
  const std::vector<Complex> record = Fetch(2);
  double squares = 0.0, symbols = 0.0;
  for (std::size_t n = 12; n < record.size();
       n += 20, ++symbols) { // record 2 starts at 32768 = 1638.4 symbols
    const Complex baseband = record[n] * std::polar(1.0, -2.0 * std::numbers::pi * 2e5 / 1.024e6 * double(n));
    const double angle = std::fmod(std::arg(baseband) + 2.0 * std::numbers::pi, std::numbers::pi / 2.0);
    squares += std::pow(angle - std::numbers::pi / 4.0, 2);
  }
  squares /= symbols;
  EXPECT_LT(std::sqrt(squares), 0.15) << "symbols on the diagonals, give or take the band";

  const std::vector<double> bins = BinPowers(record);
  ASSERT_EQ(zuVEXA_SetAttributeViInt32(vi, "", kAverages, 10000), 0);
  std::vector<double> lines = Spectrum(1e9, 1e6, 1e3); // mW per noise bandwidth of 1.0645 kHz
  for (double &line : lines) line = std::pow(10.0, line / 10.0) / 1.0645;
  for (const auto &[from, dbm] : {std::pair(0.0, -20.0), {-4e5, -36.0}}) {
    EXPECT_NEAR(Db(SumIn(bins, -5.12e5, 62.5, from, from + 4e5)), dbm, 0.5) << "record from " << from;
    EXPECT_NEAR(Db(SumIn(lines, -5e5, 1e3, from, from + 4e5)), dbm, 0.5) << "spectrum from " << from;
  }
  std::vector<Complex> hann = record; // no leakage from the record's ends
  for (std::size_t n = 0; n < hann.size(); ++n)
    hann[n] *= std::pow(std::sin(std::numbers::pi * double(n) / 16384.0), 2);
  EXPECT_LT(Db(SumIn(BinPowers(hann), -5.12e5, 62.5, 3.5e5, 5.12e5)), -100.0)
      << "3 symbol rates out: nothing";
  const std::vector<double> band = Spectrum(0.9997e9, 1e5, 1e3);
  EXPECT_NEAR(band[50] - band[30], 3.0, 0.3) << "3 dB down 20 kHz from the band's centre";
  EXPECT_NEAR(band[50] - band[70], 3.0, 0.3);
}

// Demodulated, an FM record's frequency follows its modulating tone, which
// starts at the top of the swing at sample 0; its amplitude is constant.
TEST_F(SimulatorScenes, AnFmSignalSwingsByItsDeviationAtItsModulatingRate) {
  const struct {
    double offset, deviation, modulating; // Hz
  } cases[] = {{1e5, 2e4, 1e3}, {-2e5, 5e3, 3.1e3}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.offset);
    OpenTuned(R"({"fm": [{"frequency_hz": )" + std::to_string(1e9 + c.offset) +
                  R"(, "power_dbm": -10, "deviation_hz": )" + std::to_string(c.deviation) +
                  R"(, "modulating_hz": )" + std::to_string(c.modulating) + "}]}",
              1e9, 1.024e6, 4096);
    const std::vector<Complex> record = Fetch(5); // from sample 20480
    double worst = 0.0;
    for (std::size_t n = 0; n + 1 < record.size(); ++n) {
      const double frequency =
          std::arg(record[n + 1] * std::conj(record[n])) * 1.024e6 / (2 * std::numbers::pi);
      const double middle = (20480.0 + double(n) + 0.5) / 1.024e6;
      const double expected = c.offset + c.deviation * std::cos(2 * std::numbers::pi * c.modulating * middle);
      worst = std::max(worst, std::fabs(frequency - expected));
      ASSERT_NEAR(std::abs(record[n]), std::sqrt(0.1), 1e-9) << n;
    }
    EXPECT_LT(worst, 5.0) << "Hz";
    zuVEXA_close(std::exchange(vi, 0));
  }
}

TEST_F(SimulatorScenes, ABadSceneFileFailsTheOpenNamingTheFileAndItsFault) {
  const struct {
    const char *text; // null: no file
    const char *fault;
  } cases[] = {
      {nullptr, "cannot be opened: No such file or directory"},
      {"{\"tones\": [", "not valid JSON"},
      {R"({"tones": [{"frequency_hz": 1e9}]})", "tones[0].power_dbm is missing"},
      {R"({"tone": []})", "unknown member \"tone\" in the scene"},
      {R"({"qpsk": [{"frequency_hz": 1e9, "symbol_rate_hz": 0, "power_dbm": 0}]})",
       "qpsk[0].symbol_rate_hz must be above 0"},
      {R"({"bands": [{"frequency_hz": "1 GHz", "bandwidth_hz": 1, "power_dbm": 0}]})",
       "bands[0].frequency_hz must be a number"},
      {R"({"seed": -1})", "the scene.seed must be a whole number"},
      {R"({"fm": [{"frequency_hz": 1e9, "power_dbm": 0, "deviation_hz": 1e3, "modulating_hz": 0}]})",
       "fm[0].modulating_hz must be above 0"},
      {R"({"replay": {"end": "loop"}})", "replay.path is missing"},
      {R"({"replay": {"path": "x", "end": "again"}})", "replay.end must be \"loop\" or \"stop\""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.fault);
    const std::string path = c.text != nullptr ? Write(c.text) : folder.File("missing.json");
    EXPECT_EQ(Open(path), BACKENDSTANDIN_ERROR_SCENE_FILE);
    EXPECT_EQ(vi, 0u);
    EXPECT_EQ(BackendStandin_SessionCount(), 0) << "nothing created";
    ViStatus code = 0;
    char text[1024] = {};
    ASSERT_EQ(zuVEXA_GetError(VI_NULL, &code, sizeof text, text), 0);
    EXPECT_EQ(code, BACKENDSTANDIN_ERROR_SCENE_FILE);
    EXPECT_NE(std::string(text).find("scene file \"" + path + "\": " + c.fault), std::string::npos) << text;
    EXPECT_NE(std::string(text).find("scene file cannot be used"), std::string::npos) << text;
  }
  vi = testsupport::OpenSimulated();
  EXPECT_NE(vi, 0u) << "the process opens sessions as before";
}

// A scene's samples follow each other across records: the second record of
// 1000 samples is the second half of a record of 2000.
TEST_F(SimulatorScenes, RecordsAreConsecutiveSamplesWhateverTheirLength) {
  OpenTuned(R"({"qpsk": [{"frequency_hz": 1.0001e9, "symbol_rate_hz": 3.3e4, "power_dbm": -10}],
               "fm": [{"frequency_hz": 0.9998e9, "power_dbm": -10, "deviation_hz": 1e4, "modulating_hz": 700}]})",
            1e9, 1e6, 1000);
  const std::vector<Complex> second = Fetch(1);
  ASSERT_EQ(zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, 2000), 0);
  const std::vector<Complex> whole = Fetch(0);
  for (std::size_t n = 0; n < 1000; ++n) ASSERT_NEAR(std::abs(second[n] - whole[1000 + n]), 0.0, 1e-9) << n;
}

// The same scene and settings give the same records and spectra in another
// session.
TEST_F(SimulatorScenes, ASceneIsTheSameInEverySession) {
  const std::string scene =
      R"({"noise_floor_dbm_per_hz": -140, "tones": [{"frequency_hz": 1e9, "power_dbm": -6}],
    "qpsk": [{"frequency_hz": 1.0001e9, "symbol_rate_hz": 1e4, "power_dbm": -10}]})";
  OpenTuned(scene, 1e9, 1e6, 512);
  const std::vector<Complex> record = Fetch(4);
  const std::vector<double> spectrum = Spectrum(1e9, 1e6, 1e4);
  zuVEXA_close(std::exchange(vi, 0));
  OpenTuned(scene, 1e9, 1e6, 512);
  EXPECT_EQ(Fetch(4), record);
  EXPECT_EQ(Spectrum(1e9, 1e6, 1e4), spectrum);
}

} // namespace
