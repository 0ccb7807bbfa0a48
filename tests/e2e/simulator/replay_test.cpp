// Recordings replayed as the simulated analyzer's input: what zuvexa fetch
// recorded comes back as it was, the recording's carrier and rate hold,
// looping and stopping give their statuses, timestamps follow the captures,
// spectra are measured from the recording, and recordings that cannot be
// played are refused with their fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "StandIns.h"
#include "TemporaryDirectory.h"

namespace {

constexpr ViAttr kCarrier = 1150059;

std::string ReadWhole(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The status text GetError gives for `vi` (VI_NULL: the thread's).
std::string ErrorText(ViSession vi, ViStatus expected) {
  ViStatus code = 0;
  char text[1024] = {};
  EXPECT_EQ(zuVEXA_GetError(vi, &code, sizeof text, text), 0);
  EXPECT_EQ(code, expected);
  return text;
}

class SimulatorReplay : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
  }
  void TearDown() override { Close(); }
  void Close() {
    if (vi != 0) zuVEXA_close(std::exchange(vi, 0));
  }

  // NAME.sigmf-data holding `values` as float, NAME.sigmf-meta the text.
  std::string WriteRecording(const std::string &name, const std::vector<float> &values,
                             const std::string &meta) const {
    std::ofstream(folder.File(name + ".sigmf-data"), std::ios::binary)
        .write(reinterpret_cast<const char *>(values.data()), std::streamsize(values.size() * sizeof(float)));
    std::ofstream(folder.File(name + ".sigmf-meta")) << meta;
    return folder.File(name + ".sigmf-meta");
  }
  // A cf32 ramp: sample n is (n / length, -n / length), at 100 MHz, 2 MS/s.
  std::string WriteRamp(std::size_t length) const {
    std::vector<float> values;
    for (std::size_t n = 0; n < length; ++n)
      values.insert(values.end(), {float(n) / length, -float(n) / length});
    return WriteRecording("ramp", values, R"({"global": {"core:datatype": "cf32_le", "core:sample_rate": 2e6},
      "captures": [{"core:sample_start": 0, "core:frequency": 1e8}]})");
  }
  ViStatus Open(const std::string &driverSetup) {
    const std::string options = "Simulate=1,DriverSetup=Model:Q118;" + driverSetup;
    return zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, options.c_str(), &vi);
  }
  template <class Element>
  std::vector<Element> FetchRecords(ViInt64 first, ViInt64 records, ViInt64 samples, ViStatus expected = 0,
                                    std::vector<WaveformInfo> *infos = nullptr) const {
    std::vector<Element> data(2 * records * samples);
    std::vector<WaveformInfo> info(records);
    EXPECT_EQ(zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, samples), 0);
    ViStatus status = 0;
    if constexpr (std::is_same_v<Element, ViReal64>)
      status = zuVEXA_FetchIQMultiRecordComplexF64(vi, "", first, records, -1, 1.0, data.data(), info.data());
    if constexpr (std::is_same_v<Element, ViReal32>)
      status = zuVEXA_FetchIQMultiRecordComplexF32(vi, "", first, records, -1, 1.0, data.data(), info.data());
    EXPECT_EQ(status, expected) << "records " << first << " on";
    if (infos != nullptr) *infos = info;
    return data;
  }

  // Lines 1 kHz apart (by default over 1 GHz +- 500 kHz), in dBm.
  std::vector<ViReal64> Spectrum(double center = 1e9, double span = 1e6) const {
    EXPECT_EQ(zuVEXA_ConfigureSpectrumFrequencyCenterSpan(vi, "", center, span), 0);
    EXPECT_EQ(zuVEXA_ConfigureResolutionBandwidth(vi, "", 1e3), 0);
    ViInt32 lines = 0;
    EXPECT_EQ(zuVEXA_GetNumberOfSpectralLines(vi, "", &lines), 0);
    std::vector<ViReal64> dbm(lines);
    EXPECT_EQ(zuVEXA_ReadPowerSpectrumF64(vi, "", 1.0, dbm.data(), lines, nullptr), 0);
    return dbm;
  }

  testsupport::TemporaryDirectory folder;
  ViSession vi = 0;
};

template <class Element> std::string BytesOf(const std::vector<Element> &values) {
  return {reinterpret_cast<const char *>(values.data()), values.size() * sizeof(Element)};
}

// Three records of the default tone through zuvexa fetch, in each format.
TEST_F(SimulatorReplay, WhatZuvexaFetchRecordedReplaysAsItWas) {
  const struct {
    const char *format;
    const char *datatype;
  } cases[] = {{"f64", "cf64_le"}, {"csv", "cf32_le"}, {"i16", "ci16_le"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.format);
    const std::string data = folder.File(std::string("tone-") + c.format + ".sigmf-data");
    const std::string command = "ZUVEXA_SYSAPI_CONFIG='" ZUVEXA_DEMO_SYSAPI_CONFIG "' '" ZUVEXA_PROGRAM
                                "' fetch --quiet --samples 1000 --records 3 --format " +
                                std::string(c.format) + " --output '" + data + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    ASSERT_EQ(Open("Replay:" + data), 0);
    if (c.datatype == std::string("cf64_le")) {
      EXPECT_EQ(BytesOf(FetchRecords<ViReal64>(0, 3, 1000)), ReadWhole(data));
    } else if (c.datatype == std::string("cf32_le")) {
      EXPECT_EQ(BytesOf(FetchRecords<ViReal32>(0, 3, 1000)), ReadWhole(data));
    } else {
      const std::vector<ViReal64> replayed = FetchRecords<ViReal64>(0, 3, 1000);
      Close();
      vi = testsupport::OpenSimulated();
      const std::vector<ViReal64> tone = FetchRecords<ViReal64>(0, 3, 1000);
      for (std::size_t i = 0; i < tone.size(); ++i) ASSERT_NEAR(replayed[i], tone[i], 1.0 / 32767) << i;
      EXPECT_NE(replayed, tone) << "the recording, not the tone";
    }
    Close();
  }
}

TEST_F(SimulatorReplay, ARecordingThatCannotBePlayedFailsTheOpenNamingItsFault) {
  const std::string cf32 = R"({"global": {"core:datatype": "cf32_le"}})";
  const struct {
    const char *name;
    std::size_t values; // floats in the data file; -1: none
    std::string meta;
    const char *fault;
  } cases[] = {
      {"missing", std::size_t(-1), cf32, "missing.sigmf-data\" cannot be opened: No such file"},
      {"cut", 7, cf32, "cut.sigmf-data\" ends within a sample: 28 bytes, samples of 8"},
      {"empty", 0, cf32, "empty.sigmf-data\" holds no samples"},
      {"ri8", 8, R"({"global": {"core:datatype": "ri8"}})",
       "core:datatype \"ri8\" is not one the analyzer plays"},
      {"beyond", 8, R"({"global": {"core:datatype": "cf32_le"}, "captures": [{"core:sample_start": 4}]})",
       "captures[0].core:sample_start 4 lies beyond the data's 4 samples"},
      {"retuned", 8,
       R"({"global": {"core:datatype": "cf32_le"}, "captures": [{"core:frequency": 1e9}, {"core:sample_start": 2, "core:frequency": 2e9}]})",
       "captures[1].core:frequency changes the carrier"},
      {"rate", 8, R"({"global": {"core:datatype": "cf32_le", "core:sample_rate": 0}})",
       "core:sample_rate must be a number above 0"},
      {"date", 8, R"({"global": {"core:datatype": "cf32_le"}, "captures": [{"core:datetime": "today"}]})",
       "captures[0].core:datetime must be a UTC date and time"},
      {"json", 8, "{", "not valid JSON"},
      {"global", 8, R"({"global": [], "captures": []})", "the global object is missing"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const std::string meta =
        WriteRecording(c.name, std::vector<float>(c.values == std::size_t(-1) ? 0 : c.values), c.meta);
    if (c.values == std::size_t(-1))
      std::filesystem::remove(folder.File(std::string(c.name) + ".sigmf-data"));
    EXPECT_EQ(Open("Replay:" + meta), BACKENDSTANDIN_ERROR_RECORDING);
    EXPECT_EQ(BackendStandin_SessionCount(), 0) << "nothing created";
    const std::string text = ErrorText(VI_NULL, BACKENDSTANDIN_ERROR_RECORDING);
    EXPECT_NE(text.find("recording \"" + meta + "\": "), std::string::npos) << text;
    EXPECT_NE(text.find(c.fault), std::string::npos) << text;
    EXPECT_NE(text.find("asked to replay cannot be used"), std::string::npos) << text;
  }
  EXPECT_EQ(Open("Replay:" + WriteRamp(10)), 0) << "the process opens sessions as before";
}

// The session opens at the recording's 100 MHz and 2 MS/s and keeps them.
TEST_F(SimulatorReplay, TheRecordingsCarrierAndRateHold) {
  ASSERT_EQ(Open("Replay:" + WriteRamp(10)), 0);
  BackendStandinConfiguration configuration{};
  ASSERT_EQ(BackendStandin_GetConfiguration(vi, &configuration), 0);
  EXPECT_EQ(configuration.carrierFrequency, 1e8);
  EXPECT_EQ(configuration.iqRate, 2e6);
  const auto refused = [&](ViStatus status, const char *fault) {
    EXPECT_EQ(status, BACKENDSTANDIN_ERROR_RECORDING_TUNING) << fault;
    EXPECT_NE(ErrorText(vi, status).find(fault), std::string::npos) << fault;
  };
  refused(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 1e9), "is at 100 MHz, the analyzer is tuned to 1 GHz");
  refused(zuVEXA_SetAttributeViReal64(vi, "", kCarrier, 100.5e6), "the analyzer is tuned to 100.5 MHz");
  refused(zuVEXA_ConfigureIQRate(vi, "", 1e6), "was sampled at 2 MS/s, the analyzer's IQ rate is 1 MS/s");
  EXPECT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 1e8), 0) << "the recording's own";
  EXPECT_EQ(zuVEXA_ConfigureIQRate(vi, "", 2e6), 0);
  ASSERT_EQ(BackendStandin_GetConfiguration(vi, &configuration), 0);
  EXPECT_EQ(configuration.carrierFrequency, 1e8) << "unchanged";
  EXPECT_FLOAT_EQ(FetchRecords<ViReal64>(0, 1, 10).at(4), 0.2) << "the session fetches on";
  std::vector<ViReal64> read(6, -1.0);
  WaveformInfo info{};
  EXPECT_EQ(zuVEXA_ReadIQSingleRecordComplexF64(vi, "", 1.0, read.data(), 3, &info), 0);
  EXPECT_FLOAT_EQ(read[2], 0.1) << "a read plays from the start";
  EXPECT_EQ(zuVEXA_ReadIQSingleRecordComplexF64(vi, "", 1.0, read.data(), 0, &info), 0) << "an empty read";
  EXPECT_EQ(info.actualSamples, 0);
}

// A ramp of 1000 samples in records of 300: record 3 reaches past its end.
TEST_F(SimulatorReplay, ALoopWarnsWhereItRestartsAndAStopEndsTheRecording) {
  WriteRamp(1000);
  const struct {
    const char *end;
    ViInt64 record;
    ViStatus status;
    std::vector<double> at; // I of samples 0, 99, 100, 299 of the record
  } cases[] = {
      {"loop", 2, 0, {0.6, 0.699, 0.7, 0.899}},
      {"loop", 3, BACKENDSTANDIN_WARN_RECORDING_WRAPPED, {0.9, 0.999, 0.0, 0.199}},
      {"loop", 4, 0, {0.2, 0.299, 0.3, 0.499}},
      {"loop", 6, BACKENDSTANDIN_WARN_RECORDING_WRAPPED, {0.8, 0.899, 0.9, 0.099}},
      {"stop", 2, 0, {0.6, 0.699, 0.7, 0.899}},
      {"stop", 3, BACKENDSTANDIN_ERROR_RECORDING_ENDED, {0.9, 0.999, 0.0, 0.0}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.end) + " record " + std::to_string(c.record));
    std::ofstream(folder.File("scene.json"))
        << R"({"replay": {"path": "ramp.sigmf-meta", "end": ")" << c.end << "\"}}";
    ASSERT_EQ(Open("Scene:" + folder.File("scene.json")), 0);
    const std::vector<ViReal64> data = FetchRecords<ViReal64>(c.record, 1, 300, c.status);
    const std::size_t samples[] = {0, 99, 100, 299};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(data[2 * samples[i]], c.at[i], 1e-6) << samples[i];
    if (c.status < 0) {
      EXPECT_NE(ErrorText(vi, c.status).find("holds 1000 samples; record 3 needs samples 900 to 1199"),
                std::string::npos);
    }
    Close();
  }
}

// Values beyond full scale clip with the overload warning, in every stored
// type and through the scene's other signals, which add to the recording;
// full scale itself is not beyond it.
TEST_F(SimulatorReplay, ARecordingBeyondFullScaleClipsAndSignalsAddToIt) {
  const std::string beyond = R"({"global": {"core:datatype": "cf32_le"}})";
  std::ofstream(folder.File("i16.sigmf-data"), std::ios::binary).write("\x00\x80\xff\x7f\x00\x40\x00\x00", 8);
  std::ofstream(folder.File("i16.sigmf-meta")) << R"({"global": {"core:datatype": "ci16_le"}})";
  std::ofstream(folder.File("tone.json"))
      << R"({"replay": {"path": "ramp.sigmf-meta"}, "tones": [{"frequency_hz": 1e8, "power_dbm": -20}]})";
  const struct {
    std::string driverSetup;
    ViStatus status;
    std::vector<double> values; // the first two samples
  } cases[] = {
      {"Replay:" + WriteRecording("f32", {0.5f, 1.5f, -2.0f, -1.0f}, beyond),
       BACKENDSTANDIN_WARN_OVERLOAD,
       {0.5, 1.0, -1.0, -1.0}},
      {"Replay:" + WriteRecording("edge", {1.0f, -1.0f, -1.0f, 0.5f}, beyond), 0, {1.0, -1.0, -1.0, 0.5}},
      {"Replay:" + folder.File("i16.sigmf-meta"),
       BACKENDSTANDIN_WARN_OVERLOAD,
       {-1.0, 1.0, 16384 / 32767.0, 0.0}},
      {(WriteRamp(4), "Scene:" + folder.File("tone.json")), 0, {0.1, 0.0, 0.35, -0.25}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.driverSetup);
    ASSERT_EQ(Open(c.driverSetup), 0);
    const std::vector<ViReal64> f64 = FetchRecords<ViReal64>(0, 1, 2, c.status);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(f64[i], c.values[i], 1e-7) << i;
    const std::vector<ViReal32> f32 = FetchRecords<ViReal32>(0, 1, 2, c.status);
    EXPECT_FLOAT_EQ(f32[1], float(c.values[1]));
    ViReal64 line = 0;
    EXPECT_EQ(zuVEXA_ReadPowerSpectrumF64(vi, "", 1.0, &line, 1, nullptr), c.status) << "spectra warn too";
    Close();
  }
}

// Written by hand as a public recording would be: two captures with dates,
// annotations, a tone a quarter of the rate up.
TEST_F(SimulatorReplay, APublicStyleRecordingReplaysWithTheCapturesTimes) {
  std::vector<float> values;
  for (int n = 0; n < 1000; ++n)
    values.insert(values.end(), {std::cos(n * 1.5707964f), std::sin(n * 1.5707964f)});
  const std::string meta = WriteRecording("public", values, R"({
    "global": {"core:datatype": "cf32_le", "core:sample_rate": 1000000, "core:version": "1.0.0",
               "core:description": "a tone", "core:author": "someone", "core:num_channels": 1},
    "captures": [{"core:sample_start": 600, "core:frequency": 915e6, "core:datetime": "2023-06-01T12:00:10Z"},
                 {"core:sample_start": 0, "core:frequency": 915e6, "core:datetime": "2023-06-01T12:00:00.5Z"}],
    "annotations": [{"core:sample_start": 100, "core:sample_count": 200, "core:label": "burst"}]})");
  ASSERT_EQ(Open("Replay:" + meta), 0);
  ASSERT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 915e6), 0);
  std::vector<WaveformInfo> infos;
  const std::vector<ViReal32> data = FetchRecords<ViReal32>(0, 4, 250, 0, &infos);
  EXPECT_EQ(BytesOf(data), BytesOf(values));
  constexpr double kStart = 1685620800.0; // 2023-06-01T12:00:00Z
  const double expected[] = {kStart + 0.5, kStart + 0.5 + 250e-6, kStart + 0.5 + 500e-6,
                             kStart + 10.0 + 150e-6};
  for (std::size_t r = 0; r < 4; ++r)
    EXPECT_DOUBLE_EQ(infos[r].absoluteInitialX, expected[r]) << "record " << r;
  EXPECT_EQ(infos[0].xIncrement, 1e-6);
}

// At 1 MS/s and 1 GHz, -20 dBFS at +125 kHz for 4096 samples, then -30 dBFS
// at -250 kHz: a spectrum shows the tone where the record last fetched or
// read starts, relative to the reference level, beside the scene's tone at
// -100 kHz. Lines 625, 250 and 400.
TEST_F(SimulatorReplay, TheSpectrumIsMeasuredFromTheRecordLastFetched) {
  std::vector<float> values;
  for (int n = 0; n < 8192; ++n) {
    const double amplitude = n < 4096 ? 0.1 : std::sqrt(1e-3), cycles = n < 4096 ? 0.125 : -0.25;
    const double phase = 2.0 * std::numbers::pi * std::fmod(cycles * n, 1.0);
    values.insert(values.end(), {float(amplitude * std::cos(phase)), float(amplitude * std::sin(phase))});
  }
  const std::string meta = WriteRecording("tones", values, R"({"global": {"core:datatype": "cf32_le",
    "core:sample_rate": 1e6}, "captures": [{"core:frequency": 1e9}]})");
  std::ofstream(folder.File("scene.json"))
      << R"({"replay": {"path": "tones.sigmf-meta"}, "tones": [{"frequency_hz": 0.9999e9, "power_dbm": -45}]})";
  for (const std::string &driverSetup : {"Replay:" + meta, "Scene:" + folder.File("scene.json")}) {
    SCOPED_TRACE(driverSetup);
    ASSERT_EQ(Open(driverSetup), 0);
    ASSERT_EQ(zuVEXA_ConfigureReferenceLevel(vi, "", -10.0), 0);
    // The peak, as wide as the scene's: 12.04 dB down a line off.
    const auto expectPeak = [](const std::vector<ViReal64> &dbm, std::ptrdiff_t line, double level,
                               std::size_t gone) {
      EXPECT_EQ(std::max_element(dbm.begin(), dbm.end()) - dbm.begin(), line);
      EXPECT_NEAR(dbm[line], level, 0.5);
      EXPECT_NEAR(dbm[line + 1], level - 12.04, 0.1);
      EXPECT_LT(dbm[line + 10], -100.0) << "no leak 10 kHz off";
      EXPECT_LT(dbm[gone], -100.0) << "the other tone";
    };
    const std::vector<ViReal64> first = Spectrum();
    expectPeak(first, 625, -30.0, 250);
    EXPECT_NEAR(Spectrum(1.000125e9, 500.0).at(0), -30.0, 0.5) << "one line, on the tone";
    FetchRecords<ViReal64>(2, 4, 1000); // the last, record 5, from sample 5000
    const std::vector<ViReal64> later = Spectrum();
    expectPeak(later, 250, -40.0, 625);
    EXPECT_EQ(Spectrum(), later) << "a spectrum moves nothing";
    const bool scene = driverSetup[0] == 'S';
    EXPECT_NEAR(later[400], scene ? -45.0 : -200.0, 0.5) << "the scene's tone";
    std::vector<ViReal64> read(2000);
    WaveformInfo info{};
    ASSERT_EQ(zuVEXA_ReadIQSingleRecordComplexF64(vi, "", 1.0, read.data(), 1000, &info), 0);
    EXPECT_EQ(Spectrum(), first) << "a read plays from sample 0, where the session started";
    Close();
  }
}

} // namespace

// A recording that stops is silent after its end: the spectrum of its last
// record is that of the same samples followed by silence.
TEST_F(SimulatorReplay, AStoppedRecordingIsSilentInSpectraAfterItsEnd) {
  std::vector<float> tone;
  for (int n = 0; n < 4096; ++n) {
    const double phase = 2.0 * std::numbers::pi * std::fmod(0.125 * n, 1.0);
    tone.insert(tone.end(), {float(0.1 * std::cos(phase)), float(0.1 * std::sin(phase))});
  }
  std::vector<float> padded = tone;
  padded.resize(4 * tone.size(), 0.0f);
  const char *meta = R"({"global": {"core:datatype": "cf32_le", "core:sample_rate": 1e6},
    "captures": [{"core:frequency": 1e9}]})";
  std::vector<std::vector<ViReal64>> spectra;
  for (const auto &[name, values] : {std::pair{"short", tone}, std::pair{"padded", padded}}) {
    WriteRecording(name, values, meta);
    const std::string scene = folder.File(std::string(name) + ".json");
    std::ofstream(scene) << R"({"replay": {"path": ")" << name << R"(.sigmf-meta", "end": "stop"}})";
    ASSERT_EQ(Open("Scene:" + scene), 0);
    FetchRecords<ViReal64>(3, 1, 1024); // from sample 3072: the window reaches past 4096
    spectra.push_back(Spectrum());
    Close();
  }
  EXPECT_EQ(spectra[0], spectra[1]);
}
